#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsrecord.h"
#include "unitcommand.h"
#include "unitjob.h"
#include "wording.h"

namespace
{
// Prints the unit's settings as the window would record them after
// receiving them.
class GetJob : public UnitJob
{
public:
    GetJob(UnitSession *session, bool every, const CommandLine &commandLine)
        : UnitJob(session, every), commandLine(commandLine)
    {
    }

    void start() override
    {
        receiveSettings([this](const Settings &settings) {
            const QStringList names = commandLine.arguments();
            if (commandLine.isJson()) {
                setJson(settingsJson(settings));
            } else if (!names.isEmpty()) {
                for (const QString &name : names)
                    print(NamedSettings::text(settings, name));
            } else {
                print(SettingsRecord::write(settings, recordLength()));
            }
            finish();
        });
    }

private:
    const CommandLine &commandLine;
};
} // namespace

int getSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const QStringList names = commandLine.arguments();
    if (!names.isEmpty() && commandLine.isJson())
        return fail(BadUsage, Messages::tr("get: --json gives every setting; name none"));
    for (const QString &name : names) {
        if (const std::optional<NamedSettings::Problem> unknown = NamedSettings::nameProblem(name))
            return fail(BadUsage, Wording::settingProblem(*unknown));
    }
    return runOnUnits(commandLine, shutdown, [&commandLine](UnitSession *session, bool every) {
        return new GetJob(session, every, commandLine);
    });
}
