#pragma once

#include "namedsettings.h"
#include "outcomes.h"
#include "recordcheck.h"
#include "recordcomparison.h"

#include <QList>
#include <QString>

// The settings model's findings as kv3318ctl says them on standard error,
// in the user's language.
namespace Wording
{
// "field 11 (food timer, minutes) is "1O"; allowed: 1 to 15"
QString recordProblem(const SettingsRecord::Problem &problem);
// "foodMinutes: "16" is not allowed; allowed: 1 to 15"
QString settingProblem(const NamedSettings::Problem &problem);
// The values a setting takes, in words: "1 to 15", "0 or 30 to 100".
QString allowed(SettingFields::Id id);
// "field 11 (food timer, minutes) is 12, not 10; ...": the unit's value
// after the one sent, and a record of another length first.
QString readBack(const SendOutcome &outcome);
} // namespace Wording
