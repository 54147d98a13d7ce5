#include "settingsrecord.h"

#include "formrules.h"

#include <QRegularExpression>
#include <QStringList>

#include <climits>

namespace
{
QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
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

QString SettingsRecord::hundredths(double seconds)
{
    return QString::number(seconds * 100, 'g', 6);
}

int SettingsRecord::unsignedField(const QString &field)
{
    return int(qMin(field.toUInt(), uint(INT_MAX)));
}

QString SettingsRecord::write(const Settings &s, Length length)
{
    QStringList fields{QString::number(s.mode)};
    for (const int power : s.power1)
        fields << QString::number(power);
    for (const int power : s.power2)
        fields << QString::number(power);
    fields << hundredths(s.pulseSeconds) << QString::number(s.foodMinutes) << flag(s.moonlight)
           << flag(s.storm) << QString::number(s.stormDays * 24 + s.stormHours) << flag(s.night)
           << QString::number(s.intervalHours * 60 + s.intervalMinutes)
           << QString::number(s.sequentialSeconds) << flag(s.waveController)
           << hundredths(s.waveSeconds) << flag(s.inverse);
    QString record = fields.join(QLatin1Char(';'));
    if (length == Extended)
        record += QLatin1String(";111;111");
    return record;
}

bool SettingsRecord::read(Settings &settings, const QString &record, Length length)
{
    const QStringList field = record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (field.size() != length)
        return false;

    // Each change runs the rules before the next, so the order matters: the
    // page before the times it couples, the larger unit of each split time
    // before the smaller, and the wave controller and inverse before the
    // power values that their rules overwrite.
    FormRules form(settings);
    form.setMode(unsignedField(field[0]));
    form.setPulseSeconds(field[9].toDouble() / 100);
    form.setFoodMinutes(unsignedField(field[10]));
    form.setMoonlight(field[11].toUInt() != 0);
    form.setNight(field[14].toInt() != 0);
    form.setStorm(field[12].toInt() != 0);
    const int stormHours = field[13].toInt();
    form.setStormDays(stormHours / 24);
    form.setStormHours(stormHours - 24 * (stormHours / 24));
    form.setWaveController(field[17].toInt() != 0);
    form.setWaveSeconds(field[18].toDouble() / 100);
    form.setInverse(field[19].toInt() != 0);
    const int intervalMinutes = field[15].toInt();
    form.setIntervalHours(intervalMinutes / 60);
    form.setIntervalMinutes(intervalMinutes - 60 * (intervalMinutes / 60));
    form.setSequentialSeconds(field[16].toInt());
    for (int socket = 1; socket <= 4; ++socket)
        form.setPower(1, socket, unsignedField(field[socket]));
    for (int socket = 1; socket <= 4; ++socket)
        form.setPower(2, socket, unsignedField(field[4 + socket]));
    return true;
}
