#include "formrules.h"

#include <QString>

#include <cmath>

namespace
{
// A spin box holds the value limited to its range; it reports a change
// only when the value really changes.
bool changeInt(int &field, int value, int minimum, int maximum)
{
    const int bounded = value < minimum ? minimum : value > maximum ? maximum : value;
    if (bounded == field)
        return false;
    field = bounded;
    return true;
}

// A two-decimal spin box rounds through its own text before it limits the
// value; a value that is no number ends at the maximum.
bool changeTime(double &field, double value, double minimum, double maximum)
{
    double rounded = QString::number(value, 'f', 2).toDouble();
    if (rounded < minimum)
        rounded = minimum;
    if (rounded > maximum || std::isnan(rounded))
        rounded = maximum;
    if (rounded == field)
        return false;
    field = rounded;
    return true;
}

bool changeFlag(bool &field, bool on)
{
    if (field == on)
        return false;
    field = on;
    return true;
}
} // namespace

void FormRules::setMode(int index)
{
    // A page index that names no page leaves the page as it is; the page
    // itself only changes what the form shows.
    if (index >= Settings::Pulse && index <= Settings::Sequential)
        s.mode = index;
}

void FormRules::setPower(int level, int socket, int value)
{
    int &power = (level == 1 ? s.power1 : s.power2)[socket - 1];
    if (!changeInt(power, value, 0, maxPower))
        return;
    // A pump runs at 30 % or more, or not at all.
    if (power == 1)
        setPower(level, socket, 30);
    else if (power >= 2 && power <= 29)
        setPower(level, socket, 0);
}

void FormRules::setPulseSeconds(double value)
{
    if (!changeTime(s.pulseSeconds, value, minPulseSeconds, maxPulseSeconds))
        return;
    // In sequential mode a pulse must fit into the sequential time.
    if (s.mode == Settings::Sequential && s.pulseSeconds > s.sequentialSeconds)
        setSequentialSeconds(int(s.pulseSeconds + 1.0));
}

void FormRules::setFoodMinutes(int value)
{
    changeInt(s.foodMinutes, value, minFoodMinutes, maxFoodMinutes);
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
// smaller unit that is raised.
void FormRules::setStormDays(int value)
{
    if (changeInt(s.stormDays, value, 0, maxStormDays) && s.stormDays == 0 && s.stormHours == 0)
        setStormHours(1);
}

void FormRules::setStormHours(int value)
{
    if (changeInt(s.stormHours, value, 0, maxStormHours) && s.stormHours == 0 && s.stormDays == 0)
        setStormHours(1);
}

void FormRules::setNight(bool on)
{
    changeFlag(s.night, on);
}

void FormRules::setIntervalHours(int value)
{
    if (changeInt(s.intervalHours, value, 0, maxIntervalHours) && s.intervalHours == 0 &&
        s.intervalMinutes == 0)
        setIntervalMinutes(1);
}

void FormRules::setIntervalMinutes(int value)
{
    if (changeInt(s.intervalMinutes, value, 0, maxIntervalMinutes) && s.intervalMinutes == 0 &&
        s.intervalHours == 0)
        setIntervalMinutes(1);
}

void FormRules::setSequentialSeconds(int value)
{
    if (!changeInt(s.sequentialSeconds, value, minSequentialSeconds, maxSequentialSeconds))
        return;
    if (s.mode == Settings::Sequential && s.pulseSeconds > s.sequentialSeconds)
        setPulseSeconds(s.sequentialSeconds);
}

void FormRules::setWaveController(bool on)
{
    if (!changeFlag(s.waveController, on))
        return;
    // The wave controller drives sockets 3 and 4 itself.
    if (on) {
        setPower(1, 3, 0);
        setPower(1, 4, 0);
        setPower(2, 3, 100);
        setPower(2, 4, 100);
    } else {
        setInverse(false);
        setPower(2, 3, 0);
        setPower(2, 4, 0);
    }
}

void FormRules::setWaveSeconds(double value)
{
    changeTime(s.waveSeconds, value, minWaveSeconds, maxWaveSeconds);
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
