#pragma once

#include "settingfields.h"

#include <QString>

// The settings as the form names them and shows their values, in the
// user's language.
namespace FieldNames
{
QString name(SettingFields::Id id);
// The value as the form shows it, with its unit: "0.30 seconds", "30 %".
QString value(SettingFields::Id id, double value);
} // namespace FieldNames
