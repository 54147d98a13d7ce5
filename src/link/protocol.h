#pragma once

#include "unitfinder.h"
#include "unitmessages.h"

#include <QObject>
#include <QStringList>

class UnitLink;

// The window's one connection to the unit: finds it among the candidates,
// frames outgoing messages and hands on incoming ones. While no unit is
// detected it watches for ports that appear and probes those; a unit whose
// line goes away is reported lost.
class Protocol : public QObject
{
    Q_OBJECT

public:
    static constexpr char stx = 0x02;
    static constexpr char etx = 0x03;
    static constexpr char cr = 0x0D;
    static constexpr char start[] = "\x02";
    static constexpr char end[] = "\x03\x0D";
    static constexpr const char *request = UnitMessages::probe;
    static constexpr const char *control = UnitMessages::unitId;

    explicit Protocol(const Candidates &candidates, QObject *parent = nullptr);

    bool isDetected() const;
    // A probe of one or more candidates is under way.
    bool isProbing() const;
    // The detected unit's line; null while there is none.
    UnitLink *unit() const;
    const Candidates &candidates() const;
    // What the last search that found no unit found instead.
    const SearchReport &lastReport() const { return report; }
    void writeData(const QString &payload) const;
    void writeDataNoPro(const QString &payload) const;
    void analyseData(QString body);

Q_SIGNALS:
    void interfaceDetected(const QStringList &list);
    void receiveComplete(const QString &data);
    // The detected unit's line is gone (hang-up, failed write, resource
    // error); it is closed by the time this arrives.
    void interfaceLost(const QString &port);
    // A probe of candidates began (true) or ended (false).
    void probingChanged(bool running);

public Q_SLOTS:
    // Probes every candidate; a unit's port still open from an earlier
    // search is closed first.
    void checkInterface();

private:
    void onUnitFound(UnitLink *unit);

    UnitFinder *finder;
    SearchReport report;
};
