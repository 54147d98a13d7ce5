#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitconnection.h"
#include "unitlink.h"

namespace
{
struct Change {
    QString name;
    QString value;
    QString wanted;
};

// The settings fields of a record, without the two fixed ones that an
// extended record adds.
QStringList settingsFields(const QString &record)
{
    return record.split(u';', Qt::SkipEmptyParts).mid(0, SettingsRecord::Basic);
}
} // namespace

int setSettings(const CommandLine &commandLine)
{
    // Every change is checked before any port is opened.
    QList<Change> changes;
    for (const QString &argument : commandLine.arguments()) {
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0)
            return fail(BadUsage,
                        QStringLiteral("\"%1\" is not NAME=VALUE; see --help").arg(argument));
        Change change{argument.left(equals), argument.mid(equals + 1), QString()};
        QString problem;
        const std::optional<QString> wanted =
            NamedSettings::canonical(change.name, change.value, &problem);
        if (!wanted)
            return fail(NotValid, problem);
        change.wanted = *wanted;
        changes << change;
    }

    UnitConnection connection;
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<Settings> current = connection.receiveSettings();
    if (!current)
        return connection.status();
    Settings settings = *current;
    for (const Change &change : changes)
        NamedSettings::set(settings, change.name, change.value);
    // The form's rules may have moved a value the user named; say so rather
    // than let it pass unseen.
    for (const Change &change : changes) {
        const QString now = NamedSettings::text(settings, change.name);
        if (now != change.wanted)
            note(QStringLiteral("%1 is %2, not %3, by the form's rules")
                     .arg(change.name, now, change.wanted));
    }

    const QString sent = SettingsRecord::write(settings, connection.recordLength());
    connection.link().writeFrame(sent);
    if (!connection.flush())
        return connection.status();
    printLine(sent);
    const std::optional<QString> readBack = connection.requestSettings();
    if (!readBack)
        return connection.status();
    if (settingsFields(*readBack) != settingsFields(sent))
        return fail(
            NoAnswer,
            QStringLiteral("the unit on %1 reads back %2").arg(connection.port(), *readBack));
    return Done;
}
