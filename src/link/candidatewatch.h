#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Looks at the candidate ports about once a second while no unit is
// detected and reports the ones that appeared since the last look: a new
// name, a name that went away and came back, or a name that now leads to
// another device. A port that stays put is reported only once, so nobody
// else's device keeps getting probed.
class CandidateWatch : public QObject
{
    Q_OBJECT

public:
    using Lister = std::function<QStringList()>;

    // `lister` gives the candidates in the order they are to be probed.
    explicit CandidateWatch(Lister lister, QObject *parent = nullptr);

    // What the ports in `ports` lead to now; ports that do not exist are left out.
    static QHash<QString, QString> identities(const QStringList &ports);

    // Watches from now on, counting `seen` as already looked at.
    void start(const QHash<QString, QString> &seen);
    // Watches on from what it had seen when it was paused.
    void resume();
    void pause();
    bool isActive() const { return timer.isActive(); }

Q_SIGNALS:
    void appeared(const QStringList &ports);

private:
    void look();

    Lister lister;
    QTimer timer;
    QHash<QString, QString> seen;
};
