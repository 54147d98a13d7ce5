#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "settingsrecord.h"
#include "shutdownsignals.h"
#include "unitcommand.h"
#include "unitfinder.h"
#include "unitnames.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int listUnits(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const QStringList ports = commandLine.candidates().ports();
    if (ports.isEmpty()) {
        if (commandLine.isJson())
            printJson(QJsonDocument(QJsonArray()));
        return fail(NoUnit, Messages::tr("no candidate ports to probe"));
    }
    SearchReport report;
    {
        // Gone before the output: every port closed, its lock released,
        // however the search ended.
        UnitFinder finder(Candidates::named(ports));
        QEventLoop loop;
        QObject::connect(&finder, &UnitFinder::searchEnded, &loop, [&](const SearchReport &ended) {
            report = ended;
            loop.quit();
        });
        bool interrupted = false;
        QObject::connect(&shutdown, &ShutdownSignals::requested, &loop, [&] {
            interrupted = true;
            loop.quit();
        });
        finder.search();
        if (finder.isProbing())
            loop.exec();
        if (interrupted)
            return shutdown.exitStatus();
    }
    // A port that is there but could not be opened may hold a unit.
    sayWhatFailed(report, commandLine.candidates().isNamed());
    QJsonArray units;
    for (const SearchReport::Unit &unit : std::as_const(report.units)) {
        // The name the window gave the unit follows, where it gave one.
        const QString name = UnitNames::nameOf(unit.identity);
        QJsonObject object{
            {QStringLiteral("port"), unit.port},
            {QStringLiteral("firmware"), unit.firmware},
            {QStringLiteral("recordLength"), int(SettingsRecord::lengthFor(unit.firmware))}};
        if (!name.isEmpty())
            object.insert(QStringLiteral("name"), name);
        units.append(object);
        if (!commandLine.isJson())
            printLine(QStringList{unit.port, unit.firmware, name}.join(u'\t').trimmed());
    }
    if (commandLine.isJson())
        printJson(QJsonDocument(units));
    return report.units.isEmpty() ? NoUnit : Done;
}
