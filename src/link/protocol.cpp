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
    connect(finder, &UnitFinder::searchEnded, this, [this](const SearchReport &ended) {
        report = ended;
        Q_EMIT interfaceDetected({QString(), QString()});
    });
}

Protocol::~Protocol()
{
    delete current;
}

bool Protocol::isDetected() const
{
    return current && current->isPresent();
}

UnitSession *Protocol::session() const
{
    return current;
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
    finder->search();
}

void Protocol::onUnitFound(UnitLink *unit)
{
    // The first unit to answer is the one: the other candidates are let go
    // now, before any of them could answer too.
    if (isDetected() || leaving)
        return;
    finder->claim(unit);
    finder->stop();
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
