#include "formrules.h"

#include "settingfields.h"

#include <QString>

#include <cmath>

using SettingFields::field;

namespace
{
// A spin box holds the value limited to its range; it reports a change
// only when the value really changes.
bool changeInt(int &setting, int value, const SettingFields::Field &limits)
{
    const int minimum = int(limits.minimum);
    const int maximum = int(limits.maximum);
    const int bounded = value < minimum ? minimum : value > maximum ? maximum : value;
    if (bounded == setting)
        return false;
    setting = bounded;
    return true;
}

// A decimal spin box rounds through its own text before it limits the
// value; a value that is no number ends at the maximum.
bool changeTime(double &setting, double value, const SettingFields::Field &limits)
{
    double rounded = QString::number(value, 'f', limits.decimals()).toDouble();
    if (rounded < limits.minimum)
        rounded = limits.minimum;
    if (rounded > limits.maximum || std::isnan(rounded))
        rounded = limits.maximum;
    if (rounded == setting)
        return false;
    setting = rounded;
    return true;
}

bool changeFlag(bool &setting, bool on)
{
    if (setting == on)
        return false;
    setting = on;
    return true;
}
} // namespace

void FormRules::setMode(int index)
{
    // A page index that names no page leaves the page as it is; the page
    // itself only changes what the form shows.
    const SettingFields::Field &mode = field(SettingFields::Mode);
    if (index >= mode.minimum && index <= mode.maximum)
        s.mode = index;
}

void FormRules::setPower(int level, int socket, int value)
{
    const SettingFields::Field &limits = SettingFields::power(level, socket);
    int &power = (level == 1 ? s.power1 : s.power2)[socket - 1];
    if (!changeInt(power, value, limits))
        return;
    // A pump runs at its lowest level or more, or not at all: one step up
    // from 0 lands on that level, anything else below it on 0.
    if (power > 0 && power < limits.lowestRunning)
        setPower(level, socket, power == limits.step ? int(limits.lowestRunning) : 0);
}

void FormRules::setPulseSeconds(double value)
{
    if (!changeTime(s.pulseSeconds, value, field(SettingFields::PulseSeconds)))
        return;
    // In sequential mode a pulse must fit into the sequential time.
    if (s.mode == Settings::Sequential && s.pulseSeconds > s.sequentialSeconds)
        setSequentialSeconds(int(s.pulseSeconds + 1.0));
}

void FormRules::setFoodMinutes(int value)
{
    changeInt(s.foodMinutes, value, field(SettingFields::FoodMinutes));
}

void FormRules::setMoonlight(bool on)
{
    changeFlag(s.moonlight, on);
}

void FormRules::setStorm(bool on)
{
    changeFlag(s.storm, on);
}

// The storm period and the interval time never become zero; it is always the
// smaller unit that is raised, by one.
void FormRules::setStormDays(int value)
{
    if (changeInt(s.stormDays, value, field(SettingFields::StormDays)) && s.stormDays == 0 &&
        s.stormHours == 0)
        setStormHours(1);
}

void FormRules::setStormHours(int value)
{
    if (changeInt(s.stormHours, value, field(SettingFields::StormHours)) && s.stormHours == 0 &&
        s.stormDays == 0)
        setStormHours(1);
}

void FormRules::setNight(bool on)
{
    changeFlag(s.night, on);
}

void FormRules::setIntervalHours(int value)
{
    if (changeInt(s.intervalHours, value, field(SettingFields::IntervalHours)) &&
        s.intervalHours == 0 && s.intervalMinutes == 0)
        setIntervalMinutes(1);
}

void FormRules::setIntervalMinutes(int value)
{
    if (changeInt(s.intervalMinutes, value, field(SettingFields::IntervalMinutes)) &&
        s.intervalMinutes == 0 && s.intervalHours == 0)
        setIntervalMinutes(1);
}

void FormRules::setSequentialSeconds(int value)
{
    if (!changeInt(s.sequentialSeconds, value, field(SettingFields::SequentialSeconds)))
        return;
    if (s.mode == Settings::Sequential && s.pulseSeconds > s.sequentialSeconds)
        setPulseSeconds(s.sequentialSeconds);
}

void FormRules::setWaveController(bool on)
{
    if (!changeFlag(s.waveController, on))
        return;
    // The wave controller drives sockets 3 and 4 itself, between off and full.
    if (on) {
        setPower(1, 3, 0);
        setPower(1, 4, 0);
        setPower(2, 3, int(SettingFields::power(2, 3).maximum));
        setPower(2, 4, int(SettingFields::power(2, 4).maximum));
    } else {
        setInverse(false);
        setPower(2, 3, 0);
        setPower(2, 4, 0);
    }
}

void FormRules::setWaveSeconds(double value)
{
    changeTime(s.waveSeconds, value, field(SettingFields::WaveSeconds));
}

void FormRules::setInverse(bool on)
{
    if (!changeFlag(s.inverse, on))
        return;
    // Inverse swaps the two power levels of socket 4.
    const int power1 = s.power1[3];
    const int power2 = s.power2[3];
    setPower(1, 4, power2);
    setPower(2, 4, power1);
}

void FormRules::set(SettingFields::Id id, double value)
{
    using namespace SettingFields;
    switch (id) {
    case Mode:
        return setMode(int(value));
    case Power1Socket1:
    case Power1Socket2:
    case Power1Socket3:
    case Power1Socket4:
    case Power2Socket1:
    case Power2Socket2:
    case Power2Socket3:
    case Power2Socket4: {
        const int index = id - Power1Socket1;
        return setPower(index / 4 + 1, index % 4 + 1, int(value));
    }
    case PulseSeconds:
        return setPulseSeconds(value);
    case FoodMinutes:
        return setFoodMinutes(int(value));
    case Moonlight:
        return setMoonlight(value != 0);
    case Storm:
        return setStorm(value != 0);
    case StormDays:
        return setStormDays(int(value));
    case StormHours:
        return setStormHours(int(value));
    case Night:
        return setNight(value != 0);
    case IntervalHours:
        return setIntervalHours(int(value));
    case IntervalMinutes:
        return setIntervalMinutes(int(value));
    case SequentialSeconds:
        return setSequentialSeconds(int(value));
    case WaveController:
        return setWaveController(value != 0);
    case WaveSeconds:
        return setWaveSeconds(value);
    case Inverse:
        return setInverse(value != 0);
    case Count:
        break;
    }
}
