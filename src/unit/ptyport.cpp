#include "ptyport.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{
constexpr int chunkGapMs = 5;
// When nobody reads the line the replies pile up here; a real unit would
// lose them too, so beyond this much the newest are dropped.
constexpr qsizetype maxOutbox = 64 * 1024;
} // namespace

PtyPort::~PtyPort()
{
    if (masterFd >= 0)
        ::close(masterFd);
    if (slaveKeepFd >= 0)
        ::close(slaveKeepFd);
}

bool PtyPort::open(QString *error)
{
    if (openpty(&masterFd, &slaveKeepFd, nullptr, nullptr, nullptr) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    char name[PATH_MAX] = {};
    if (const int failure = ttyname_r(slaveKeepFd, name, sizeof name); failure != 0) {
        *error = QString::fromLocal8Bit(std::strerror(failure));
        return false;
    }
    termios line{};
    tcgetattr(slaveKeepFd, &line);
    cfmakeraw(&line);
    cfsetspeed(&line, B19200);
    tcsetattr(slaveKeepFd, TCSANOW, &line);
    // slaveKeepFd stays open for the whole run: while any slave descriptor
    // is open, the tool closing its port is no hang-up on the master, which
    // would otherwise report EIO on every read, a busy loop.
    fcntl(masterFd, F_SETFL, fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    slaveName = QString::fromLocal8Bit(name);

    readNotifier = new QSocketNotifier(masterFd, QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, &PtyPort::readAvailable);
    writeNotifier = new QSocketNotifier(masterFd, QSocketNotifier::Write, this);
    writeNotifier->setEnabled(false);
    connect(writeNotifier, &QSocketNotifier::activated, this, &PtyPort::flush);
    chunkTimer.setSingleShot(true);
    connect(&chunkTimer, &QTimer::timeout, this, &PtyPort::flush);
    return true;
}

void PtyPort::write(const QByteArray &bytes)
{
    if (outbox.size() + bytes.size() > maxOutbox)
        return;
    if (outbox.isEmpty()) {
        paceClock.start();
        paced = 0;
    }
    outbox += bytes;
    if (!chunkTimer.isActive())
        flush();
}

void PtyPort::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(masterFd, buffer, sizeof buffer);
        if (n > 0) {
            emit bytesReceived(QByteArray(buffer, n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            if (n == 0 || errno != EAGAIN) {
                readNotifier->setEnabled(false);
                emit failed(n == 0 ? QStringLiteral("line closed")
                                   : QString::fromLocal8Bit(std::strerror(errno)));
            }
            return;
        }
    }
}

void PtyPort::flush()
{
    writeNotifier->setEnabled(false);
    while (!outbox.isEmpty()) {
        qsizetype piece = chunkSize > 0 ? qMin<qsizetype>(chunkSize, outbox.size()) : outbox.size();
        if (bytesPerSecond > 0) {
            // The first byte leaves at once, each further one when its time came.
            const qint64 due = paceClock.elapsed() * bytesPerSecond / 1000 + 1 - paced;
            if (due <= 0) {
                chunkTimer.start(1);
                return;
            }
            piece = qMin<qsizetype>(piece, due);
        }
        const ssize_t n = ::write(masterFd, outbox.constData(), size_t(piece));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            writeNotifier->setEnabled(true);
            return;
        }
        if (n < 0) {
            outbox.clear();
            emit failed(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        outbox.remove(0, n);
        paced += n;
        if ((chunkSize > 0 || bytesPerSecond > 0) && !outbox.isEmpty()) {
            chunkTimer.start(bytesPerSecond > 0 ? 1 : chunkGapMs);
            return;
        }
    }
}
