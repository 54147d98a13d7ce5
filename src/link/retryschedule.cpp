#include "retryschedule.h"

#include <QTimer>

#include <algorithm>

RetrySchedule::RetrySchedule(int firstMs, int longestMs, QObject *parent)
    : QObject(parent), firstMs(firstMs), longestMs(longestMs)
{
}

void RetrySchedule::failed(const QString &port)
{
    QTimer *&timer = timers[port];
    int waitMs = firstMs;
    if (timer) {
        waitMs = timer->interval() * 2;
    } else {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, port] { Q_EMIT due(port); });
    }
    timer->start(std::min(waitMs, longestMs));
}

void RetrySchedule::postpone(const QString &port)
{
    if (QTimer *timer = timers.value(port))
        timer->start();
}

void RetrySchedule::forget()
{
    qDeleteAll(timers);
    timers.clear();
}
