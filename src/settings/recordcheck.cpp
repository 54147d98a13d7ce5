#include "recordcheck.h"

#include "settingfields.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace
{
// What a record's field may hold, from the settings it carries.
SettingsRecord::Problem ruleAt(int position)
{
    SettingsRecord::Problem rule;
    rule.kind = SettingsRecord::Problem::NotAllowed;
    rule.position = position;
    // A time split into two settings may be zero in a record: the form
    // raises its smaller unit by one, as it moves any other value its rules
    // do not allow, and says so.
    for (const SettingFields::Field &field : SettingFields::fields) {
        if (field.position != position)
            continue;
        rule.minimum += int(std::lround(field.minimum * field.recordUnits));
        rule.maximum += int(std::lround(field.maximum * field.recordUnits));
        rule.lowestRunning = int(field.lowestRunning);
    }
    return rule;
}

bool isDigits(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

std::optional<SettingsRecord::Problem> SettingsRecord::problem(const QString &record, Length length)
{
    const QStringList fields = record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const int count = int(fields.size());
    if (count != length) {
        Problem wrong;
        wrong.kind =
            count == Basic || count == Extended ? Problem::OtherLength : Problem::NotARecord;
        wrong.fields = count;
        wrong.expected = length;
        return wrong;
    }
    for (int position = 0; position < count; ++position) {
        const QString &text = fields[position];
        if (position >= Basic) {
            // The two extra fields of an extended record carry nothing, but
            // they are numbers like every other.
            if (isDigits(text))
                continue;
            Problem notNumber;
            notNumber.kind = Problem::NotANumber;
            notNumber.position = position;
            notNumber.text = text;
            return notNumber;
        }
        Problem rule = ruleAt(position);
        const int value = text.toInt();
        const bool fits = isDigits(text) && text.size() <= 9 && value >= rule.minimum &&
                          value <= rule.maximum && !(value > 0 && value < rule.lowestRunning);
        if (!fits) {
            rule.text = text;
            return rule;
        }
    }
    return std::nullopt;
}
