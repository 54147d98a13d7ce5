#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitcommand.h"
#include "unitjob.h"
#include "wording.h"

#include <QHash>

namespace
{
struct Change {
    QString name;
    QString value;
};

// Reads the unit's settings, changes the named ones in the order given
// through the form's rules, and sends the result.
class SetJob : public UnitJob
{
public:
    SetJob(UnitSession *session, bool every, const QList<Change> &changes, bool json)
        : UnitJob(session, every), changes(changes), json(json)
    {
    }

    void start() override
    {
        receiveSettings([this](const Settings &current) {
            Settings settings = current;
            QHash<QString, QString> named;
            NamedSettings::Problem checkedBefore;
            for (const Change &change : changes) {
                NamedSettings::set(settings, change.name, change.value);
                named.insert(change.name,
                             *NamedSettings::canonical(change.name, change.value, &checkedBefore));
            }
            reportRuleChanges(current, settings, named);
            sendAndShow(SettingsRecord::write(settings, recordLength()), json);
        });
    }

private:
    // Every setting the form's rules gave another value than the one named,
    // or than the unit held when it was not named: none of them passes unseen.
    void reportRuleChanges(const Settings &before, const Settings &after,
                           const QHash<QString, QString> &named)
    {
        for (const QString &name : NamedSettings::names()) {
            const QString old = named.value(name, NamedSettings::text(before, name));
            const QString now = NamedSettings::text(after, name);
            if (now != old)
                note(notePrefix() + ruleChange(name, old, now));
        }
    }

    const QList<Change> &changes;
    const bool json;
};
} // namespace

int setSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    // Every change is checked before any port is opened.
    QList<Change> changes;
    for (const QString &argument : commandLine.arguments()) {
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0)
            return fail(BadUsage,
                        Messages::tr("set: \"%1\" is not NAME=VALUE; see kv3318ctl help set")
                            .arg(argument));
        const Change change{argument.left(equals), argument.mid(equals + 1)};
        NamedSettings::Problem problem;
        if (!NamedSettings::canonical(change.name, change.value, &problem))
            return fail(problem.kind == NamedSettings::Problem::UnknownName ? BadUsage : NotValid,
                        Wording::settingProblem(problem));
        for (const Change &earlier : std::as_const(changes)) {
            if (earlier.name == change.name)
                return fail(BadUsage, Messages::tr("set: %1 is named twice").arg(change.name));
        }
        changes << change;
    }
    return runOnUnits(commandLine, shutdown,
                      [&changes, &commandLine](UnitSession *session, bool every) {
                          return new SetJob(session, every, changes, commandLine.isJson());
                      });
}
