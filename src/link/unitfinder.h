#pragma once

#include "candidates.h"
#include "linktimings.h"
#include "transport.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

class PortWatch;
class RetrySchedule;
class UnitLink;

// What a search that has ended found on its candidates.
struct SearchReport {
    struct Unit {
        QString port;
        QString firmware;
        // What stays with the port while it is the same one; see
        // Transport::lastingName().
        QString identity;
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

// Finds units among the candidates: every candidate is probed at once, each
// on a line of its own, and every unit that answers is reported; the
// program decides which to use. While it uses none, the finder can watch for
// ports that appear and probe those, and only those: a port that stays as
// it was is not probed again until the program searches again. A port that
// cannot be watched (a network port) is tried again while watching, if it
// could not be reached or its connection closed, waiting longer after each
// failure; one that connected but stayed silent is left alone, as a silent
// port is.
class UnitFinder : public QObject
{
    Q_OBJECT

public:
    explicit UnitFinder(const Candidates &candidates, const LinkTimings &timings = {},
                        QObject *parent = nullptr);
    ~UnitFinder() override;

    // Probes every candidate, or only those of them named; the search ends
    // when every one is done, or stop() ends it. Nothing happens while a
    // probe is under way.
    void search(const QStringList &only = {});
    // Lets go of every candidate still being probed; no report follows.
    void stop();
    // The program uses this unit from now on: the link, reported by
    // unitFound(), is the caller's, without a parent. While a unit is used,
    // nothing is watched or tried again.
    void claim(UnitLink *unit);
    // The unit claimed on `port` is used no more. A lost one's port counts
    // as new, so that whatever is there by the next look is probed.
    void release(const QString &port, bool lost);
    // Watches for ports that appear while no unit is used, from the end of
    // a search on, and after a unit was lost.
    void setWatching(bool on) { watching = on; }

    bool isProbing() const { return !probing.isEmpty(); }
    bool isBeingProbed(const QString &port) const;
    // The lasting name of a candidate's port, as a unit found there would
    // have it.
    QString lastingName(const QString &port);
    const Candidates &candidateList() const { return candidates; }

Q_SIGNALS:
    void probingChanged(bool probing);
    // A unit answered; its line stays open only if a receiver claims it.
    void unitFound(UnitLink *unit);
    // A search ended with every candidate done. Probes of ports that
    // appeared report nothing.
    void searchEnded(const SearchReport &report);
    // One candidate's probe ended, with a unit or without.
    void candidateDone(const QString &port);

private:
    // The finder's own link to a candidate, made the first time it is needed.
    UnitLink *linkFor(const QString &port);
    void startProbes(const QStringList &ports);
    void onDetected(UnitLink *link);
    void onDone(UnitLink *link);
    void lookForNewPorts();
    void watchFromNow(QHash<QString, QString> seenBefore);
    // What each candidate that can be watched leads to now; missing ones,
    // and those that cannot be watched, are left out.
    QHash<QString, QString> identities(const QStringList &ports);
    void finishReport();
    void retryLater(const QString &port, const OpenFailure &failure);
    void retry(const QString &port);

    Candidates candidates;
    LinkTimings timings;
    PortWatch *watch;
    RetrySchedule *retries;
    bool watching = false;
    // probingChanged(true) was said last.
    bool active = false;
    // A search whose end is reported, as against probes of ports that appeared.
    bool reporting = false;
    QHash<QString, UnitLink *> links;
    QList<UnitLink *> probing;
    QSet<QString> inUse;
    QHash<QString, QString> seen;
    QStringList searched;
    SearchReport report;
};
