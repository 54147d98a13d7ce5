#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "settingsinput.h"
#include "settingsrecord.h"
#include "unitconnection.h"

namespace
{
// Without a unit, the record is checked against the length the named
// firmware takes, or else against the one it was written for.
int dryRun(const CommandLine &commandLine, const SettingsInput &input)
{
    const SettingsRecord::Length length = commandLine.hasFirmware()
                                              ? SettingsRecord::lengthFor(commandLine.firmware())
                                              : input.length;
    QString problem;
    const std::optional<QString> record = input.recordFor(length, &problem);
    if (!record)
        return fail(
            NotValid,
            Messages::tr("%1: %2 (firmware %3)").arg(input.name, problem, commandLine.firmware()));
    printLine(*record);
    return Done;
}
} // namespace

int putSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const std::optional<SettingsInput> input =
        SettingsInput::read(commandLine.arguments().constFirst(), commandLine.isJson());
    if (!input)
        return NotValid;
    if (commandLine.isDryRun())
        return dryRun(commandLine, *input);

    UnitConnection connection(shutdown);
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    // Restored as the window restores a file, so the unit gets exactly what
    // the window would send.
    const std::optional<QString> record = input->recordForUnit(connection);
    if (!record)
        return NotValid;
    return connection.send(*record) ? Done : connection.status();
}
