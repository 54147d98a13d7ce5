// kv3318ctl list over 1, 8 and 32 candidate ports, each count once with
// virtual units only and once with silent pseudo-terminals only, and
// set --all over as many virtual units: every candidate is probed at the
// same time, and every unit found is worked with at the same time, so the
// time should hardly grow with the number of ports.

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

// Median time of the command over these candidates, checking that it
// printed a line for each unit among them. `set --all` changes the food
// timer back and forth, so that every run sends, reads back and keeps a
// history entry for every unit.
double commandMs(const QStringList &ports, const QStringList &arguments, int units,
                 const QString &dataFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KV3318_PORTS"), ports.join(u':'));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        QStringList changed = arguments;
        changed.replaceInStrings(QStringLiteral("=N"),
                                 run % 2 ? QStringLiteral("=5") : QStringLiteral("=6"));
        QProcess command;
        command.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        command.start(QStringLiteral(BENCH_CTL), changed);
        if (!command.waitForFinished(60000))
            fail(QStringLiteral("%1 did not finish").arg(arguments.join(u' ')));
        const double ms = clock.nsecsElapsed() / 1e6;
        const qsizetype found = command.readAllStandardOutput().count('\n');
        if (found != units || command.exitCode() != (units > 0 ? 0 : 2))
            fail(QStringLiteral("%1 reached %2 of %3 units: %4")
                     .arg(arguments.join(u' '))
                     .arg(found)
                     .arg(units)
                     .arg(QString::fromLocal8Bit(command.readAllStandardError())));
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
    std::printf("| kv3318ctl | 1 port | 8 ports | 32 ports | 32 ports against 1 | target |\n"
                "|---|---|---|---|---|---|\n");
    struct Row {
        const char *name;
        QStringList arguments;
        bool answering;
        const char *target;
    };
    const QList<Row> rows{
        {"list, virtual units", {QStringLiteral("list")}, true, "<= 1.2x"},
        {"list, silent pseudo-terminals", {QStringLiteral("list")}, false, "<= 1.2x"},
        {"set --all foodMinutes, virtual units",
         {QStringLiteral("set"), QStringLiteral("--all"), QStringLiteral("foodMinutes=N")},
         true,
         "<= 1.5x"},
    };
    for (const Row &row : rows) {
        std::vector<double> times;
        for (const int count : {1, 8, 32}) {
            std::vector<std::unique_ptr<Unit>> units;
            std::vector<std::unique_ptr<SilentLine>> lines;
            QStringList ports;
            for (int index = 0; index < count; ++index) {
                if (row.answering) {
                    units.push_back(std::make_unique<Unit>(
                        folder.filePath(QStringLiteral("unit-%1-%2.log").arg(count).arg(index))));
                    ports << units.back()->path;
                } else {
                    lines.push_back(std::make_unique<SilentLine>());
                    ports << lines.back()->path;
                }
            }
            times.push_back(commandMs(ports, row.arguments, row.answering ? count : 0,
                                      folder.filePath(QStringLiteral("data"))));
        }
        std::printf("| %s | %.0f ms | %.0f ms | %.0f ms | %.2fx | %s |\n", row.name, times[0],
                    times[1], times[2], times[2] / times[0], row.target);
    }
    return 0;
}
