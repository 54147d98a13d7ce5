#pragma once

#include "settingfields.h"
#include "settings.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

// The settings by name, in the units the form shows: as the command line
// sets them and as JSON gives them. Times are in seconds, minutes, hours and
// days as the field's name says, powers in percent, the mode by its name.
namespace NamedSettings
{
QStringList names();
// Why `name` is no setting's, with the names there are; nothing when it is one.
std::optional<QString> nameProblem(const QString &name);
// The values a setting takes, in words: "1 to 15", "0 or 30 to 100".
QString allowed(SettingFields::Id id);
// The value as text() gives it, when the text names one that the setting's
// control could hold; nothing otherwise, and `problem` says why, with the
// allowed values.
std::optional<QString> canonical(const QString &name, const QString &value, QString *problem);
// Changes one setting through the form's rules. Nothing changes when the
// name is unknown or the text is no value the form's control could hold;
// the problem, with the allowed values, is returned instead.
std::optional<QString> set(Settings &settings, const QString &name, const QString &value);
// The setting's current value as set() takes it.
QString text(const Settings &settings, const QString &name);
QJsonObject toJson(const Settings &settings);
// The basic record that holds what toJson() gave, every setting named once;
// keys that are no setting's name are refused unless `ignored` lists them.
// Nothing, and `problem` says why, when a setting is missing or holds no
// value its control could.
std::optional<QString> recordFromJson(const QJsonObject &object, const QStringList &ignored,
                                      QString *problem);
} // namespace NamedSettings
