#include "commandline.h"
#include "commands.h"
#include "formrules.h"
#include "namedsettings.h"
#include "report.h"
#include "settingfields.h"
#include "shutdownsignals.h"
#include "unitconnection.h"
#include "waverun.h"

#include <QEventLoop>

int runWave(const CommandLine &commandLine)
{
    Settings end;
    end.waveSeconds = SettingFields::field(SettingFields::WaveSeconds).maximum;
    if (commandLine.hasWaveEnd()) {
        if (const std::optional<QString> problem =
                NamedSettings::set(end, QStringLiteral("waveSeconds"), commandLine.waveEnd()))
            return fail(NotValid, QStringLiteral("--to: ") + *problem);
    }
    // Installed before the unit is reached: a signal while it is being found
    // ends the command before the run starts, and none can end the program
    // between the first message and the stop byte.
    ShutdownSignals shutdown;
    if (!shutdown.install())
        return fail(BadUsage, QStringLiteral("cannot watch for the signals that end a program"));
    bool interrupted = false;
    QObject::connect(&shutdown, &ShutdownSignals::requested,
                     [&interrupted] { interrupted = true; });

    UnitConnection connection;
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<Settings> current = connection.receiveSettings();
    if (!current)
        return connection.status();
    // The window offers a run only while the wave controller is on.
    if (!current->waveController)
        return fail(NotValid, QStringLiteral("the wave controller of the unit on %1 is off; "
                                             "switch it on with: set waveController=on")
                                  .arg(connection.port()));
    if (interrupted)
        return shutdown.exitStatus();

    WaveRun run;
    QEventLoop loop;
    bool outputFailed = false;
    QObject::connect(&run, &WaveRun::sent, [&](double waveSeconds) {
        // Nobody reads the steps any more: the run ends as a stopped one.
        if (!printLine(QString::number(waveSeconds, 'f', 2))) {
            outputFailed = true;
            run.stop();
        }
    });
    QObject::connect(&run, &WaveRun::ended, &loop, &QEventLoop::quit);
    QObject::connect(&shutdown, &ShutdownSignals::requested, &run, &WaveRun::stop);
    QObject::connect(&connection, &UnitConnection::lostUnit, &run, &WaveRun::abandon);
    run.start(&connection.link(), current->waveSeconds, current->inverse, end.waveSeconds);
    if (run.isRunning())
        loop.exec();

    if (connection.isLost())
        return fail(NoUnit, QStringLiteral("the unit on %1 was lost").arg(connection.port()));
    if (!connection.flush())
        return connection.status();
    if (interrupted)
        return shutdown.exitStatus();
    if (outputFailed)
        return fail(OutputFailed, QStringLiteral("standard output: cannot write the steps"));
    return Done;
}
