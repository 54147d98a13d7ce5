#include "settings.h"

namespace
{
using Get = double (*)(const Settings &);

template <int Level, int Socket> constexpr Get power()
{
    return [](const Settings &s) { return double((Level == 1 ? s.power1 : s.power2)[Socket - 1]); };
}

constexpr std::array<Get, SettingFields::Count> valueOf{{
    [](const Settings &s) { return double(s.mode); },
    power<1, 1>(),
    power<1, 2>(),
    power<1, 3>(),
    power<1, 4>(),
    power<2, 1>(),
    power<2, 2>(),
    power<2, 3>(),
    power<2, 4>(),
    [](const Settings &s) { return s.pulseSeconds; },
    [](const Settings &s) { return double(s.foodMinutes); },
    [](const Settings &s) { return double(s.moonlight); },
    [](const Settings &s) { return double(s.storm); },
    [](const Settings &s) { return double(s.stormDays); },
    [](const Settings &s) { return double(s.stormHours); },
    [](const Settings &s) { return double(s.night); },
    [](const Settings &s) { return double(s.intervalHours); },
    [](const Settings &s) { return double(s.intervalMinutes); },
    [](const Settings &s) { return double(s.sequentialSeconds); },
    [](const Settings &s) { return double(s.waveController); },
    [](const Settings &s) { return s.waveSeconds; },
    [](const Settings &s) { return double(s.inverse); },
}};

} // namespace

double Settings::value(SettingFields::Id id) const
{
    return valueOf[id](*this);
}

bool Settings::operator==(const Settings &other) const
{
    for (int id = 0; id < SettingFields::Count; ++id) {
        if (value(SettingFields::Id(id)) != other.value(SettingFields::Id(id)))
            return false;
    }
    return true;
}
