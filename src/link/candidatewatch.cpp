#include "candidatewatch.h"

#include <QFile>

#include <sys/stat.h>

namespace
{
constexpr int lookIntervalMs = 1000;

// The device node a port name leads to. A system port is named without its
// folder. The change time tells a node made anew (a replugged adapter, a
// new pseudo-terminal under a reused number) from the one seen before.
QString identity(const QString &port)
{
    const QString path = port.contains(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port;
    struct stat node {
    };
    if (::stat(QFile::encodeName(path).constData(), &node) != 0)
        return {};
    return QStringLiteral("%1:%2:%3.%4")
        .arg(node.st_dev)
        .arg(node.st_rdev)
        .arg(node.st_ctim.tv_sec)
        .arg(node.st_ctim.tv_nsec);
}
} // namespace

CandidateWatch::CandidateWatch(Lister lister, QObject *parent)
    : QObject(parent), lister(std::move(lister))
{
    timer.setInterval(lookIntervalMs);
    connect(&timer, &QTimer::timeout, this, &CandidateWatch::look);
}

QHash<QString, QString> CandidateWatch::identities(const QStringList &ports)
{
    QHash<QString, QString> found;
    for (const QString &port : ports) {
        const QString id = identity(port);
        if (!id.isEmpty())
            found.insert(port, id);
    }
    return found;
}

void CandidateWatch::start(const QHash<QString, QString> &ports)
{
    seen = ports;
    timer.start();
}

void CandidateWatch::resume()
{
    timer.start();
}

void CandidateWatch::pause()
{
    timer.stop();
}

void CandidateWatch::look()
{
    const QStringList candidates = lister();
    const QHash<QString, QString> now = identities(candidates);
    QStringList fresh;
    for (const QString &port : candidates) {
        const auto id = now.constFind(port);
        if (id != now.cend() && seen.value(port) != *id && !fresh.contains(port))
            fresh << port;
    }
    // Ports that went away are forgotten, so their return counts as new.
    seen = now;
    if (!fresh.isEmpty())
        Q_EMIT appeared(fresh);
}
