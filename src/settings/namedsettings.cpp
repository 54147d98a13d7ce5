#include "namedsettings.h"

#include "formrules.h"

#include <QLocale>

#include <cmath>

namespace
{
enum class Kind { Mode, Power, Whole, Time, Flag };

struct Named {
    QString name;
    Kind kind;
    double minimum;
    double maximum;
    double (*get)(const Settings &);
    void (*set)(FormRules &, double);
};

const QStringList modeNames{QStringLiteral("pulse"), QStringLiteral("interval"),
                            QStringLiteral("sequential")};

template <int Level, int Socket> Named power()
{
    return {
        QStringLiteral("power%1Socket%2").arg(Level).arg(Socket),
        Kind::Power,
        0,
        FormRules::maxPower,
        [](const Settings &s) { return double((Level == 1 ? s.power1 : s.power2)[Socket - 1]); },
        [](FormRules &f, double v) { f.setPower(Level, Socket, int(v)); }};
}

const QList<Named> &table()
{
    static const QList<Named> named{
        {QStringLiteral("mode"), Kind::Mode, 0, 2, [](const Settings &s) { return double(s.mode); },
         [](FormRules &f, double v) { f.setMode(int(v)); }},
        power<1, 1>(),
        power<1, 2>(),
        power<1, 3>(),
        power<1, 4>(),
        power<2, 1>(),
        power<2, 2>(),
        power<2, 3>(),
        power<2, 4>(),
        {QStringLiteral("pulseSeconds"), Kind::Time, FormRules::minPulseSeconds,
         FormRules::maxPulseSeconds, [](const Settings &s) { return s.pulseSeconds; },
         [](FormRules &f, double v) { f.setPulseSeconds(v); }},
        {QStringLiteral("foodMinutes"), Kind::Whole, FormRules::minFoodMinutes,
         FormRules::maxFoodMinutes, [](const Settings &s) { return double(s.foodMinutes); },
         [](FormRules &f, double v) { f.setFoodMinutes(int(v)); }},
        {QStringLiteral("moonlight"), Kind::Flag, 0, 1,
         [](const Settings &s) { return double(s.moonlight); },
         [](FormRules &f, double v) { f.setMoonlight(v != 0); }},
        {QStringLiteral("storm"), Kind::Flag, 0, 1,
         [](const Settings &s) { return double(s.storm); },
         [](FormRules &f, double v) { f.setStorm(v != 0); }},
        {QStringLiteral("stormDays"), Kind::Whole, 0, FormRules::maxStormDays,
         [](const Settings &s) { return double(s.stormDays); },
         [](FormRules &f, double v) { f.setStormDays(int(v)); }},
        {QStringLiteral("stormHours"), Kind::Whole, 0, FormRules::maxStormHours,
         [](const Settings &s) { return double(s.stormHours); },
         [](FormRules &f, double v) { f.setStormHours(int(v)); }},
        {QStringLiteral("night"), Kind::Flag, 0, 1,
         [](const Settings &s) { return double(s.night); },
         [](FormRules &f, double v) { f.setNight(v != 0); }},
        {QStringLiteral("intervalHours"), Kind::Whole, 0, FormRules::maxIntervalHours,
         [](const Settings &s) { return double(s.intervalHours); },
         [](FormRules &f, double v) { f.setIntervalHours(int(v)); }},
        {QStringLiteral("intervalMinutes"), Kind::Whole, 0, FormRules::maxIntervalMinutes,
         [](const Settings &s) { return double(s.intervalMinutes); },
         [](FormRules &f, double v) { f.setIntervalMinutes(int(v)); }},
        {QStringLiteral("sequentialSeconds"), Kind::Whole, FormRules::minSequentialSeconds,
         FormRules::maxSequentialSeconds,
         [](const Settings &s) { return double(s.sequentialSeconds); },
         [](FormRules &f, double v) { f.setSequentialSeconds(int(v)); }},
        {QStringLiteral("waveController"), Kind::Flag, 0, 1,
         [](const Settings &s) { return double(s.waveController); },
         [](FormRules &f, double v) { f.setWaveController(v != 0); }},
        {QStringLiteral("waveSeconds"), Kind::Time, FormRules::minWaveSeconds,
         FormRules::maxWaveSeconds, [](const Settings &s) { return s.waveSeconds; },
         [](FormRules &f, double v) { f.setWaveSeconds(v); }},
        {QStringLiteral("inverse"), Kind::Flag, 0, 1,
         [](const Settings &s) { return double(s.inverse); },
         [](FormRules &f, double v) { f.setInverse(v != 0); }},
    };
    return named;
}

const Named *find(const QString &name)
{
    for (const Named &entry : table()) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

QString allowed(const Named &entry)
{
    switch (entry.kind) {
    case Kind::Mode:
        return modeNames.join(QLatin1String(", "));
    case Kind::Power:
        return QStringLiteral("0 or 30 to 100");
    case Kind::Flag:
        return QStringLiteral("0 or 1");
    case Kind::Time:
        return QStringLiteral("%1 to %2 in steps of 0.01")
            .arg(entry.minimum, 0, 'f', 2)
            .arg(entry.maximum, 0, 'f', 2);
    case Kind::Whole:
        break;
    }
    return QStringLiteral("%1 to %2").arg(entry.minimum).arg(entry.maximum);
}

// The value the text stands for, when it is one the control can hold
// unchanged.
std::optional<double> parseValue(const Named &entry, const QString &text)
{
    if (entry.kind == Kind::Mode) {
        const qsizetype index = modeNames.indexOf(text);
        if (index >= 0)
            return double(index);
    }
    if (entry.kind == Kind::Flag) {
        if (text == QLatin1String("on") || text == QLatin1String("true"))
            return 1.0;
        if (text == QLatin1String("off") || text == QLatin1String("false"))
            return 0.0;
    }
    bool isNumber = false;
    const double value = QLocale::c().toDouble(text, &isNumber);
    if (!isNumber || !std::isfinite(value) || value < entry.minimum || value > entry.maximum)
        return std::nullopt;
    const double steps = entry.kind == Kind::Time ? value * 100 : value;
    if (std::abs(steps - std::round(steps)) > 1e-6)
        return std::nullopt;
    if (entry.kind == Kind::Power && value > 0 && value < 30)
        return std::nullopt;
    return entry.kind == Kind::Time ? std::round(steps) / 100 : value;
}

QString format(const Named &entry, double value)
{
    if (entry.kind == Kind::Mode)
        return modeNames.value(int(value));
    if (entry.kind == Kind::Time)
        return QString::number(value, 'f', 2);
    return QString::number(int(value));
}
} // namespace

QStringList NamedSettings::names()
{
    QStringList list;
    for (const Named &entry : table())
        list << entry.name;
    return list;
}

std::optional<QString> NamedSettings::canonical(const QString &name, const QString &value,
                                                QString *problem)
{
    const Named *entry = find(name);
    if (!entry) {
        *problem = QStringLiteral("unknown setting \"%1\"; known: %2")
                       .arg(name, names().join(QLatin1String(", ")));
        return std::nullopt;
    }
    const std::optional<double> parsed = parseValue(*entry, value);
    if (!parsed) {
        *problem = QStringLiteral("%1: \"%2\" is not allowed; allowed: %3")
                       .arg(name, value, allowed(*entry));
        return std::nullopt;
    }
    return format(*entry, *parsed);
}

std::optional<QString> NamedSettings::set(Settings &settings, const QString &name,
                                          const QString &value)
{
    const Named *entry = find(name);
    QString problem;
    if (!canonical(name, value, &problem))
        return problem;
    FormRules form(settings);
    entry->set(form, *parseValue(*entry, value));
    return std::nullopt;
}

QString NamedSettings::text(const Settings &settings, const QString &name)
{
    const Named *entry = find(name);
    return entry ? format(*entry, entry->get(settings)) : QString();
}

QJsonObject NamedSettings::toJson(const Settings &settings)
{
    QJsonObject object;
    for (const Named &entry : table()) {
        const double value = entry.get(settings);
        switch (entry.kind) {
        case Kind::Mode:
            object.insert(entry.name, format(entry, value));
            break;
        case Kind::Flag:
            object.insert(entry.name, value != 0);
            break;
        case Kind::Time:
            object.insert(entry.name, std::round(value * 100) / 100);
            break;
        case Kind::Power:
        case Kind::Whole:
            object.insert(entry.name, int(value));
            break;
        }
    }
    return object;
}
