#include "shutdownsignals.h"

#include <QMetaObject>

#include <mutex>

#include <windows.h>

namespace
{
// The numbers these events have as the C runtime's signals: SIGINT and
// SIGBREAK; a closed console, a logoff or a shutdown takes the hang-up's
// number, as a closed terminal does on Linux.
int signalNumberOf(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
        return 2;
    case CTRL_BREAK_EVENT:
        return 21;
    default:
        return 1;
    }
}

// The console calls the handler on a thread of its own; the watching object
// is reached only under the lock, so that it cannot go while an event is
// posted to it.
std::mutex watcherLock;
ShutdownSignals *watcher = nullptr;
HANDLE cleanedUp = nullptr;

// Windows ends the process as soon as the handler of a closed console
// returns, so that handler waits for the program's own clean-up (the stop
// byte sent, ports closed), which is over when the watching object goes.
// Windows allows five seconds.
constexpr DWORD cleanUpMs = 4500;
} // namespace

struct ShutdownSignals::Private {
    bool installed = false;

    static BOOL WINAPI onConsoleEvent(DWORD event)
    {
        const int signalNumber = signalNumberOf(event);
        {
            const std::lock_guard<std::mutex> locked(watcherLock);
            if (!watcher)
                return FALSE;
            ShutdownSignals *target = watcher;
            QMetaObject::invokeMethod(
                target,
                [target, signalNumber] {
                    target->received = signalNumber;
                    Q_EMIT target->requested(signalNumber);
                },
                Qt::QueuedConnection);
        }
        if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
            ::WaitForSingleObject(cleanedUp, cleanUpMs);
        return TRUE;
    }
};

ShutdownSignals::ShutdownSignals(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
}

ShutdownSignals::~ShutdownSignals()
{
    if (!d->installed)
        return;
    ::SetConsoleCtrlHandler(&Private::onConsoleEvent, FALSE);
    {
        const std::lock_guard<std::mutex> locked(watcherLock);
        watcher = nullptr;
    }
    ::SetEvent(cleanedUp);
}

bool ShutdownSignals::install()
{
    const std::lock_guard<std::mutex> locked(watcherLock);
    if (watcher)
        return false;
    if (!cleanedUp)
        cleanedUp = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!cleanedUp)
        return false;
    ::ResetEvent(cleanedUp);
    watcher = this;
    if (!::SetConsoleCtrlHandler(&Private::onConsoleEvent, TRUE)) {
        watcher = nullptr;
        return false;
    }
    d->installed = true;
    return true;
}
