#include "catalogs.h"
#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "shutdownsignals.h"
#include "standardstreams.h"

#include <QCoreApplication>

namespace
{
int run(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const QString command = commandLine.command();
    if (command == QLatin1String("help"))
        return showHelp(commandLine);
    if (command == QLatin1String("history"))
        return showHistory(commandLine);
    if (command == QLatin1String("version")) {
        printLine(QCoreApplication::applicationName() + QLatin1Char(' ') +
                  QCoreApplication::applicationVersion());
        return Done;
    }
    const QList<std::pair<const char *, int (*)(const CommandLine &, ShutdownSignals &)>> commands{
        {"list", listUnits},  {"get", getSettings},   {"put", putSettings},
        {"set", setSettings}, {"diff", diffSettings}, {"wave", runWave}};
    for (const auto &[name, function] : commands) {
        if (command == QLatin1String(name))
            return function(commandLine, shutdown);
    }
    return fail(BadUsage, Messages::tr("unknown command \"%1\"").arg(command));
}
} // namespace

int main(int argc, char *argv[])
{
    holdStandardStreams();
    const Catalogs catalogs;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kv3318ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KV3318_VERSION));
    catalogs.install();

    CommandLine commandLine;
    if (!commandLine.parse(QCoreApplication::arguments()))
        return BadUsage;
    showDebugOutput(commandLine.isVerbose());
    // Installed before any port is opened: a signal ends every command
    // through its clean-up, its ports closed and their locks released.
    ShutdownSignals shutdown;
    if (!shutdown.install())
        return fail(SetupFailed, Messages::tr("cannot watch for the signals that end a program"));

    const int status = run(commandLine, shutdown);
    // A backup written to a full disk is no backup.
    if (!outputWritten())
        return mostSerious(status, OutputFailed);
    return status;
}
