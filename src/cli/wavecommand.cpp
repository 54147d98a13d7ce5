#include "commandline.h"
#include "commands.h"
#include "formrules.h"
#include "namedsettings.h"
#include "report.h"
#include "settingfields.h"
#include "shutdownsignals.h"
#include "unitconnection.h"
#include "unitsession.h"
#include "waverun.h"
#include "wording.h"

#include <QEventLoop>

int runWave(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    Settings end;
    end.waveSeconds = SettingFields::field(SettingFields::WaveSeconds).maximum;
    if (commandLine.hasWaveEnd()) {
        if (const std::optional<NamedSettings::Problem> problem =
                NamedSettings::set(end, QStringLiteral("waveSeconds"), commandLine.waveEnd()))
            return fail(NotValid,
                        concerning(QStringLiteral("--to"), Wording::settingProblem(*problem)));
    }
    // A signal while the unit is being found ends the command before the
    // run starts; none can end the program between the first message and
    // the stop byte.
    UnitConnection connection(shutdown);
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const std::optional<Settings> current = connection.receiveSettings();
    if (!current)
        return connection.status();
    // The window offers a run only while the wave controller is on.
    if (!current->waveController)
        return fail(NotValid, Messages::tr("%1: the wave controller is off; switch it on "
                                           "with: kv3318ctl set waveController=on")
                                  .arg(connection.port()));
    if (connection.isInterrupted())
        return shutdown.exitStatus();

    WaveRun &run = connection.session().run();
    QEventLoop loop;
    bool outputFailed = false;
    QObject::connect(&run, &WaveRun::sent, &loop, [&](double waveSeconds) {
        // Nobody reads the steps any more: the run ends as a stopped one.
        if (!printLine(QString::number(waveSeconds, 'f', 2))) {
            outputFailed = true;
            run.stop();
        }
    });
    QObject::connect(&run, &WaveRun::ended, &loop, &QEventLoop::quit);
    QObject::connect(&shutdown, &ShutdownSignals::requested, &run, &WaveRun::stop);
    connection.session().startRun(current->waveSeconds, current->inverse, end.waveSeconds);
    if (run.isRunning())
        loop.exec();

    // Fails at once for a unit that was lost.
    if (!connection.finish())
        return connection.status();
    if (connection.isInterrupted())
        return shutdown.exitStatus();
    // The program's end says why.
    if (outputFailed)
        return OutputFailed;
    return Done;
}
