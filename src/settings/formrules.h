#pragma once

#include "settings.h"

// The form's controls and the rules that couple them, run on plain values.
// Each setter does what setting the control does: it limits the value to
// the control's range (and a time to two decimals), does nothing when the
// value does not change, and otherwise runs the rules that the change sets
// off, which may set further values in turn.
class FormRules
{
public:
    explicit FormRules(Settings &settings) : s(settings) {}

    void setMode(int index);
    // level 1 or 2, socket 1 to 4
    void setPower(int level, int socket, int value);
    void setPulseSeconds(double value);
    void setFoodMinutes(int value);
    void setMoonlight(bool on);
    void setStorm(bool on);
    void setStormDays(int value);
    void setStormHours(int value);
    void setNight(bool on);
    void setIntervalHours(int value);
    void setIntervalMinutes(int value);
    void setSequentialSeconds(int value);
    void setWaveController(bool on);
    void setWaveSeconds(double value);
    void setInverse(bool on);

    // The limits of the form's controls.
    static constexpr int maxPower = 100;
    static constexpr int minFoodMinutes = 1, maxFoodMinutes = 15;
    static constexpr int maxStormDays = 7, maxStormHours = 23;
    static constexpr int maxIntervalHours = 12, maxIntervalMinutes = 59;
    static constexpr int minSequentialSeconds = 1, maxSequentialSeconds = 10;
    static constexpr double minPulseSeconds = 0.3, maxPulseSeconds = 8.0;
    static constexpr double minWaveSeconds = 0.3, maxWaveSeconds = 2.5;

private:
    Settings &s;
};
