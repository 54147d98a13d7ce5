#include "recordcheck.h"

#include <QStringList>

#include <algorithm>

namespace
{
struct FieldRule {
    const char *meaning;
    int minimum;
    int maximum;
    // Power values skip 1 to 29.
    bool power = false;
};

const FieldRule fieldRules[] = {
    {"mode (0 pulse, 1 interval, 2 sequential)", 0, 2},
    {"power 1 of socket 1, %", 0, 100, true},
    {"power 1 of socket 2, %", 0, 100, true},
    {"power 1 of socket 3, %", 0, 100, true},
    {"power 1 of socket 4, %", 0, 100, true},
    {"power 2 of socket 1, %", 0, 100, true},
    {"power 2 of socket 2, %", 0, 100, true},
    {"power 2 of socket 3, %", 0, 100, true},
    {"power 2 of socket 4, %", 0, 100, true},
    {"pulse time, hundredths of a second", 30, 800},
    {"food timer, minutes", 1, 15},
    {"moonlight, 0 or 1", 0, 1},
    {"storm cycle, 0 or 1", 0, 1},
    {"storm period, hours", 1, 191},
    {"night mode, 0 or 1", 0, 1},
    {"interval time, minutes", 1, 779},
    {"sequential time, seconds", 1, 10},
    {"wave controller, 0 or 1", 0, 1},
    {"wave time, hundredths of a second", 30, 250},
    {"wave inverse, 0 or 1", 0, 1},
};

bool isDigits(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString allowed(const FieldRule &rule)
{
    if (rule.power)
        return QStringLiteral("0 or 30 to 100");
    return QStringLiteral("%1 to %2").arg(rule.minimum).arg(rule.maximum);
}
} // namespace

std::optional<QString> SettingsRecord::problem(const QString &record, Length length)
{
    const QStringList fields = record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (fields.size() != length) {
        if (fields.size() == Basic || fields.size() == Extended)
            return QStringLiteral("a record of %1 fields, but the unit's firmware takes %2")
                .arg(fields.size())
                .arg(int(length));
        return QStringLiteral("not a settings record: %1 fields where %2 belong")
            .arg(fields.size())
            .arg(int(length));
    }
    for (qsizetype position = 0; position < fields.size(); ++position) {
        const QString &text = fields[position];
        if (position >= Basic) {
            // The two extra fields of an extended record carry nothing, but
            // they are numbers like every other.
            if (!isDigits(text))
                return QStringLiteral("field %1 is \"%2\", not a number").arg(position).arg(text);
            continue;
        }
        const FieldRule &rule = fieldRules[position];
        const int value = text.toInt();
        const bool fits = isDigits(text) && text.size() <= 9 && value >= rule.minimum &&
                          value <= rule.maximum && !(rule.power && value > 0 && value < 30);
        if (!fits)
            return QStringLiteral("field %1 (%2) is \"%3\"; allowed: %4")
                .arg(position)
                .arg(QLatin1String(rule.meaning), text, allowed(rule));
    }
    return std::nullopt;
}
