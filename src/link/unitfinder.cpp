#include "unitfinder.h"

#include "networkaddress.h"
#include "platform.h"
#include "portwatch.h"
#include "serialtransport.h"
#include "unitlink.h"

#include <QTimer>

#include <algorithm>

UnitFinder::UnitFinder(const Candidates &candidates, QObject *parent)
    : QObject(parent), candidates(candidates), watch(new PortWatch(this))
{
    connect(watch, &PortWatch::changed, this, &UnitFinder::lookForNewPorts);
}

UnitFinder::~UnitFinder() = default;

void UnitFinder::search()
{
    startSearch(false);
}

void UnitFinder::searchAll()
{
    startSearch(true);
}

void UnitFinder::startSearch(bool everyUnit)
{
    if (isProbing())
        return;
    // Asked to search, the user has every candidate tried now.
    forgetRetries();
    if (found) {
        // Searching again: the unit found before is let go first.
        found->close();
        found->deleteLater();
        found = nullptr;
    }
    this->everyUnit = everyUnit;
    report = {};
    searched = candidates.ports();
    const QHash<QString, QString> present = identities(searched);
    if (searched.isEmpty()) {
        // Nothing to probe, so nothing to report; ports may still appear.
        watchFromNow(present);
        return;
    }
    watch->stop();
    seen = present;
    reporting = true;
    for (const QString &port : std::as_const(searched))
        startProbe(port);
    Q_EMIT probingChanged(true);
}

void UnitFinder::startProbe(const QString &port)
{
    auto *link = new UnitLink(port, this);
    probing << link;
    connect(link, &UnitLink::detected, this, [this, link] { onDetected(link); });
    connect(link, &UnitLink::silent, this, [this, link](const QString &port) {
        if (reporting)
            report.silent << port;
        onDone(link);
    });
    connect(link, &UnitLink::openFailed, this,
            [this, link](const QString &port, const OpenFailure &failure) {
                if (reporting)
                    report.openFailures.append({port, failure});
                retryLater(port);
                onDone(link);
            });
    link->probe();
}

void UnitFinder::onDetected(UnitLink *link)
{
    if (everyUnit) {
        report.units.append({link->port(), link->firmware()});
        link->close();
        onDone(link);
        return;
    }
    probing.removeOne(link);
    // The first unit to answer is the one: the other candidates are let go
    // now, before any of them could answer too.
    for (UnitLink *other : std::as_const(probing)) {
        other->close();
        other->deleteLater();
    }
    probing.clear();
    forgetRetries();
    found = link;
    reporting = false;
    watch->stop();
    connect(link, &UnitLink::lost, this, &UnitFinder::onLost);
    Q_EMIT probingChanged(false);
    Q_EMIT unitFound(link);
}

void UnitFinder::onDone(UnitLink *link)
{
    probing.removeOne(link);
    link->deleteLater();
    if (isProbing())
        return;
    Q_EMIT probingChanged(false);
    if (reporting) {
        reporting = false;
        finishReport();
        Q_EMIT searchEnded(report);
    }
    if (watching && !found && !everyUnit && !watch->isActive())
        watchFromNow(seen);
}

// Reported in the order of the candidates, whichever answered first.
void UnitFinder::finishReport()
{
    const auto position = [this](const QString &port) { return searched.indexOf(port); };
    std::sort(report.units.begin(), report.units.end(),
              [&position](const SearchReport::Unit &a, const SearchReport::Unit &b) {
                  return position(a.port) < position(b.port);
              });
    std::sort(
        report.silent.begin(), report.silent.end(),
        [&position](const QString &a, const QString &b) { return position(a) < position(b); });
    std::sort(report.openFailures.begin(), report.openFailures.end(),
              [&position](const SearchReport::Failure &a, const SearchReport::Failure &b) {
                  return position(a.port) < position(b.port);
              });
}

void UnitFinder::onLost(const QString &port, const QString &reason)
{
    if (found) {
        found->deleteLater();
        found = nullptr;
    }
    QHash<QString, QString> present = identities(candidates.ports());
    // Whatever is at that name by the next look is probed, even the same
    // device come back.
    present.remove(port);
    if (watching)
        watchFromNow(present);
    retryLater(port);
    Q_EMIT unitLost(port, reason);
    if (watching)
        lookForNewPorts();
}

void UnitFinder::watchFromNow(QHash<QString, QString> seenBefore)
{
    if (!watching)
        return;
    seen = std::move(seenBefore);
    QStringList devicePaths;
    if (candidates.isNamed()) {
        for (const QString &port : candidates.ports()) {
            if (!Transport::isNetwork(port))
                devicePaths << SerialTransport::devicePath(port);
        }
    }
    watch->start(devicePaths, !candidates.isNamed());
}

void UnitFinder::lookForNewPorts()
{
    if (found)
        return;
    const QStringList ports = candidates.ports();
    const QHash<QString, QString> now = identities(ports);
    QStringList fresh;
    for (const QString &port : ports) {
        const auto id = now.constFind(port);
        if (id != now.cend() && seen.value(port) != *id && !isBeingProbed(port))
            fresh << port;
    }
    // Ports that went away are forgotten, so that their return counts as new.
    seen = now;
    if (fresh.isEmpty())
        return;
    const bool wasProbing = isProbing();
    for (const QString &port : std::as_const(fresh))
        startProbe(port);
    if (!wasProbing)
        Q_EMIT probingChanged(true);
}

QHash<QString, QString> UnitFinder::identities(const QStringList &ports) const
{
    QHash<QString, QString> present;
    for (const QString &port : ports) {
        if (Transport::isNetwork(port))
            continue;
        const QString id = Platform::portIdentity(SerialTransport::devicePath(port));
        if (!id.isEmpty())
            present.insert(port, id);
    }
    return present;
}

bool UnitFinder::isBeingProbed(const QString &port) const
{
    return std::any_of(probing.cbegin(), probing.cend(),
                       [&port](UnitLink *link) { return link->port() == port; });
}

void UnitFinder::setRetryWaits(int firstMs, int longestMs)
{
    firstRetryWaitMs = firstMs;
    longestRetryWaitMs = longestMs;
}

void UnitFinder::retryLater(const QString &port)
{
    // A program that searches once and reports (kv3318ctl) tries nothing
    // again, and a URL that names no address never connects.
    if (!watching || everyUnit || found || !Transport::isNetwork(port) ||
        !NetworkAddress::parse(port))
        return;
    QTimer *&timer = retries[port];
    int waitMs = firstRetryWaitMs;
    if (timer) {
        waitMs = timer->interval() * 2;
    } else {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, port] { retry(port); });
    }
    // A server that is down for days is asked twice a minute, not hammered.
    timer->start(std::min(waitMs, longestRetryWaitMs));
}

void UnitFinder::retry(const QString &port)
{
    if (found)
        return;
    // A search that reports is under way: its outcome for this candidate is
    // still to come, or was just taken; the try waits for another round.
    if (reporting || isBeingProbed(port)) {
        if (QTimer *timer = retries.value(port))
            timer->start();
        return;
    }
    const bool wasProbing = isProbing();
    startProbe(port);
    if (!wasProbing)
        Q_EMIT probingChanged(true);
}

void UnitFinder::forgetRetries()
{
    qDeleteAll(retries);
    retries.clear();
}
