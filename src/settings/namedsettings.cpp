#include "namedsettings.h"

#include "formrules.h"
#include "settingsrecord.h"

#include <QJsonValue>
#include <QLocale>

#include <cmath>

namespace
{
using SettingFields::Field;
using SettingFields::Kind;

// Steps of the field in one of its units: 100 for hundredths.
double stepsPerUnit(const Field &field)
{
    return std::pow(10, field.decimals());
}

// The value the text stands for, when it is one the control can hold
// unchanged.
std::optional<double> parseValue(const Field &field, const QString &text)
{
    if (field.kind == Kind::Mode) {
        const qsizetype index = NamedSettings::modeNames().indexOf(text);
        if (index >= 0)
            return double(index);
    }
    if (field.kind == Kind::Flag) {
        const QString word = text.toLower();
        for (const char *on : {"on", "true", "yes"}) {
            if (word == QLatin1String(on))
                return 1.0;
        }
        for (const char *off : {"off", "false", "no"}) {
            if (word == QLatin1String(off))
                return 0.0;
        }
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

// A JSON value as the text a NAME=VALUE change would give; an array or an
// object gives none.
QString textOf(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

QString format(const Field &field, double value)
{
    if (field.kind == Kind::Mode && value >= 0 && value < NamedSettings::modeNames().size())
        return NamedSettings::modeNames().value(int(value));
    if (field.kind == Kind::Flag)
        return value != 0 ? QStringLiteral("on") : QStringLiteral("off");
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

const QStringList &NamedSettings::modeNames()
{
    static const QStringList names{QStringLiteral("pulse"), QStringLiteral("interval"),
                                   QStringLiteral("sequential")};
    return names;
}

std::optional<NamedSettings::Problem> NamedSettings::nameProblem(const QString &name)
{
    if (SettingFields::find(name))
        return std::nullopt;
    return Problem{Problem::UnknownName, name, QString()};
}

std::optional<QString> NamedSettings::canonical(const QString &name, const QString &value,
                                                Problem *problem)
{
    if (const std::optional<Problem> unknown = nameProblem(name)) {
        *problem = *unknown;
        return std::nullopt;
    }
    const Field &field = SettingFields::field(*SettingFields::find(name));
    const std::optional<double> parsed = parseValue(field, value);
    if (!parsed) {
        *problem = {Problem::NotAllowed, name, value};
        return std::nullopt;
    }
    return format(field, *parsed);
}

std::optional<NamedSettings::Problem> NamedSettings::set(Settings &settings, const QString &name,
                                                         const QString &value)
{
    Problem problem;
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

QString NamedSettings::text(SettingFields::Id id, double value)
{
    return format(SettingFields::field(id), value);
}

QStringList NamedSettings::differingNames(const Settings &first, const Settings &second)
{
    QStringList differing;
    for (const QString &name : names()) {
        if (text(first, name) != text(second, name))
            differing << name;
    }
    return differing;
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

std::optional<QString> NamedSettings::recordFromJson(const QJsonObject &object,
                                                     const QStringList &ignored, Problem *problem)
{
    for (auto key = object.constBegin(); key != object.constEnd(); ++key) {
        if (ignored.contains(key.key()))
            continue;
        if (const std::optional<Problem> unknown = nameProblem(key.key())) {
            *problem = *unknown;
            return std::nullopt;
        }
    }
    std::array<long, SettingsRecord::Basic> record{};
    for (const Field &field : SettingFields::fields) {
        const QString name = QLatin1String(field.name);
        if (!object.contains(name)) {
            *problem = {Problem::Missing, name, QString()};
            return std::nullopt;
        }
        const QString text = textOf(object.value(name));
        if (!canonical(name, text, problem))
            return std::nullopt;
        // A time split into two settings adds up in one field, in the
        // smaller unit.
        record[size_t(field.position)] += std::lround(*parseValue(field, text) * field.recordUnits);
    }
    QStringList fields;
    for (const long value : record)
        fields << QString::number(value);
    return fields.join(QLatin1Char(';'));
}
