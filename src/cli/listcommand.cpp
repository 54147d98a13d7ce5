#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "settingsrecord.h"
#include "shutdownsignals.h"
#include "unitfinder.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int listUnits(const CommandLine &commandLine, ShutdownSignals &shutdown)
{
    const QStringList ports = commandLine.candidates().ports();
    if (ports.isEmpty())
        return fail(NoUnit, noUnitFound(ports));
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
    for (const SearchReport::Failure &failed : std::as_const(report.openFailures))
        note(concerning(failed.port, failed.failure.translated()));
    if (report.units.isEmpty())
        return fail(NoUnit, noUnitFound(ports));
    QJsonArray units;
    for (const SearchReport::Unit &unit : std::as_const(report.units)) {
        if (commandLine.isJson())
            units.append(QJsonObject{
                {QStringLiteral("port"), unit.port},
                {QStringLiteral("firmware"), unit.firmware},
                {QStringLiteral("recordLength"), int(SettingsRecord::lengthFor(unit.firmware))}});
        else
            printLine(unit.port + QLatin1Char('\t') + unit.firmware);
    }
    if (commandLine.isJson())
        printLine(
            QString::fromUtf8(QJsonDocument(units).toJson(QJsonDocument::Indented)).trimmed());
    return Done;
}
