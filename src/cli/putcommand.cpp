#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "settingsinput.h"
#include "settingsrecord.h"
#include "unitcommand.h"
#include "unitjob.h"

namespace
{
// Sends the settings as the window sends a restored file, and prints the
// record sent, or with --json what the unit confirmed.
class PutJob : public UnitJob
{
public:
    PutJob(UnitSession *session, bool every, const SettingsInput &input, bool json)
        : UnitJob(session, every), input(input), json(json)
    {
    }

    void start() override
    {
        input.report(recordLength(), notePrefix());
        sendAndShow(input.recordFor(recordLength()), json);
    }

private:
    const SettingsInput &input;
    const bool json;
};

// Without a unit, the record is what a unit of the named firmware would
// get, or else one of the length the file was written for.
int dryRun(const CommandLine &commandLine, const SettingsInput &input)
{
    const SettingsRecord::Length length = commandLine.hasFirmware()
                                              ? SettingsRecord::lengthFor(commandLine.firmware())
                                              : input.length;
    input.report(length, QString());
    printLine(input.recordFor(length));
    return Done;
}
} // namespace

int putSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const std::optional<SettingsInput> input =
        SettingsInput::read(commandLine.arguments().constFirst());
    if (!input)
        return NotValid;
    if (commandLine.isDryRun())
        return dryRun(commandLine, *input);
    return runOnUnits(commandLine, shutdown,
                      [&input, &commandLine](UnitSession *session, bool every) {
                          return new PutJob(session, every, *input, commandLine.isJson());
                      });
}
