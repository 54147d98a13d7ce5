#include "pseudoterminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    int slave = -1;
    if (openpty(&masterFd, &slave, name, nullptr, nullptr) != 0) {
        masterFd = -1;
        return;
    }
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    // Holding the slave open keeps the master readable without hang-ups
    // while the program under test closes and reopens its end.
    slaveKeepFd = slave;
    fcntl(masterFd, F_SETFL, fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    // A program the test starts must not inherit the far end, or closing it
    // here would not hang up the line.
    fcntl(masterFd, F_SETFD, FD_CLOEXEC);
    fcntl(slaveKeepFd, F_SETFD, FD_CLOEXEC);
    slaveName = QString::fromLocal8Bit(name);
}

QString PseudoTerminal::lineSettings() const
{
    termios line{};
    if (tcgetattr(masterFd, &line) != 0)
        return {};
    const speed_t speed = cfgetospeed(&line);
    QString settings = speed == B19200 ? QStringLiteral("19200") : QStringLiteral("other speed");
    const tcflag_t size = line.c_cflag & CSIZE;
    settings += QLatin1Char(' ');
    settings += size == CS8 ? u'8' : size == CS7 ? u'7' : u'?';
    settings += line.c_cflag & PARENB ? (line.c_cflag & PARODD ? u'O' : u'E') : u'N';
    settings += line.c_cflag & CSTOPB ? u'2' : u'1';
    if (line.c_cflag & CRTSCTS)
        settings += QLatin1String(" rtscts");
    if (line.c_iflag & (IXON | IXOFF))
        settings += QLatin1String(" xonxoff");
    return settings;
}

PseudoTerminal::~PseudoTerminal()
{
    closeMaster();
    if (slaveKeepFd >= 0)
        ::close(slaveKeepFd);
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    QElapsedTimer clock;
    clock.start();
    while (masterFd >= 0 && done < bytes.size() && clock.elapsed() < 5000) {
        const ssize_t n = ::write(masterFd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            // The line is full: let the program under test drain it.
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    return done == bytes.size();
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray out;
    char buffer[4096];
    for (;;) {
        const ssize_t n = masterFd >= 0 ? ::read(masterFd, buffer, sizeof buffer) : -1;
        if (n <= 0)
            break;
        out.append(buffer, n);
    }
    return out;
}

QByteArray PseudoTerminal::read(int count, int timeoutMs)
{
    QByteArray out;
    // What arrived is the answer whether or not it is complete.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            out += readAvailable();
            return out.size() >= count;
        },
        timeoutMs));
    return out;
}

QByteArray PseudoTerminal::readFor(int ms)
{
    return read(INT_MAX, ms);
}

void PseudoTerminal::closeMaster()
{
    if (masterFd >= 0)
        ::close(masterFd);
    masterFd = -1;
}

bool PseudoTerminal::hangUp()
{
    const int line = ::open(QFile::encodeName(slaveName).constData(), O_RDWR | O_NOCTTY);
    if (line < 0)
        return false;
    const bool done = ::ioctl(line, TIOCVHANGUP) == 0;
    ::close(line);
    return done;
}
