#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitconnection.h"
#include "wording.h"

#include <QJsonDocument>
#include <QJsonObject>

int getSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const QStringList names = commandLine.arguments();
    if (!names.isEmpty() && commandLine.isJson())
        return fail(BadUsage, Messages::tr("get: --json gives every setting; name none"));
    for (const QString &name : names) {
        if (const std::optional<NamedSettings::Problem> unknown = NamedSettings::nameProblem(name))
            return fail(NotValid, Wording::settingProblem(*unknown));
    }

    UnitConnection connection(shutdown);
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<Settings> settings = connection.receiveSettings();
    if (!settings)
        return connection.status();
    // What the window would record after receiving it.
    if (commandLine.isJson()) {
        QJsonObject object = NamedSettings::toJson(*settings);
        object.insert(QLatin1String("port"), connection.port());
        object.insert(QLatin1String("firmware"), connection.firmware());
        object.insert(QLatin1String("recordLength"), int(connection.recordLength()));
        printLine(
            QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
    } else if (!names.isEmpty()) {
        for (const QString &name : names)
            printLine(NamedSettings::text(*settings, name));
    } else {
        printLine(SettingsRecord::write(*settings, connection.recordLength()));
    }
    return Done;
}
