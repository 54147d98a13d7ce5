#include "commandline.h"
#include "commands.h"
#include "recordcomparison.h"
#include "report.h"
#include "settingfields.h"
#include "settingsinput.h"
#include "settingsrecord.h"
#include "unitconnection.h"

int diffSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const std::optional<SettingsInput> input =
        SettingsInput::read(commandLine.arguments().constFirst(), commandLine.isJson());
    if (!input)
        return NotValid;
    UnitConnection connection(shutdown);
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    // Both sides as the window would hold them, so that only settings the
    // unit would take differently count.
    const std::optional<QString> record = input->recordForUnit(connection);
    if (!record)
        return NotValid;
    const std::optional<Settings> unit = connection.receiveSettings();
    if (!unit)
        return connection.status();
    const QList<SettingsRecord::Difference> differences = SettingsRecord::differences(
        *record, SettingsRecord::write(*unit, connection.recordLength()));
    // Output that scripts read: the same words in every language.
    for (const SettingsRecord::Difference &difference : differences)
        printLine(QStringLiteral("field %1 (%2): %3 in the file, %4 on the unit")
                      .arg(difference.position + 1)
                      .arg(QLatin1String(SettingFields::recordFieldMeaning(difference.position)),
                           difference.first, difference.second));
    return differences.isEmpty() ? Done : Differs;
}
