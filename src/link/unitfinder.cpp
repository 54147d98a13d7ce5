#include "unitfinder.h"

#include "platform.h"
#include "portwatch.h"
#include "retryschedule.h"
#include "unitlink.h"

#include <algorithm>

UnitFinder::UnitFinder(const Candidates &candidates, const LinkTimings &timings, QObject *parent)
    : QObject(parent), candidates(candidates), timings(timings), watch(new PortWatch(this)),
      retries(new RetrySchedule(timings.firstRetryMs, timings.longestRetryMs, this))
{
    connect(watch, &PortWatch::changed, this, &UnitFinder::lookForNewPorts);
    connect(retries, &RetrySchedule::due, this, &UnitFinder::retry);
}

UnitFinder::~UnitFinder() = default;

UnitLink *UnitFinder::linkFor(const QString &port)
{
    UnitLink *&link = links[port];
    if (link)
        return link;
    link = new UnitLink(port, timings, this);
    UnitLink *made = link;
    connect(made, &UnitLink::detected, this, [this, made] { onDetected(made); });
    connect(made, &UnitLink::silent, this, [this, made](const QString &port) {
        if (reporting)
            report.silent << port;
        onDone(made);
    });
    connect(made, &UnitLink::openFailed, this,
            [this, made](const QString &port, const OpenFailure &failure) {
                if (reporting)
                    report.openFailures.append({port, failure});
                retryLater(port, failure);
                onDone(made);
            });
    return made;
}

void UnitFinder::search(const QStringList &only)
{
    if (isProbing())
        return;
    // Asked to search, the program has every candidate tried now.
    retries->forget();
    report = {};
    searched = only.isEmpty() ? candidates.ports() : only;
    const QHash<QString, QString> present = identities(searched);
    if (searched.isEmpty()) {
        // Nothing to probe, so nothing to report; ports may still appear.
        watchFromNow(present);
        return;
    }
    watch->stop();
    seen = present;
    reporting = true;
    startProbes(searched);
}

void UnitFinder::startProbes(const QStringList &ports)
{
    for (const QString &port : ports) {
        UnitLink *link = linkFor(port);
        probing << link;
        link->probe();
    }
    if (!active) {
        active = true;
        Q_EMIT probingChanged(true);
    }
}

void UnitFinder::stop()
{
    for (UnitLink *link : std::as_const(probing))
        link->close();
    probing.clear();
    reporting = false;
    if (active) {
        active = false;
        Q_EMIT probingChanged(false);
    }
}

void UnitFinder::claim(UnitLink *unit)
{
    links.remove(unit->port());
    probing.removeOne(unit);
    unit->disconnect(this);
    unit->setParent(nullptr);
    inUse.insert(unit->port());
    retries->forget();
    watch->stop();
}

void UnitFinder::release(const QString &port, bool lost)
{
    inUse.remove(port);
    if (!lost)
        return;
    QHash<QString, QString> present = identities(candidates.ports());
    // Whatever is at that name by the next look is probed, even the same
    // device come back.
    present.remove(port);
    if (watching && inUse.isEmpty())
        watchFromNow(present);
    retryLater(port, {OpenFailure::Other, QString()});
    if (watching)
        lookForNewPorts();
}

void UnitFinder::onDetected(UnitLink *link)
{
    probing.removeOne(link);
    if (reporting)
        report.units.append({link->port(), link->firmware(), link->lastingName()});
    Q_EMIT unitFound(link);
    // Nobody took it: let go at once, so that another program can reach it.
    if (links.value(link->port()) == link)
        link->close();
    onDone(link);
}

void UnitFinder::onDone(UnitLink *link)
{
    probing.removeOne(link);
    Q_EMIT candidateDone(link->port());
    if (isProbing() || !active)
        return;
    active = false;
    Q_EMIT probingChanged(false);
    if (reporting) {
        reporting = false;
        finishReport();
        Q_EMIT searchEnded(report);
    }
    if (watching && inUse.isEmpty() && !watch->isActive())
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

void UnitFinder::watchFromNow(QHash<QString, QString> seenBefore)
{
    if (!watching)
        return;
    seen = std::move(seenBefore);
    QStringList devicePaths;
    if (candidates.isNamed()) {
        for (const QString &port : candidates.ports()) {
            const QString path = linkFor(port)->devicePath();
            if (!path.isEmpty())
                devicePaths << path;
        }
    }
    watch->start(devicePaths, !candidates.isNamed());
}

void UnitFinder::lookForNewPorts()
{
    if (!inUse.isEmpty())
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
    if (!fresh.isEmpty())
        startProbes(fresh);
}

QHash<QString, QString> UnitFinder::identities(const QStringList &ports)
{
    QHash<QString, QString> present;
    for (const QString &port : ports) {
        const QString path = linkFor(port)->devicePath();
        const QString id = path.isEmpty() ? QString() : Platform::portIdentity(path);
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

QString UnitFinder::lastingName(const QString &port)
{
    return linkFor(port)->lastingName();
}

// A program that searches once and reports (kv3318ctl) tries nothing again.
// A port that another program holds is free again without any sign of it,
// and so is a network port that could not be reached; a URL that names no
// address never connects.
void UnitFinder::retryLater(const QString &port, const OpenFailure &failure)
{
    const bool mayComeBack =
        failure.kind == OpenFailure::InUse || linkFor(port)->isTriedAgainWhenUnreachable();
    if (watching && inUse.isEmpty() && mayComeBack)
        retries->failed(port);
}

void UnitFinder::retry(const QString &port)
{
    if (!inUse.isEmpty())
        return;
    // A search that reports is under way: its outcome for this candidate is
    // still to come, or was just taken; the try waits for another round.
    if (reporting || isBeingProbed(port)) {
        retries->postpone(port);
        return;
    }
    startProbes({port});
}
