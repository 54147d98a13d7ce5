#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "unitfinder.h"

#include <QEventLoop>

int listUnits(const CommandLine &commandLine)
{
    const Candidates candidates = commandLine.candidates();
    UnitFinder finder(candidates);
    SearchReport report;
    QEventLoop loop;
    QObject::connect(&finder, &UnitFinder::searchEnded, &loop, [&](const SearchReport &ended) {
        report = ended;
        loop.quit();
    });
    finder.searchAll();
    if (finder.isProbing())
        loop.exec();
    for (const SearchReport::Failure &failed : std::as_const(report.openFailures))
        note(failed.port + QLatin1String(": ") + failed.failure.text);
    if (report.units.isEmpty())
        return fail(
            NoUnit,
            QStringLiteral("no unit found on %1 candidate ports").arg(candidates.ports().size()));
    for (const SearchReport::Unit &unit : std::as_const(report.units))
        printLine(unit.port + QLatin1Char('\t') + unit.firmware);
    return Done;
}
