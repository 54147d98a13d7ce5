#include "settingsrecord.h"

#include "formrules.h"

#include <QRegularExpression>
#include <QStringList>

#include <climits>

namespace
{
using SettingFields::Field;

// Held at the largest int, so that every range limits a huge value to its
// maximum instead of a wrapped negative value to its minimum.
int unsignedField(const QString &field)
{
    return int(qMin(field.toUInt(), uint(INT_MAX)));
}

// The largest unit among the settings that share the record's field at
// `position`: a time split into days and hours counts its hours in a day.
int largestUnitAt(int position)
{
    int largest = 1;
    for (const Field &field : SettingFields::fields) {
        if (field.position == position)
            largest = qMax(largest, field.recordUnits);
    }
    return largest;
}

// The setting's value in the record's field, as the form reads it.
double valueIn(const Field &field, const QString &text)
{
    if (field.reading == SettingFields::Reading::Fraction)
        return text.toDouble() / field.recordUnits;
    const int total =
        field.reading == SettingFields::Reading::Unsigned ? unsignedField(text) : text.toInt();
    const int largest = largestUnitAt(field.position);
    if (largest == 1)
        return total;
    // Integer division truncates toward zero, as the form always has.
    return field.recordUnits == largest ? total / largest : total - largest * (total / largest);
}
} // namespace

unsigned int SettingsRecord::packedVersion(QString text)
{
    static const QRegularExpression letters(QStringLiteral("[a-zA-Z]"));
    const QStringList parts = text.remove(letters).split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return 0;
    // A part above 255 is not an error: it carries into the next higher one.
    unsigned int version = 0;
    for (const QString &part : parts)
        version = version * 256 + part.toUInt();
    return version;
}

SettingsRecord::Length SettingsRecord::lengthFor(const QString &firmware)
{
    return lengthFor(packedVersion(firmware));
}

SettingsRecord::Length SettingsRecord::lengthFor(unsigned int packedVersion)
{
    static const unsigned int lastBasic = SettingsRecord::packedVersion(QStringLiteral("1.0.10.1"));
    return packedVersion > lastBasic ? Extended : Basic;
}

QString SettingsRecord::write(const Settings &settings, Length length)
{
    std::array<int, Basic> whole{};
    std::array<QString, Basic> fields;
    for (int id = 0; id < SettingFields::Count; ++id) {
        const Field &field = SettingFields::fields[id];
        const double value = settings.value(SettingFields::Id(id));
        if (field.kind == SettingFields::Kind::Time)
            // Whole hundredths for every value the form holds, never a
            // decimal point or an exponent.
            fields[field.position] = QString::number(value * field.recordUnits, 'g', 6);
        else
            whole[field.position] += int(value) * field.recordUnits;
    }
    QStringList record;
    for (int position = 0; position < Basic; ++position)
        record << (fields[position].isNull() ? QString::number(whole[position]) : fields[position]);
    if (length == Extended)
        record << QStringLiteral("111") << QStringLiteral("111");
    return record.join(QLatin1Char(';'));
}

QList<SettingsRecord::Adjustment> SettingsRecord::adjustments(const QString &record,
                                                              const Settings &settings)
{
    const QStringList fields = record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QList<Adjustment> found;
    for (int id = 0; id < SettingFields::Count; ++id) {
        const Field &field = SettingFields::fields[id];
        const double inRecord = valueIn(field, fields.value(field.position));
        const double held = settings.value(SettingFields::Id(id));
        // A switch is on for any number but 0.
        const bool same = field.kind == SettingFields::Kind::Flag
                              ? (inRecord != 0) == (held != 0)
                              : qFuzzyCompare(inRecord + 1, held + 1);
        if (!same)
            found.append({SettingFields::Id(id), inRecord, held});
    }
    return found;
}

bool SettingsRecord::read(Settings &settings, const QString &record, Length length)
{
    const QStringList fields = record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (fields.size() != length)
        return false;
    // Each change runs the rules before the next, so the order matters.
    FormRules form(settings);
    for (const SettingFields::Id id : SettingFields::readingOrder) {
        const Field &field = SettingFields::field(id);
        form.set(id, valueIn(field, fields[field.position]));
    }
    return true;
}
