#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitconnection.h"
#include "wording.h"

#include <QHash>

namespace
{
struct Change {
    QString name;
    QString value;
    // The value as the setting's control holds it.
    QString wanted;
};

// Every setting the form's rules gave another value than the one named, or
// than the unit held when it was not named: none of them passes unseen.
void reportRuleChanges(const Settings &before, const Settings &after,
                       const QHash<QString, QString> &named)
{
    for (const QString &name : NamedSettings::names()) {
        const QString old = named.value(name, NamedSettings::text(before, name));
        const QString now = NamedSettings::text(after, name);
        if (now != old)
            note(Messages::tr("%1: %2 -> %3 (rule)").arg(name, old, now));
    }
}
} // namespace

int setSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    // Every change is checked before any port is opened.
    QList<Change> changes;
    QHash<QString, QString> named;
    for (const QString &argument : commandLine.arguments()) {
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0)
            return fail(BadUsage,
                        Messages::tr("set: \"%1\" is not NAME=VALUE; see kv3318ctl help set")
                            .arg(argument));
        Change change{argument.left(equals), argument.mid(equals + 1), QString()};
        NamedSettings::Problem problem;
        const std::optional<QString> wanted =
            NamedSettings::canonical(change.name, change.value, &problem);
        if (!wanted)
            return fail(NotValid, Wording::settingProblem(problem));
        if (named.contains(change.name))
            return fail(BadUsage, Messages::tr("set: %1 is named twice").arg(change.name));
        change.wanted = *wanted;
        named.insert(change.name, change.wanted);
        changes << change;
    }

    UnitConnection connection(shutdown);
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<Settings> current = connection.receiveSettings();
    if (!current)
        return connection.status();
    Settings settings = *current;
    for (const Change &change : std::as_const(changes))
        NamedSettings::set(settings, change.name, change.value);
    reportRuleChanges(*current, settings, named);
    return connection.send(SettingsRecord::write(settings, connection.recordLength()))
               ? Done
               : connection.status();
}
