// kv3318ctl list over 1, 8 and 32 candidate ports, each count once with
// virtual units only and once with silent pseudo-terminals only: every
// candidate is probed at the same time, so the time should hardly grow with
// the number of ports.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int runs = 5;

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench: %s\n", qPrintable(what));
    std::exit(1);
}

// A line with nothing behind it: it takes the probe and never answers.
class SilentLine
{
public:
    SilentLine()
    {
        char name[256] = {};
        int slave = -1;
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            fail(QStringLiteral("no pseudo-terminal"));
        termios raw{};
        tcgetattr(slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
        fcntl(master, F_SETFD, FD_CLOEXEC);
        fcntl(slave, F_SETFD, FD_CLOEXEC);
        keptSlave = slave;
        path = QString::fromLocal8Bit(name);
    }
    ~SilentLine()
    {
        ::close(master);
        ::close(keptSlave);
    }
    QString path;

private:
    int master = -1;
    int keptSlave = -1;
};

class Unit
{
public:
    explicit Unit(const QString &logPath)
    {
        process.setStandardOutputFile(logPath);
        process.start(QStringLiteral(BENCH_VIRTUAL_UNIT), {});
        for (int wait = 0; wait < 300 && path.isEmpty(); ++wait) {
            QThread::msleep(10);
            QFile log(logPath);
            const QByteArray text = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
            if (text.contains('\n'))
                path = QString::fromLocal8Bit(text.left(text.indexOf('\n')));
        }
        if (path.isEmpty())
            fail(QStringLiteral("the virtual unit did not start"));
    }
    ~Unit()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
    QString path;

private:
    QProcess process;
};

// Median time of `list` over these candidates, checking that it found
// exactly the units among them.
double listMs(const QStringList &ports, int units)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KV3318_PORTS"), ports.join(u':'));
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        QProcess list;
        list.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        list.start(QStringLiteral(BENCH_CTL), {QStringLiteral("list")});
        if (!list.waitForFinished(60000))
            fail(QStringLiteral("list did not finish"));
        const double ms = clock.nsecsElapsed() / 1e6;
        const qsizetype found = list.readAllStandardOutput().count('\n');
        if (found != units || list.exitCode() != (units > 0 ? 0 : 2))
            fail(QStringLiteral("list found %1 of %2 units").arg(found).arg(units));
        if (run > 0) // the first run only warms the caches
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    std::printf("| kv3318ctl list | 1 port | 8 ports | 32 ports | 32 ports against 1 | target |\n"
                "|---|---|---|---|---|---|\n");
    for (const bool answering : {true, false}) {
        std::vector<double> times;
        for (const int count : {1, 8, 32}) {
            std::vector<std::unique_ptr<Unit>> units;
            std::vector<std::unique_ptr<SilentLine>> lines;
            QStringList ports;
            for (int index = 0; index < count; ++index) {
                if (answering) {
                    units.push_back(std::make_unique<Unit>(
                        folder.filePath(QStringLiteral("unit-%1-%2.log").arg(count).arg(index))));
                    ports << units.back()->path;
                } else {
                    lines.push_back(std::make_unique<SilentLine>());
                    ports << lines.back()->path;
                }
            }
            times.push_back(listMs(ports, answering ? count : 0));
        }
        std::printf("| %s | %.0f ms | %.0f ms | %.0f ms | %.2fx | <= 1.2x |\n",
                    answering ? "virtual units" : "silent pseudo-terminals", times[0], times[1],
                    times[2], times[2] / times[0]);
    }
    return 0;
}
