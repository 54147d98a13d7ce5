#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

// Every setting's limits, in the one place that states them: the form's
// rules, the record check and the settings by name all take them from here.
namespace SettingFields
{
enum class Kind {
    Mode,
    // 0, or from the lowest level a pump runs at up to the maximum.
    Power,
    Whole,
    // In seconds, in steps finer than one.
    Time,
    Flag,
};

// How a record's field is read into a setting, as the form has always read
// it: a text that is no number of that kind reads as 0.
enum class Reading {
    Unsigned, // held at the largest int, so that a range limits it to its maximum
    Signed,
    Fraction,
};

struct Field {
    // As kv3318ctl names it.
    const char *name;
    Kind kind;
    double minimum;
    double maximum;
    double step;
    // Of the value as named; empty for the mode and the flags. Like the
    // meaning, a source text of the catalogs: see translated().
    const char *unit;
    // The record's field that holds it. A time split into two settings shares
    // one field, counted in the smaller unit.
    int position;
    // How many of the record field's units one of the setting's makes.
    int recordUnits;
    Reading reading;
    // What the record's field holds, as the record check names it.
    const char *meaning;
    // For a power, the lowest level other than 0.
    double lowestRunning = 0;

    // The decimals a value shows; a step of 0.01 shows two.
    constexpr int decimals() const
    {
        int count = 0;
        for (double unit = step; unit < 0.999; unit *= 10)
            ++count;
        return count;
    }
};

enum Id {
    Mode,
    Power1Socket1,
    Power1Socket2,
    Power1Socket3,
    Power1Socket4,
    Power2Socket1,
    Power2Socket2,
    Power2Socket3,
    Power2Socket4,
    PulseSeconds,
    FoodMinutes,
    Moonlight,
    Storm,
    StormDays,
    StormHours,
    Night,
    IntervalHours,
    IntervalMinutes,
    SequentialSeconds,
    WaveController,
    WaveSeconds,
    Inverse,
    Count,
};

namespace Text
{
inline constexpr char percent[] = QT_TRANSLATE_NOOP("SettingFields", "percent");
inline constexpr char stormPeriod[] = QT_TRANSLATE_NOOP("SettingFields", "storm period, hours");
inline constexpr char intervalTime[] = QT_TRANSLATE_NOOP("SettingFields", "interval time, minutes");
// The two fields an extended record adds after the settings carry nothing.
inline constexpr char reserved[] = QT_TRANSLATE_NOOP("SettingFields", "reserved");
} // namespace Text

constexpr Field powerField(const char *name, int position, const char *meaning)
{
    return {name, Kind::Power,       0,       100, 1, Text::percent, position,
            1,    Reading::Unsigned, meaning, 30};
}

constexpr Field flagField(const char *name, int position, const char *meaning,
                          Reading reading = Reading::Signed)
{
    return {name, Kind::Flag, 0, 1, 1, "", position, 1, reading, meaning};
}

inline constexpr std::array<Field, Count> fields{{
    {"mode", Kind::Mode, 0, 2, 1, "", 0, 1, Reading::Unsigned,
     QT_TRANSLATE_NOOP("SettingFields", "mode (0 pulse, 1 interval, 2 sequential)")},
    powerField("power1Socket1", 1, QT_TRANSLATE_NOOP("SettingFields", "power 1 of socket 1, %")),
    powerField("power1Socket2", 2, QT_TRANSLATE_NOOP("SettingFields", "power 1 of socket 2, %")),
    powerField("power1Socket3", 3, QT_TRANSLATE_NOOP("SettingFields", "power 1 of socket 3, %")),
    powerField("power1Socket4", 4, QT_TRANSLATE_NOOP("SettingFields", "power 1 of socket 4, %")),
    powerField("power2Socket1", 5, QT_TRANSLATE_NOOP("SettingFields", "power 2 of socket 1, %")),
    powerField("power2Socket2", 6, QT_TRANSLATE_NOOP("SettingFields", "power 2 of socket 2, %")),
    powerField("power2Socket3", 7, QT_TRANSLATE_NOOP("SettingFields", "power 2 of socket 3, %")),
    powerField("power2Socket4", 8, QT_TRANSLATE_NOOP("SettingFields", "power 2 of socket 4, %")),
    {"pulseSeconds", Kind::Time, 0.3, 8.0, 0.01, QT_TRANSLATE_NOOP("SettingFields", "seconds"), 9,
     100, Reading::Fraction,
     QT_TRANSLATE_NOOP("SettingFields", "pulse time, hundredths of a second")},
    {"foodMinutes", Kind::Whole, 1, 15, 1, QT_TRANSLATE_NOOP("SettingFields", "minutes"), 10, 1,
     Reading::Unsigned, QT_TRANSLATE_NOOP("SettingFields", "food timer, minutes")},
    flagField("moonlight", 11, QT_TRANSLATE_NOOP("SettingFields", "moonlight, 0 or 1"),
              Reading::Unsigned),
    flagField("storm", 12, QT_TRANSLATE_NOOP("SettingFields", "storm cycle, 0 or 1")),
    {"stormDays", Kind::Whole, 0, 7, 1, QT_TRANSLATE_NOOP("SettingFields", "days"), 13, 24,
     Reading::Signed, Text::stormPeriod},
    {"stormHours", Kind::Whole, 0, 23, 1, QT_TRANSLATE_NOOP("SettingFields", "hours"), 13, 1,
     Reading::Signed, Text::stormPeriod},
    flagField("night", 14, QT_TRANSLATE_NOOP("SettingFields", "night mode, 0 or 1")),
    {"intervalHours", Kind::Whole, 0, 12, 1, QT_TRANSLATE_NOOP("SettingFields", "hours"), 15, 60,
     Reading::Signed, Text::intervalTime},
    {"intervalMinutes", Kind::Whole, 0, 59, 1, QT_TRANSLATE_NOOP("SettingFields", "minutes"), 15, 1,
     Reading::Signed, Text::intervalTime},
    {"sequentialSeconds", Kind::Whole, 1, 10, 1, QT_TRANSLATE_NOOP("SettingFields", "seconds"), 16,
     1, Reading::Signed, QT_TRANSLATE_NOOP("SettingFields", "sequential time, seconds")},
    flagField("waveController", 17, QT_TRANSLATE_NOOP("SettingFields", "wave controller, 0 or 1")),
    {"waveSeconds", Kind::Time, 0.3, 2.5, 0.01, QT_TRANSLATE_NOOP("SettingFields", "seconds"), 18,
     100, Reading::Fraction,
     QT_TRANSLATE_NOOP("SettingFields", "wave time, hundredths of a second")},
    flagField("inverse", 19, QT_TRANSLATE_NOOP("SettingFields", "wave inverse, 0 or 1")),
}};

// The order in which reading a record sets the fields, each through the
// form's rules before the next: the page before the times it couples, the
// larger unit of each split time before the smaller, and the wave controller
// and inverse before the power values that their rules overwrite.
inline constexpr std::array<Id, Count> readingOrder{{
    Mode,          PulseSeconds,  FoodMinutes,     Moonlight,         Night,
    Storm,         StormDays,     StormHours,      WaveController,    WaveSeconds,
    Inverse,       IntervalHours, IntervalMinutes, SequentialSeconds, Power1Socket1,
    Power1Socket2, Power1Socket3, Power1Socket4,   Power2Socket1,     Power2Socket2,
    Power2Socket3, Power2Socket4,
}};

constexpr const Field &field(Id id)
{
    return fields[id];
}

inline std::optional<Id> find(const QString &name)
{
    for (int id = 0; id < Count; ++id) {
        if (name == QLatin1String(fields[id].name))
            return Id(id);
    }
    return std::nullopt;
}

// What the record's field at `position` (counted from 0) holds, as messages
// name it; every field past the settings is reserved.
inline const char *recordFieldMeaning(int position)
{
    for (const Field &field : fields) {
        if (field.position == position)
            return field.meaning;
    }
    return Text::reserved;
}

// A field's unit or meaning in the user's language. Kept in English in the
// table, so that output that scripts read can still name the field as ever.
inline QString translated(const char *text)
{
    return QCoreApplication::translate("SettingFields", text);
}

// level 1 or 2, socket 1 to 4
constexpr const Field &power(int level, int socket)
{
    return fields[Power1Socket1 + (level - 1) * 4 + socket - 1];
}
} // namespace SettingFields
