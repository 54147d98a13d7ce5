#include "unitconnection.h"

#include "protocol.h"
#include "recordcheck.h"
#include "report.h"

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

bool UnitConnection::open(const QStringList &candidates)
{
    if (candidates.isEmpty())
        return failWith(NoUnit, QStringLiteral("no candidate ports to probe"));
    UnitSearch search(candidates);
    const QList<FoundUnit> units = search.run();
    if (units.isEmpty())
        return failWith(NoUnit, QStringLiteral("no unit found on %1").arg(candidates.join(u' ')));
    found = units.first();
    protocol = search.takeLink(found.port);
    connect(protocol.get(), &Protocol::interfaceLost, this, [this] {
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
    // only a late reply to a probe, left on the line from an earlier
    // search, is passed over.
    const QMetaObject::Connection answered =
        connect(protocol.get(), &Protocol::receiveComplete, &loop, [&](const QString &body) {
            if (body.contains(QLatin1String(Protocol::control)))
                return;
            answer = body;
            loop.quit();
        });
    connect(this, &UnitConnection::lostUnit, &loop, &QEventLoop::quit);
    QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
    protocol->writeData(QStringLiteral("0data"));
    if (!lost)
        loop.exec();
    disconnect(answered);
    if (lost) {
        failWith(NoUnit, QStringLiteral("the unit on %1 was lost").arg(found.port));
        return std::nullopt;
    }
    if (!answer)
        failWith(NoAnswer, QStringLiteral("the unit on %1 did not answer within %2 s")
                               .arg(found.port)
                               .arg(answerTimeoutMs / 1000));
    return answer;
}

SettingsRecord::Length UnitConnection::recordLength() const
{
    return SettingsRecord::lengthFor(found.firmware);
}

std::optional<Settings> UnitConnection::receiveSettings()
{
    const std::optional<QString> answer = requestSettings();
    if (!answer)
        return std::nullopt;
    if (const std::optional<QString> problem = SettingsRecord::problem(*answer, recordLength())) {
        failWith(NoAnswer,
                 QStringLiteral("the unit on %1 answered with %2").arg(found.port, *problem));
        return std::nullopt;
    }
    Settings settings;
    SettingsRecord::read(settings, *answer, recordLength());
    return settings;
}

bool UnitConnection::flush()
{
    if (!lost && protocol->flush(answerTimeoutMs))
        return true;
    if (lost)
        return failWith(NoUnit, QStringLiteral("the unit on %1 was lost").arg(found.port));
    return failWith(NoAnswer, QStringLiteral("could not write to %1").arg(found.port));
}
