#include "commandline.h"
#include "commands.h"
#include "formrules.h"
#include "namedsettings.h"
#include "protocol.h"
#include "report.h"
#include "settingfields.h"
#include "settingsrecord.h"
#include "shutdownsignals.h"
#include "unitconnection.h"

#include <QEventLoop>
#include <QTimer>

namespace
{
// Ends a run on the unit's side; it travels alone, outside any frame.
const QChar stopCharacter(0x04);
constexpr int stepMs = 3000;

// The window's adjust message: the wave time in hundredths and the inverse
// flag, behind an STX of its own inside the frame's.
QString adjustMessage(const Settings &settings)
{
    return QChar(0x02) + QString::number(settings.waveSeconds * 100.0, 'g', 6) + u';' +
           QString::number(settings.inverse ? 1 : 0);
}
} // namespace

int runWave(const CommandLine &commandLine)
{
    Settings end;
    end.waveSeconds = SettingFields::field(SettingFields::WaveSeconds).maximum;
    if (commandLine.hasWaveEnd()) {
        if (const std::optional<QString> problem =
                NamedSettings::set(end, QStringLiteral("waveSeconds"), commandLine.waveEnd()))
            return fail(NotValid, QStringLiteral("--to: ") + *problem);
    }
    // Installed before the unit is reached: a Ctrl+C while it is being
    // found ends the command before the run starts, and none can end the
    // program between the first message and the stop character.
    ShutdownSignals shutdown;
    if (!shutdown.install())
        return fail(BadUsage, QStringLiteral("cannot watch for SIGINT and SIGTERM"));
    bool interrupted = false;
    QObject::connect(&shutdown, &ShutdownSignals::requested,
                     [&interrupted] { interrupted = true; });

    UnitConnection connection;
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const QString port = connection.unit().port;
    const std::optional<Settings> current = connection.receiveSettings();
    if (!current)
        return connection.status();
    Settings settings = *current;
    // The window offers a run only while the wave controller is on.
    if (!settings.waveController)
        return fail(NotValid, QStringLiteral("the wave controller of the unit on %1 is off; "
                                             "switch it on with: set waveController=on")
                                  .arg(port));

    if (interrupted)
        return Done;

    Protocol &link = connection.link();
    QEventLoop loop;
    QTimer step;
    step.setInterval(stepMs);
    step.setTimerType(Qt::PreciseTimer);
    const auto send = [&] {
        link.writeData(adjustMessage(settings));
        printLine(QString::number(settings.waveSeconds, 'f', 2));
    };
    const auto stop = [&] {
        step.stop();
        link.writeDataNoPro(QString(stopCharacter));
        loop.quit();
    };
    QObject::connect(&step, &QTimer::timeout, [&] {
        FormRules(settings).setWaveSeconds(settings.waveSeconds + 0.01);
        send();
        if (settings.waveSeconds >= end.waveSeconds)
            stop();
    });
    QObject::connect(&shutdown, &ShutdownSignals::requested, &loop, stop);
    QObject::connect(&connection, &UnitConnection::lostUnit, &loop, [&] {
        step.stop();
        loop.quit();
    });

    send();
    if (settings.waveSeconds < end.waveSeconds)
        step.start();
    else
        stop();
    if (step.isActive())
        loop.exec();
    if (connection.isLost())
        return fail(NoUnit, QStringLiteral("the unit on %1 was lost").arg(port));
    if (!connection.flush())
        return connection.status();
    return Done;
}
