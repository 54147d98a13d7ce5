#include "namedsettings.h"

#include "formrules.h"
#include "settingfields.h"

#include <QLocale>

#include <cmath>

namespace
{
using SettingFields::Field;
using SettingFields::Kind;

const QStringList modeNames{QStringLiteral("pulse"), QStringLiteral("interval"),
                            QStringLiteral("sequential")};

// Steps of the field in one of its units: 100 for hundredths.
double stepsPerUnit(const Field &field)
{
    return std::pow(10, field.decimals());
}

QString allowed(const Field &field)
{
    switch (field.kind) {
    case Kind::Mode:
        return modeNames.join(QLatin1String(", "));
    case Kind::Power:
        return QStringLiteral("%1 or %2 to %3")
            .arg(field.minimum)
            .arg(field.lowestRunning)
            .arg(field.maximum);
    case Kind::Flag:
        return QStringLiteral("%1 or %2").arg(field.minimum).arg(field.maximum);
    case Kind::Time:
        return QStringLiteral("%1 to %2 in steps of %3")
            .arg(field.minimum, 0, 'f', field.decimals())
            .arg(field.maximum, 0, 'f', field.decimals())
            .arg(field.step, 0, 'f', field.decimals());
    case Kind::Whole:
        break;
    }
    return QStringLiteral("%1 to %2").arg(field.minimum).arg(field.maximum);
}

// The value the text stands for, when it is one the control can hold
// unchanged.
std::optional<double> parseValue(const Field &field, const QString &text)
{
    if (field.kind == Kind::Mode) {
        const qsizetype index = modeNames.indexOf(text);
        if (index >= 0)
            return double(index);
    }
    if (field.kind == Kind::Flag) {
        if (text == QLatin1String("on") || text == QLatin1String("true"))
            return 1.0;
        if (text == QLatin1String("off") || text == QLatin1String("false"))
            return 0.0;
    }
    bool isNumber = false;
    const double value = QLocale::c().toDouble(text, &isNumber);
    if (!isNumber || !std::isfinite(value) || value < field.minimum || value > field.maximum)
        return std::nullopt;
    const double steps = value * stepsPerUnit(field);
    if (std::abs(steps - std::round(steps)) > 1e-6)
        return std::nullopt;
    if (field.kind == Kind::Power && value > 0 && value < field.lowestRunning)
        return std::nullopt;
    return std::round(steps) / stepsPerUnit(field);
}

QString format(const Field &field, double value)
{
    if (field.kind == Kind::Mode)
        return modeNames.value(int(value));
    if (field.kind == Kind::Time)
        return QString::number(value, 'f', field.decimals());
    return QString::number(int(value));
}
} // namespace

QStringList NamedSettings::names()
{
    QStringList list;
    for (const Field &field : SettingFields::fields)
        list << QLatin1String(field.name);
    return list;
}

std::optional<QString> NamedSettings::canonical(const QString &name, const QString &value,
                                                QString *problem)
{
    const std::optional<SettingFields::Id> id = SettingFields::find(name);
    if (!id) {
        *problem = QStringLiteral("unknown setting \"%1\"; known: %2")
                       .arg(name, names().join(QLatin1String(", ")));
        return std::nullopt;
    }
    const Field &field = SettingFields::field(*id);
    const std::optional<double> parsed = parseValue(field, value);
    if (!parsed) {
        *problem = QStringLiteral("%1: \"%2\" is not allowed; allowed: %3")
                       .arg(name, value, allowed(field));
        return std::nullopt;
    }
    return format(field, *parsed);
}

std::optional<QString> NamedSettings::set(Settings &settings, const QString &name,
                                          const QString &value)
{
    QString problem;
    if (!canonical(name, value, &problem))
        return problem;
    const SettingFields::Id id = *SettingFields::find(name);
    FormRules(settings).set(id, *parseValue(SettingFields::field(id), value));
    return std::nullopt;
}

QString NamedSettings::text(const Settings &settings, const QString &name)
{
    const std::optional<SettingFields::Id> id = SettingFields::find(name);
    return id ? format(SettingFields::field(*id), settings.value(*id)) : QString();
}

QJsonObject NamedSettings::toJson(const Settings &settings)
{
    QJsonObject object;
    for (int id = 0; id < SettingFields::Count; ++id) {
        const Field &field = SettingFields::fields[id];
        const QString name = QLatin1String(field.name);
        const double number = settings.value(SettingFields::Id(id));
        switch (field.kind) {
        case Kind::Mode:
            object.insert(name, format(field, number));
            break;
        case Kind::Flag:
            object.insert(name, number != 0);
            break;
        case Kind::Time:
            object.insert(name, std::round(number * stepsPerUnit(field)) / stepsPerUnit(field));
            break;
        case Kind::Power:
        case Kind::Whole:
            object.insert(name, int(number));
            break;
        }
    }
    return object;
}
