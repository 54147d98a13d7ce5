#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "recordcheck.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitconnection.h"

#include <QJsonDocument>

int getSettings(const CommandLine &commandLine)
{
    UnitConnection connection;
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<QString> answer = connection.requestSettings();
    if (!answer)
        return connection.status();
    const SettingsRecord::Length length = SettingsRecord::lengthFor(connection.unit().firmware);
    if (const std::optional<QString> problem = SettingsRecord::problem(*answer, length))
        return fail(NoAnswer, QStringLiteral("the unit on %1 answered with %2")
                                  .arg(connection.unit().port, *problem));
    // What the window would record after receiving it.
    Settings settings;
    SettingsRecord::read(settings, *answer, length);
    if (commandLine.isJson())
        printLine(QString::fromUtf8(QJsonDocument(NamedSettings::toJson(settings))
                                        .toJson(QJsonDocument::Indented)
                                        .trimmed()));
    else
        printLine(SettingsRecord::write(settings, length));
    return Done;
}
