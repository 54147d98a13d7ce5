#include "commandline.h"
#include "commands.h"
#include "historywording.h"
#include "report.h"
#include "transport.h"
#include "transports.h"
#include "unithistory.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <memory>

namespace
{
// The name each port's history is kept under, as a unit found there would
// have it; nothing is opened.
QStringList identitiesOf(const QStringList &ports)
{
    QStringList identities;
    for (const QString &port : ports) {
        const std::unique_ptr<Transport> transport(Transports::create(port, {}, nullptr));
        identities << transport->lastingName();
    }
    return identities;
}

// Newest first, of every unit asked for.
QList<UnitHistory::Entry> entriesOf(const QStringList &identities)
{
    QList<UnitHistory::Entry> entries;
    for (const QString &identity : identities) {
        const UnitHistory::Read read = UnitHistory::read(identity);
        if (!read.setAside.isEmpty())
            note(HistoryWording::setAside(read.setAside));
        entries += read.entries;
    }
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const UnitHistory::Entry &a, const UnitHistory::Entry &b) { return a.time > b.time; });
    return entries;
}

QString timeOf(const UnitHistory::Entry &entry)
{
    return entry.time.toLocalTime().toString(Qt::ISODate);
}

int showEntry(const QList<UnitHistory::Entry> &entries, const QString &number)
{
    bool isNumber = false;
    const qsizetype n = number.toLongLong(&isNumber);
    if (!isNumber || n < 1 || n > entries.size())
        return fail(BadUsage, Messages::tr("history: there is no entry %1; there are %n", nullptr,
                                           int(entries.size()))
                                  .arg(number));
    printLine(entries.at(n - 1).record);
    return Done;
}
} // namespace

int showHistory(const CommandLine &commandLine)
{
    const QStringList arguments = commandLine.arguments();
    if (!arguments.isEmpty() && (arguments.size() != 2 || arguments[0] != QLatin1String("show")))
        return fail(BadUsage,
                    Messages::tr("history: takes nothing or show N; see kv3318ctl help history"));
    const QStringList identities = commandLine.hasPorts()
                                       ? identitiesOf(commandLine.candidates().ports())
                                       : UnitHistory::identities();
    const QList<UnitHistory::Entry> entries = entriesOf(identities);
    if (!arguments.isEmpty())
        return showEntry(entries, arguments[1]);
    if (entries.isEmpty() && !commandLine.isJson())
        note(Messages::tr("no unit's history is kept in %1")
                 .arg(QDir::toNativeSeparators(UnitHistory::folder())));
    QJsonArray list;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const UnitHistory::Entry &entry = entries[i];
        if (commandLine.isJson())
            list.append(QJsonObject{{QStringLiteral("number"), int(i + 1)},
                                    {QStringLiteral("time"), timeOf(entry)},
                                    {QStringLiteral("port"), entry.port},
                                    {QStringLiteral("identity"), entry.identity},
                                    {QStringLiteral("firmware"), entry.firmware},
                                    {QStringLiteral("program"), entry.program},
                                    {QStringLiteral("record"), entry.record}});
        else
            printLine(QStringList{QString::number(i + 1), timeOf(entry), entry.port, entry.firmware,
                                  entry.program}
                          .join(QLatin1Char('\t')));
    }
    if (commandLine.isJson())
        printJson(QJsonDocument(list));
    return Done;
}
