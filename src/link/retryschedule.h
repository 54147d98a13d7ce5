#pragma once

#include <QHash>
#include <QObject>

class QTimer;

// When to try again a port that could not be reached: first after the
// first wait, then twice as long as the wait before each time, up to the
// longest, so that a server down for days is asked twice a minute, not
// hammered.
class RetrySchedule : public QObject
{
    Q_OBJECT

public:
    RetrySchedule(int firstMs, int longestMs, QObject *parent = nullptr);

    // The port failed (again): its next try waits longer than the last.
    void failed(const QString &port);
    // The try came at a bad time: it waits as long again.
    void postpone(const QString &port);
    // Every pending try is dropped; the next failure waits the first wait.
    void forget();

Q_SIGNALS:
    void due(const QString &port);

private:
    const int firstMs;
    const int longestMs;
    // A timer for each port; its interval is the wait it was last started with.
    QHash<QString, QTimer *> timers;
};
