#include "commandline.h"
#include "commands.h"
#include "report.h"
#include "unitsearch.h"

int listUnits(const CommandLine &commandLine)
{
    const QStringList candidates = commandLine.candidates();
    UnitSearch search(candidates);
    const QList<FoundUnit> units = search.run();
    if (units.isEmpty())
        return fail(NoUnit,
                    QStringLiteral("no unit found on %1 candidate ports").arg(candidates.size()));
    for (const FoundUnit &unit : units)
        printLine(unit.port + QLatin1Char('\t') + unit.firmware);
    return Done;
}
