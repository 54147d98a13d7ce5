#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitconnection.h"

#include <QJsonDocument>

int getSettings(const CommandLine &commandLine)
{
    UnitConnection connection;
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<Settings> settings = connection.receiveSettings();
    if (!settings)
        return connection.status();
    // What the window would record after receiving it.
    if (commandLine.isJson())
        printLine(QString::fromUtf8(QJsonDocument(NamedSettings::toJson(*settings))
                                        .toJson(QJsonDocument::Indented)
                                        .trimmed()));
    else
        printLine(SettingsRecord::write(*settings, connection.recordLength()));
    return Done;
}
