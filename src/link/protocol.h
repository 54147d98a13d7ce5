#pragma once

#include "sessiontimings.h"
#include "unitfinder.h"
#include "unitmessages.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class UnitLink;
class UnitSession;

// The window's one connection to the unit: finds the units among the
// candidates, keeps the session with the one in use, and frames what the
// window writes and hands on what the unit sends. Every candidate is probed
// at once and every unit that answers is known; the one remembered is taken
// when it answers within its probe, else the first to answer, and the
// others are let go at once. While no unit is detected it watches for ports
// that appear and probes those; a unit whose line goes away is reported
// lost. It is the window's face of the session, and is built with it.
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
    Protocol(const Candidates &candidates, const LinkTimings &linkTimings,
             const SessionTimings &sessionTimings, QObject *parent = nullptr);
    // The session goes first: a run still under way gets its stop byte.
    ~Protocol() override;

    bool isDetected() const;
    // A probe of one or more candidates is under way.
    bool isProbing() const;
    // The session with the detected unit, or with the unit last lost, which
    // still holds what it held; null before the first unit and after a
    // search let it go.
    UnitSession *session() const;
    const Candidates &candidates() const;
    // What the last search that found no unit found instead.
    const SearchReport &lastReport() const { return report; }
    // Every unit the last search found, in the order of the candidates.
    const QList<SearchReport::Unit> &units() const { return known; }
    // The unit to take when it answers, by its lasting name.
    void setPreferred(const QString &identity) { preferred = identity; }
    void writeData(const QString &payload) const;
    void writeDataNoPro(const QString &payload) const;
    void analyseData(QString body);

    // Lets the unit in use go, a run's stop byte sent, and uses the one on
    // `port` instead once it answers its probe.
    void useUnit(const QString &port);
    // Lets the unit go as a program that ends does: a run ends with its stop
    // byte, and left() follows once that and whatever else was written has
    // left, or after the session's leaving time; at once without a unit.
    void leave();
    bool isLeaving() const { return leaving; }
    bool hasLeft() const { return leftAlready; }

Q_SIGNALS:
    void interfaceDetected(const QStringList &list);
    void receiveComplete(const QString &data);
    // The detected unit's line is gone (hang-up, failed write, resource
    // error); its session has ended by the time this arrives, and with it
    // an adjustment run under way, as `duringRun` says. A unit found is
    // asked for its settings at once; its answer comes after
    // interfaceDetected().
    void interfaceLost(const QString &port, bool duringRun);
    // A probe of candidates began (true) or ended (false).
    void probingChanged(bool running);
    // The units a search found changed.
    void unitsChanged();
    void left();

public Q_SLOTS:
    // Probes every candidate; a unit's port still open from an earlier
    // search is closed first.
    void checkInterface();

private:
    void onUnitFound(UnitLink *unit);
    void onCandidateDone(const QString &port);
    void onSearchEnded(const SearchReport &ended);
    void use(UnitLink *unit);
    void onLost(bool duringRun);
    void endSession();
    void finishLeaving();

    UnitFinder *finder;
    const SessionTimings timings;
    QPointer<UnitSession> current;
    SearchReport report;
    QList<SearchReport::Unit> known;
    QString preferred;
    // The candidate whose lasting name is the preferred one, while a search
    // probes it.
    QString preferredPort;
    // The first unit found, held while the preferred one may still answer.
    QPointer<UnitLink> waiting;
    // The port a search for the unit chosen probes alone.
    QString chosen;
    bool leaving = false;
    bool leftAlready = false;
};
