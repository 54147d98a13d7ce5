#include "protocol.h"

#include "unitlink.h"

Protocol::Protocol(const Candidates &candidates, QObject *parent)
    : QObject(parent), finder(new UnitFinder(candidates, this))
{
    finder->setWatching(true);
    connect(finder, &UnitFinder::probingChanged, this, &Protocol::probingChanged);
    connect(finder, &UnitFinder::unitFound, this, &Protocol::onUnitFound);
    connect(finder, &UnitFinder::searchEnded, this, [this](const SearchReport &ended) {
        report = ended;
        Q_EMIT interfaceDetected({QString(), QString()});
    });
    connect(finder, &UnitFinder::unitLost, this,
            [this](const QString &port) { Q_EMIT interfaceLost(port); });
}

bool Protocol::isDetected() const
{
    return finder->unit() && finder->unit()->isDetected();
}

bool Protocol::isProbing() const
{
    return finder->isProbing();
}

UnitLink *Protocol::unit() const
{
    return finder->unit();
}

const Candidates &Protocol::candidates() const
{
    return finder->candidateList();
}

void Protocol::checkInterface()
{
    finder->search();
}

void Protocol::onUnitFound(UnitLink *unit)
{
    report = {};
    connect(unit, &UnitLink::messageReceived, this, &Protocol::analyseData);
    Q_EMIT interfaceDetected({unit->port(), unit->firmware()});
}

void Protocol::writeData(const QString &payload) const
{
    if (UnitLink *found = finder->unit())
        found->writeFrame(payload);
}

void Protocol::writeDataNoPro(const QString &payload) const
{
    if (UnitLink *found = finder->unit())
        found->writeRaw(payload);
    else
        UnitLink::logRaw(payload);
}

// Detection happens on the candidates' own lines, so every message that
// reaches here is the detected unit's.
void Protocol::analyseData(QString body)
{
    Q_EMIT receiveComplete(body);
}
