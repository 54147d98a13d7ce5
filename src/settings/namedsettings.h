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
// Why a name or value was refused; each program words it.
struct Problem {
    enum Kind {
        UnknownName,
        // No value the setting's control could hold; the field's limits say
        // what it takes.
        NotAllowed,
        // Settings given as a whole leave this one out.
        Missing,
    };
    Kind kind = UnknownName;
    QString name;
    QString value;
};

QStringList names();
// Why `name` is no setting's; nothing when it is one.
std::optional<Problem> nameProblem(const QString &name);
// The mode's names, in the order of their numbers.
const QStringList &modeNames();
// The value as text() gives it, when the text names one that the setting's
// control could hold; nothing otherwise, and `problem` says why.
std::optional<QString> canonical(const QString &name, const QString &value, Problem *problem);
// Changes one setting through the form's rules. Nothing changes when the
// name is unknown or the text is no value the form's control could hold;
// the problem is returned instead.
std::optional<Problem> set(Settings &settings, const QString &name, const QString &value);
// The setting's current value as set() takes it: switches as on and off,
// the mode by its name.
QString text(const Settings &settings, const QString &name);
QString text(SettingFields::Id id, double value);
QJsonObject toJson(const Settings &settings);
// The names of the settings whose values differ, in the table's order.
QStringList differingNames(const Settings &first, const Settings &second);
// The basic record that holds what toJson() gave, every setting named once;
// keys that are no setting's name are refused unless `ignored` lists them.
// Nothing, and `problem` says why, when a setting is missing or holds no
// value its control could.
std::optional<QString> recordFromJson(const QJsonObject &object, const QStringList &ignored,
                                      Problem *problem);
} // namespace NamedSettings
