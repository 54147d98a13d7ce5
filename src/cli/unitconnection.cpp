#include "unitconnection.h"

#include "recordcheck.h"
#include "recordcomparison.h"
#include "report.h"
#include "shutdownsignals.h"
#include "unitfinder.h"
#include "unitlink.h"
#include "unitmessages.h"

#include <QEventLoop>
#include <QTimer>

namespace
{
// The unit answers within half a second; a second and a half more covers a
// slow adapter.
constexpr int answerTimeoutMs = 2000;
} // namespace

UnitConnection::UnitConnection(ShutdownSignals &shutdown) : shutdown(shutdown)
{
    connect(&shutdown, &ShutdownSignals::requested, this, [this] {
        interrupted = true;
        Q_EMIT ended();
    });
}

UnitConnection::~UnitConnection() = default;

bool UnitConnection::failWith(int status, const QString &message)
{
    exitStatus = fail(ExitStatus(status), message);
    return false;
}

bool UnitConnection::stillThere()
{
    if (interrupted) {
        // The user knows why; the status says it to a script.
        exitStatus = shutdown.exitStatus();
        return false;
    }
    return isThere();
}

bool UnitConnection::isThere()
{
    if (lost || !unit)
        return failWith(NoUnit, Messages::tr("%1: the unit was lost").arg(port()));
    return true;
}

bool UnitConnection::open(const Candidates &candidates)
{
    const QStringList ports = candidates.ports();
    if (ports.isEmpty())
        return failWith(NoUnit, noUnitFound(ports));
    finder = new UnitFinder(candidates, this);
    QEventLoop loop;
    SearchReport report;
    connect(finder, &UnitFinder::unitFound, &loop, &QEventLoop::quit);
    connect(finder, &UnitFinder::searchEnded, &loop, [&](const SearchReport &ended) {
        report = ended;
        loop.quit();
    });
    connect(this, &UnitConnection::ended, &loop, &QEventLoop::quit);
    finder->search();
    if (finder->isProbing() && !interrupted)
        loop.exec();
    if (interrupted) {
        exitStatus = shutdown.exitStatus();
        return false;
    }
    unit = finder->unit();
    if (!unit) {
        for (const SearchReport::Failure &failed : std::as_const(report.openFailures))
            note(concerning(failed.port, failed.failure.translated()));
        return failWith(NoUnit, noUnitFound(ports));
    }
    foundPort = unit->port();
    foundFirmware = unit->firmware();
    connect(finder, &UnitFinder::unitLost, this, [this] {
        lost = true;
        Q_EMIT lostUnit();
        Q_EMIT ended();
    });
    return true;
}

std::optional<QString> UnitConnection::requestSettings()
{
    // Whatever ended an earlier wait ends this one before it starts.
    if (!stillThere())
        return std::nullopt;
    std::optional<QString> answer;
    QEventLoop loop;
    // The first message after the request is the answer, as in the window;
    // only a late reply to a probe is passed over.
    const QMetaObject::Connection answered =
        connect(unit, &UnitLink::messageReceived, &loop, [&](const QString &body) {
            if (UnitMessages::isProbeAnswer(body))
                return;
            answer = body;
            loop.quit();
        });
    connect(this, &UnitConnection::ended, &loop, &QEventLoop::quit);
    QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
    unit->writeFrame(QString::fromLatin1(UnitMessages::settingsRequest));
    if (!lost && !interrupted)
        loop.exec();
    disconnect(answered);
    if (!stillThere())
        return std::nullopt;
    if (!answer)
        failWith(
            NoAnswer,
            Messages::tr("%1: no answer within %n s", nullptr, answerTimeoutMs / 1000).arg(port()));
    return answer;
}

SettingsRecord::Length UnitConnection::recordLength() const
{
    return SettingsRecord::lengthFor(firmware());
}

std::optional<Settings> UnitConnection::receiveSettings()
{
    const std::optional<QString> answer = requestSettings();
    if (!answer)
        return std::nullopt;
    if (const std::optional<QString> problem = SettingsRecord::problem(*answer, recordLength())) {
        failWith(NoAnswer, Messages::tr("%1: the unit answered with %2").arg(port(), *problem));
        return std::nullopt;
    }
    Settings settings;
    SettingsRecord::read(settings, *answer, recordLength());
    return settings;
}

bool UnitConnection::send(const QString &record)
{
    if (!stillThere())
        return false;
    unit->writeFrame(record);
    if (!flush())
        return false;
    printLine(record);
    const std::optional<QString> readBack = requestSettings();
    if (!readBack)
        return false;
    const QList<SettingsRecord::Difference> differences =
        SettingsRecord::differences(record, *readBack);
    if (differences.isEmpty())
        return true;
    QStringList fields;
    for (const SettingsRecord::Difference &difference : differences)
        fields << Messages::tr("field %1 (%2) is %3, not %4")
                      .arg(difference.number)
                      .arg(difference.name, difference.second, difference.first);
    return failWith(NoAnswer, Messages::tr("%1: the unit reads back differently: %2")
                                  .arg(port(), fields.join(QLatin1String("; "))));
}

bool UnitConnection::flush()
{
    // Not cut short by a signal: what was begun leaves whole, a wave run's
    // stop byte included.
    if (!lost && unit && unit->bytesToWrite() > 0) {
        QEventLoop loop;
        connect(unit, &UnitLink::allWritten, &loop, &QEventLoop::quit);
        connect(this, &UnitConnection::lostUnit, &loop, &QEventLoop::quit);
        QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!isThere())
        return false;
    if (unit->bytesToWrite() > 0)
        return failWith(NoAnswer, Messages::tr("%1: could not write to the port").arg(port()));
    return true;
}
