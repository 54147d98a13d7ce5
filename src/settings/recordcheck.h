#pragma once

#include "settingsrecord.h"

#include <QString>

#include <optional>

namespace SettingsRecord
{
// What is wrong with a record that is to go to the unit, naming the field
// and what it allows; nothing when every field is a number the form could
// have written. Stricter than reading, which takes any text for 0 and limits
// every value to its control's range.
std::optional<QString> problem(const QString &record, Length length);
} // namespace SettingsRecord
