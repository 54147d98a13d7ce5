#include "recordcheck.h"

#include "settingfields.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace
{
// What a record's field may hold, from the settings it carries.
struct FieldRule {
    const char *meaning = "";
    int minimum = 0;
    int maximum = 0;
    // For a power, the lowest level other than 0.
    int lowestRunning = 0;
};

FieldRule ruleAt(qsizetype position)
{
    FieldRule rule;
    int settings = 0;
    for (const SettingFields::Field &field : SettingFields::fields) {
        if (field.position != position)
            continue;
        ++settings;
        rule.meaning = field.meaning;
        rule.minimum += int(std::lround(field.minimum * field.recordUnits));
        rule.maximum += int(std::lround(field.maximum * field.recordUnits));
        rule.lowestRunning = int(field.lowestRunning);
    }
    // A time split into two settings never becomes zero: the form raises its
    // smaller unit by one.
    if (settings > 1 && rule.minimum == 0)
        rule.minimum = 1;
    return rule;
}

bool isDigits(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString allowed(const FieldRule &rule)
{
    if (rule.lowestRunning > 0)
        return QCoreApplication::translate("RecordCheck", "%1 or %2 to %3")
            .arg(rule.minimum)
            .arg(rule.lowestRunning)
            .arg(rule.maximum);
    return QCoreApplication::translate("RecordCheck", "%1 to %2")
        .arg(rule.minimum)
        .arg(rule.maximum);
}
} // namespace

std::optional<QString> SettingsRecord::problem(const QString &record, Length length)
{
    const QStringList fields = record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const int count = int(fields.size());
    if (count != length) {
        if (count == Basic || count == Extended)
            return QCoreApplication::translate(
                       "RecordCheck", "a record of %n field(s), but the unit's firmware takes %1",
                       nullptr, count)
                .arg(int(length));
        return QCoreApplication::translate("RecordCheck",
                                           "not a settings record: %n field(s) where %1 belong",
                                           nullptr, count)
            .arg(int(length));
    }
    for (qsizetype position = 0; position < fields.size(); ++position) {
        const QString &text = fields[position];
        // Messages count fields from 1, as the manual pages do.
        const qsizetype number = position + 1;
        if (position >= Basic) {
            // The two extra fields of an extended record carry nothing, but
            // they are numbers like every other.
            if (!isDigits(text))
                return QCoreApplication::translate("RecordCheck",
                                                   "field %1 (%2) is \"%3\", not a number")
                    .arg(number)
                    .arg(SettingFields::translated(SettingFields::Text::reserved), text);
            continue;
        }
        const FieldRule rule = ruleAt(position);
        const int value = text.toInt();
        const bool fits = isDigits(text) && text.size() <= 9 && value >= rule.minimum &&
                          value <= rule.maximum && !(value > 0 && value < rule.lowestRunning);
        if (!fits)
            return QCoreApplication::translate("RecordCheck",
                                               "field %1 (%2) is \"%3\"; allowed: %4")
                .arg(number)
                .arg(SettingFields::translated(rule.meaning), text, allowed(rule));
    }
    return std::nullopt;
}
