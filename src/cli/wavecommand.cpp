#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingfields.h"
#include "unitcommand.h"
#include "unitjob.h"
#include "unitsession.h"
#include "waverun.h"
#include "wording.h"

namespace
{
// A wave time adjustment run from the unit's wave time up to the end, each
// step printed as it is sent; the stop byte goes out however it ends.
class WaveJob : public UnitJob
{
public:
    WaveJob(UnitSession *session, bool every, double end) : UnitJob(session, every), end(end) {}

    void start() override
    {
        receiveSettings([this](const Settings &current) {
            // The window offers a run only while the wave controller is on.
            if (!current.waveController)
                return fail(NotValid, Messages::tr("the wave controller is off; switch it on "
                                                   "with: kv3318ctl set waveController=on"));
            if (current.waveSeconds > end)
                return fail(NotValid, Messages::tr("the unit's wave time %1 s is past --to %2; "
                                                   "nothing was sent")
                                          .arg(current.waveSeconds, 0, 'f', 2)
                                          .arg(end, 0, 'f', 2));
            WaveRun &run = session().run();
            connect(&run, &WaveRun::sent, this, [this, &run](double waveSeconds) {
                // Nobody reads the steps any more: the run ends as a stopped one.
                if (!print(QString::number(waveSeconds, 'f', 2))) {
                    setStatus(OutputFailed);
                    run.stop();
                }
            });
            connect(&run, &WaveRun::ended, this, [this] { finish(); });
            session().startRun(current.waveSeconds, current.inverse, end);
        });
    }

private:
    const double end;
};
} // namespace

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
    return runOnUnits(commandLine, shutdown, [&end](UnitSession *session, bool every) {
        return new WaveJob(session, every, end.waveSeconds);
    });
}
