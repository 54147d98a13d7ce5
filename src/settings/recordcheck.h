#pragma once

#include "settingsrecord.h"

#include <QString>

#include <optional>

namespace SettingsRecord
{
// What is wrong with a record that is to go to the unit; each program words it.
struct Problem {
    enum Kind {
        // A record of the other length than the unit's firmware takes.
        OtherLength,
        // Not a settings record at all: a count of fields no firmware uses.
        NotARecord,
        // A field past the settings that is not a number.
        NotANumber,
        // A settings field that holds no value the form could have written.
        NotAllowed,
    };
    Kind kind = NotARecord;
    // How many fields the record holds, and how many belong.
    int fields = 0;
    Length expected = Basic;
    // The field, counted from 0, and what it holds.
    int position = -1;
    QString text;
    // What the field allows: the minimum to the maximum, and for a power 0
    // or the lowest running level up.
    int minimum = 0;
    int maximum = 0;
    int lowestRunning = 0;
};

// What is wrong with a record that is to go to the unit; nothing when every
// field is a number the form could have written. Stricter than reading,
// which takes any text for 0 and limits every value to its control's range.
std::optional<Problem> problem(const QString &record, Length length);
} // namespace SettingsRecord
