#include "fieldnames.h"

#include <QCoreApplication>
#include <QLocale>

namespace
{
class Names
{
    Q_DECLARE_TR_FUNCTIONS(FieldNames)
};
} // namespace

QString FieldNames::name(SettingFields::Id id)
{
    using namespace SettingFields;
    switch (id) {
    case Mode:
        return Names::tr("mode");
    case Power1Socket1:
    case Power1Socket2:
    case Power1Socket3:
    case Power1Socket4:
    case Power2Socket1:
    case Power2Socket2:
    case Power2Socket3:
    case Power2Socket4:
        return Names::tr("power %1, socket %2")
            .arg((id - Power1Socket1) / 4 + 1)
            .arg((id - Power1Socket1) % 4 + 1);
    case PulseSeconds:
        return Names::tr("pulse flow");
    case FoodMinutes:
        return Names::tr("foodtimer");
    case Moonlight:
        return Names::tr("moonlight");
    case Storm:
        return Names::tr("storm cycle");
    case StormDays:
        return Names::tr("storm cycle, days");
    case StormHours:
        return Names::tr("storm cycle, hours");
    case Night:
        return Names::tr("night mode");
    case IntervalHours:
        return Names::tr("interval time, hours");
    case IntervalMinutes:
        return Names::tr("interval time, minutes");
    case SequentialSeconds:
        return Names::tr("sequential time");
    case WaveController:
        return Names::tr("wavecontroller");
    case WaveSeconds:
        return Names::tr("wave time");
    case Inverse:
        return Names::tr("inverse");
    case Count:
        break;
    }
    return {};
}

QString FieldNames::value(SettingFields::Id id, double value)
{
    const SettingFields::Field &field = SettingFields::field(id);
    const QString number = QLocale().toString(value, 'f', field.decimals());
    if (*field.unit == '\0')
        return number;
    return Names::tr("%1 %2").arg(number, SettingFields::translated(field.unit));
}
