#pragma once

#include "settingfields.h"

#include <array>

// Every setting of the unit, in the units the form shows them, as a plain
// value. The defaults are the form's start state.
struct Settings {
    enum Mode { Pulse = 0, Interval = 1, Sequential = 2 };

    int mode = Pulse;
    // Power levels 1 and 2 of sockets 1 to 4, in percent.
    std::array<int, 4> power1{};
    std::array<int, 4> power2{};
    double pulseSeconds = 0.3;
    int foodMinutes = 1;
    bool moonlight = false;
    bool storm = false;
    int stormDays = 0;
    int stormHours = 1;
    bool night = false;
    int intervalHours = 0;
    int intervalMinutes = 1;
    int sequentialSeconds = 1;
    bool waveController = false;
    double waveSeconds = 0.3;
    bool inverse = false;

    // One field's value, as its control shows it.
    double value(SettingFields::Id id) const;
    // Every field's value the same.
    bool operator==(const Settings &other) const;
    bool operator!=(const Settings &other) const { return !(*this == other); }
};
