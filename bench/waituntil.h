#pragma once

#include <QCoreApplication>
#include <QTimer>

// Processes events until done() holds, and returns as soon as it does
// (QTest's waits look only every few milliseconds); false after timeoutMs.
template <typename Condition> bool waitUntil(Condition done, int timeoutMs)
{
    QTimer deadline; // wakes the wait below when nothing else does
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    while (!done()) {
        if (!deadline.isActive())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
