#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingsinput.h"
#include "unitcommand.h"
#include "unitjob.h"

#include <QJsonArray>
#include <QJsonObject>

namespace
{
// Compares both sides as the window would hold them, so that only settings
// the unit would take differently count; by name, in the units of get.
class DiffJob : public UnitJob
{
public:
    DiffJob(UnitSession *session, bool every, const SettingsInput &input, bool json)
        : UnitJob(session, every), input(input), json(json)
    {
    }

    void start() override
    {
        receiveSettings([this](const Settings &unit) {
            const QJsonObject fileValues = NamedSettings::toJson(input.settings);
            const QJsonObject unitValues = NamedSettings::toJson(unit);
            QJsonArray differences;
            const QStringList names = NamedSettings::differingNames(input.settings, unit);
            for (const QString &name : names) {
                if (json)
                    differences.append(QJsonObject{{QStringLiteral("name"), name},
                                                   {QStringLiteral("file"), fileValues[name]},
                                                   {QStringLiteral("unit"), unitValues[name]}});
                else
                    // Output that scripts read: the same words in every language.
                    print(QStringLiteral("%1: %2 in the file, %3 on the unit")
                              .arg(name, NamedSettings::text(input.settings, name),
                                   NamedSettings::text(unit, name)));
            }
            if (json && isOneOfSeveral())
                setJson(QJsonObject{{QStringLiteral("port"), port()},
                                    {QStringLiteral("differences"), differences}});
            else if (json)
                setJson(differences);
            if (!names.isEmpty())
                setStatus(Differs);
            finish();
        });
    }

private:
    const SettingsInput &input;
    const bool json;
};
} // namespace

int diffSettings(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const std::optional<SettingsInput> input =
        SettingsInput::read(commandLine.arguments().constFirst());
    if (!input)
        return NotValid;
    input->report(input->length, QString());
    return runOnUnits(commandLine, shutdown,
                      [&input, &commandLine](UnitSession *session, bool every) {
                          return new DiffJob(session, every, *input, commandLine.isJson());
                      });
}
