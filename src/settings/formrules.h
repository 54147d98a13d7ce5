#pragma once

#include "settingfields.h"
#include "settings.h"

// The form's controls and the rules that couple them, run on plain values.
// Each setter does what setting the control does: it limits the value to
// the control's range (and a time to its step), does nothing when the
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

    // Sets one field as its control takes the value: a whole number's
    // fraction dropped, a flag on for anything but 0.
    void set(SettingFields::Id id, double value);

private:
    Settings &s;
};
