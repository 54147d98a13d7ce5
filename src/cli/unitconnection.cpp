#include "unitconnection.h"

#include "recordcheck.h"
#include "report.h"
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

UnitConnection::UnitConnection() = default;

UnitConnection::~UnitConnection() = default;

bool UnitConnection::failWith(int status, const QString &message)
{
    exitStatus = fail(ExitStatus(status), message);
    return false;
}

bool UnitConnection::open(const Candidates &candidates)
{
    const QStringList ports = candidates.ports();
    if (ports.isEmpty())
        return failWith(NoUnit, QStringLiteral("no candidate ports to probe"));
    finder = new UnitFinder(candidates, this);
    QEventLoop loop;
    SearchReport report;
    connect(finder, &UnitFinder::unitFound, &loop, &QEventLoop::quit);
    connect(finder, &UnitFinder::searchEnded, &loop, [&](const SearchReport &ended) {
        report = ended;
        loop.quit();
    });
    finder->search();
    if (finder->isProbing())
        loop.exec();
    unit = finder->unit();
    if (!unit) {
        for (const SearchReport::Failure &failed : std::as_const(report.openFailures))
            note(failed.port + QLatin1String(": ") + failed.failure.text);
        return failWith(NoUnit, QStringLiteral("no unit found on %1").arg(ports.join(u' ')));
    }
    foundPort = unit->port();
    foundFirmware = unit->firmware();
    connect(finder, &UnitFinder::unitLost, this, [this] {
        lost = true;
        Q_EMIT lostUnit();
    });
    return true;
}

std::optional<QString> UnitConnection::requestSettings()
{
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
    connect(this, &UnitConnection::lostUnit, &loop, &QEventLoop::quit);
    QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
    unit->writeFrame(QString::fromLatin1(UnitMessages::settingsRequest));
    if (!lost)
        loop.exec();
    disconnect(answered);
    if (lost) {
        failWith(NoUnit, QStringLiteral("the unit on %1 was lost").arg(port()));
        return std::nullopt;
    }
    if (!answer)
        failWith(NoAnswer, QStringLiteral("the unit on %1 did not answer within %2 s")
                               .arg(port())
                               .arg(answerTimeoutMs / 1000));
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
        failWith(NoAnswer, QStringLiteral("the unit on %1 answered with %2").arg(port(), *problem));
        return std::nullopt;
    }
    Settings settings;
    SettingsRecord::read(settings, *answer, recordLength());
    return settings;
}

bool UnitConnection::flush()
{
    if (!lost && unit && unit->bytesToWrite() > 0) {
        QEventLoop loop;
        connect(unit, &UnitLink::allWritten, &loop, &QEventLoop::quit);
        connect(this, &UnitConnection::lostUnit, &loop, &QEventLoop::quit);
        QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (lost || !unit)
        return failWith(NoUnit, QStringLiteral("the unit on %1 was lost").arg(port()));
    if (unit->bytesToWrite() > 0)
        return failWith(NoAnswer, QStringLiteral("could not write to %1").arg(port()));
    return true;
}
