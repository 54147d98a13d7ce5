#include "protocol.h"

#include "unitlink.h"
#include "unitsession.h"

Protocol::Protocol(const Candidates &candidates, QObject *parent)
    : Protocol(candidates, LinkTimings(), SessionTimings(), parent)
{
}

Protocol::Protocol(const Candidates &candidates, const LinkTimings &linkTimings,
                   const SessionTimings &sessionTimings, QObject *parent)
    : QObject(parent), finder(new UnitFinder(candidates, linkTimings, this)),
      timings(sessionTimings)
{
    finder->setWatching(true);
    connect(finder, &UnitFinder::probingChanged, this, &Protocol::probingChanged);
    connect(finder, &UnitFinder::unitFound, this, &Protocol::onUnitFound);
    connect(finder, &UnitFinder::candidateDone, this, &Protocol::onCandidateDone);
    connect(finder, &UnitFinder::searchEnded, this, &Protocol::onSearchEnded);
}

Protocol::~Protocol()
{
    delete current;
    delete waiting;
}

UnitSession *Protocol::session() const
{
    return current;
}

bool Protocol::isDetected() const
{
    return current && current->isPresent();
}

bool Protocol::isProbing() const
{
    return finder->isProbing();
}

const Candidates &Protocol::candidates() const
{
    return finder->candidateList();
}

void Protocol::checkInterface()
{
    if (finder->isProbing())
        return;
    // Searching again: the unit found before is let go first.
    endSession();
    preferredPort.clear();
    chosen.clear();
    if (!preferred.isEmpty()) {
        for (const QString &port : finder->candidateList().ports()) {
            if (finder->lastingName(port) == preferred)
                preferredPort = port;
        }
    }
    finder->search();
}

void Protocol::useUnit(const QString &port)
{
    if (finder->isProbing())
        return;
    endSession();
    // The one chosen is the one to take; the others stay known.
    preferredPort = port;
    chosen = port;
    finder->search({port});
}

void Protocol::onUnitFound(UnitLink *unit)
{
    if (isDetected() || leaving)
        return;
    // The unit remembered is taken when it answers within its probe; until
    // its probe has ended, the first other unit to answer is held, and
    // taken then.
    const bool mayWait = !preferredPort.isEmpty() && unit->port() != preferredPort &&
                         finder->isBeingProbed(preferredPort);
    if (!mayWait)
        return use(unit);
    if (!waiting) {
        finder->claim(unit);
        waiting = unit;
    }
}

void Protocol::onCandidateDone(const QString &port)
{
    if (port == preferredPort && waiting && !isDetected())
        use(waiting);
}

void Protocol::use(UnitLink *unit)
{
    if (waiting && waiting != unit) {
        finder->release(waiting->port(), false);
        delete waiting;
    }
    if (waiting != unit)
        finder->claim(unit);
    waiting = nullptr;
    report = {};
    if (current)
        current->deleteLater();
    current = new UnitSession(unit, timings, this);
    connect(current, &UnitSession::messageReceived, this, &Protocol::analyseData);
    connect(current, &UnitSession::lost, this,
            [this](const QString &, bool duringRun) { onLost(duringRun); });
    connect(current, &UnitSession::left, this, &Protocol::finishLeaving);
    // What the unit holds is what the form is compared with from now on;
    // its answer comes after the detection is told.
    current->requestSettings(SettingsAnswer::Found);
    Q_EMIT interfaceDetected({current->port(), current->firmware()});
}

void Protocol::onSearchEnded(const SearchReport &ended)
{
    if (waiting && !isDetected())
        use(waiting);
    if (chosen.isEmpty()) {
        known = ended.units;
    } else {
        known.removeIf([this](const SearchReport::Unit &unit) { return unit.port == chosen; });
        known += ended.units;
    }
    Q_EMIT unitsChanged();
    if (isDetected())
        return;
    report = ended;
    Q_EMIT interfaceDetected({QString(), QString()});
}

void Protocol::onLost(bool duringRun)
{
    const QString port = current->port();
    Q_EMIT interfaceLost(port, duringRun);
    finder->release(port, true);
    if (leaving)
        finishLeaving();
}

void Protocol::endSession()
{
    if (!current)
        return;
    if (current->isPresent())
        finder->release(current->port(), false);
    delete current;
}

void Protocol::writeData(const QString &payload) const
{
    if (isDetected())
        current->writeFrame(payload);
}

void Protocol::writeDataNoPro(const QString &payload) const
{
    if (isDetected())
        current->writeRaw(payload);
    else
        UnitLink::logRaw(payload);
}

// Detection happens on the candidates' own lines, so every message that
// reaches here is the detected unit's.
void Protocol::analyseData(QString body)
{
    Q_EMIT receiveComplete(body);
}

void Protocol::leave()
{
    if (leaving)
        return;
    leaving = true;
    finder->stop();
    finder->setWatching(false);
    if (isDetected())
        current->leave();
    else
        finishLeaving();
}

void Protocol::finishLeaving()
{
    if (leftAlready)
        return;
    leftAlready = true;
    Q_EMIT left();
}
