#include "commandline.h"
#include "commands.h"
#include "report.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kv3318ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KV3318_VERSION));

    CommandLine commandLine;
    if (!commandLine.parse(QCoreApplication::arguments()))
        return BadUsage;
    showDebugOutput(commandLine.isVerbose());

    const QString command = commandLine.command();
    if (command == QLatin1String("list"))
        return listUnits(commandLine);
    if (command == QLatin1String("get"))
        return getSettings(commandLine);
    if (command == QLatin1String("put"))
        return putSettings(commandLine);
    if (command == QLatin1String("set"))
        return setSettings(commandLine);
    return runWave(commandLine);
}
