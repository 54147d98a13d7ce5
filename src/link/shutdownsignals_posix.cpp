#include "shutdownsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{
// Every signal that ends a program unless caught, but SIGPIPE: a closed
// pipe is a write error, said where the write fails.
const int endingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM};

// The handler may only touch async-signal-safe things: the signal's number
// as one byte into a pipe that the event loop watches.
int pipeFds[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}
} // namespace

struct ShutdownSignals::Private {
    QSocketNotifier *notifier = nullptr;
};

ShutdownSignals::ShutdownSignals(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
}

ShutdownSignals::~ShutdownSignals()
{
    if (!d->notifier)
        return;
    delete d->notifier;
    for (const int signalNumber : endingSignals)
        std::signal(signalNumber, SIG_DFL);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

bool ShutdownSignals::install()
{
    if (pipeFds[0] >= 0 || pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0)
        return false;
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : endingSignals)
        sigaction(signalNumber, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    d->notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        ssize_t n = 0;
        while ((n = ::read(pipeFds[0], bytes, sizeof bytes)) > 0)
            received = bytes[n - 1];
        Q_EMIT requested(received);
    });
    return true;
}
