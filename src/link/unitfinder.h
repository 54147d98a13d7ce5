#pragma once

#include "candidates.h"
#include "transport.h"
#include "unitlink.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class PortWatch;
class QTimer;

// What a search that has ended found on its candidates.
struct SearchReport {
    struct Unit {
        QString port;
        QString firmware;
    };
    struct Failure {
        QString port;
        OpenFailure failure;
    };
    // In the order of the candidates.
    QList<Unit> units;
    // Opened and probed, but nothing answered.
    QStringList silent;
    QList<Failure> openFailures;
};

// Finds the unit among the candidates: every candidate is probed at once,
// each on a line of its own. While no unit is found it can watch for ports
// that appear and probe those, and only those: a port that stays as it was
// is not probed again until the user searches again. A network candidate
// cannot be watched, so while watching, one that could not be reached or
// whose connection closed is tried again, waiting longer after each failure.
// One that connected but stayed silent is left alone, as a silent port is.
class UnitFinder : public QObject
{
    Q_OBJECT

public:
    static constexpr int firstRetryMs = 1000;
    static constexpr int longestRetryMs = 30000;

    explicit UnitFinder(const Candidates &candidates, QObject *parent = nullptr);
    ~UnitFinder() override;

    // Probes every candidate; the first unit to answer is the unit, and the
    // other candidates are closed at once. A unit found before is let go
    // first. Nothing happens while a probe is under way.
    void search();
    // Probes every candidate and waits for each, to report every unit.
    void searchAll();
    // Watches for ports that appear while no unit is found, from the end of
    // a search on, and after the unit was lost.
    void setWatching(bool on) { watching = on; }
    // The wait before a network candidate is tried again starts at the first
    // and doubles after each failure, up to the longest.
    void setRetryWaits(int firstMs, int longestMs);

    bool isProbing() const { return !probing.isEmpty(); }
    // The unit found, its line open; null while there is none.
    UnitLink *unit() const { return found; }
    const Candidates &candidateList() const { return candidates; }

Q_SIGNALS:
    void probingChanged(bool probing);
    void unitFound(UnitLink *unit);
    // A search ended without a unit, or, from searchAll(), with every
    // candidate done. Probes of ports that appeared report nothing.
    void searchEnded(const SearchReport &report);
    void unitLost(const QString &port, const QString &reason);

private:
    void startSearch(bool everyUnit);
    void startProbe(const QString &port);
    void onDetected(UnitLink *link);
    void onDone(UnitLink *link);
    void onLost(const QString &port, const QString &reason);
    void lookForNewPorts();
    void watchFromNow(QHash<QString, QString> seenBefore);
    // What each serial candidate leads to now; missing ones are left out.
    QHash<QString, QString> identities(const QStringList &ports) const;
    void finishReport();
    bool isBeingProbed(const QString &port) const;
    void retryLater(const QString &port);
    void retry(const QString &port);
    // Stops every pending try; the next failure waits the first wait again.
    void forgetRetries();

    Candidates candidates;
    PortWatch *watch;
    bool watching = false;
    bool everyUnit = false;
    // A search whose end is reported, as against probes of ports that appeared.
    bool reporting = false;
    QList<UnitLink *> probing;
    QPointer<UnitLink> found;
    QHash<QString, QString> seen;
    QStringList searched;
    SearchReport report;
    int firstRetryWaitMs = firstRetryMs;
    int longestRetryWaitMs = longestRetryMs;
    // A timer for each network candidate to be tried again; its interval is
    // the wait it was last started with.
    QHash<QString, QTimer *> retries;
};
