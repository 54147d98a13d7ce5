// Runs every benchmark and prints one table. Each figure stands beside a
// baseline taken in the same run, because these machines are too noisy for
// absolute numbers to compare from one run to the next.

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace
{

constexpr int startupRuns = 15;
constexpr int detectionRuns = 10;
constexpr int pauseRuns = 5;
constexpr int filledRuns = 10;
constexpr int plugInRuns = 10;
constexpr int idleSpanMs = 10000;
constexpr double openWaitMs = 500;
constexpr double lineBytesPerSecond = 1920; // 19200 baud, 10 bits a byte
// What one receive of the session puts on the line: the request's 8 bytes
// and a reply frame of 60 bytes on average over its two records.
constexpr int roundTripLineBytes = 8 + 60;

[[noreturn]] void fail(const QString &what, const QByteArray &output = {})
{
    std::fprintf(stderr, "bench: %s\n%s", qPrintable(what), output.constData());
    std::exit(1);
}

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// "name value..." lines as the probe and the virtual unit print them.
QHash<QByteArray, QByteArrayList> parseLines(const QByteArray &output)
{
    QHash<QByteArray, QByteArrayList> values;
    for (const QByteArray &line : output.split('\n')) {
        QByteArrayList words = line.simplified().split(' ');
        const QByteArray name = words.takeFirst();
        if (!name.isEmpty())
            values.insert(name, words);
    }
    return values;
}

QProcessEnvironment environment(const QString &ports)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KV3318_PORTS"), ports);
    // Qt writes debug output to the journal instead when stderr is no
    // terminal; the detection figure reads it from a pipe.
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    return env;
}

// The virtual unit, its log going to a file so that it never waits on a
// full pipe while nobody reads it.
class Unit
{
public:
    explicit Unit(const QTemporaryDir &dir, const QStringList &arguments = {})
        : logPath(dir.filePath(QStringLiteral("unit-%1.log").arg(++count)))
    {
        process.setStandardOutputFile(logPath);
        process.start(QStringLiteral(BENCH_VIRTUAL_UNIT),
                      QStringList{"--firmware", "1.0.10.2"} + arguments);
        for (int wait = 0; wait < 300 && port.isEmpty(); ++wait) {
            QThread::msleep(10);
            const QByteArray log = lines();
            if (log.contains('\n'))
                port = QString::fromLocal8Bit(log.left(log.indexOf('\n')));
        }
        if (port.isEmpty())
            fail(QStringLiteral("the virtual unit did not start"));
    }
    ~Unit() { stop(); }
    // Ends the unit: its line hangs up, as a pulled cable's does.
    void stop()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
    QByteArray lines() const
    {
        QFile log(logPath);
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    QString port;

private:
    static inline int count = 0;
    QString logPath;
    QProcess process;
};

// Runs a program to its end; `probeMode` tells the probe linked into it what to watch.
QByteArray runToEnd(const QString &program, const QStringList &arguments, const QString &ports,
                    int timeoutMs, const QString &probeMode = QString())
{
    QProcess process;
    QProcessEnvironment env = environment(ports);
    if (!probeMode.isEmpty())
        env.insert(QStringLiteral("KV3318_BENCH"), probeMode);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0)
        fail(program + QStringLiteral(" did not finish"),
             process.readAllStandardOutput() + process.readAllStandardError());
    return process.readAllStandardOutput();
}

// Process start to the first frame on the screen.
double startupMs(const QString &program, const QString &ports = QString())
{
    const qint64 start = nowNs();
    const QByteArray output = runToEnd(program, {}, ports, 30000, QStringLiteral("frame"));
    const QByteArrayList frame = parseLines(output).value("frame");
    if (frame.isEmpty())
        fail(program + QStringLiteral(" reported no frame"), output);
    return (frame.first().toLongLong() - start) / 1e6;
}

// kv3318-config itself, with these candidates; its debug lines say what it
// does and when.
class Tool
{
public:
    explicit Tool(const QString &ports)
    {
        process.setProcessEnvironment(environment(ports));
        process.setProcessChannelMode(QProcess::MergedChannels);
        started = nowNs();
        process.start(QStringLiteral(BENCH_CONFIG));
    }
    ~Tool()
    {
        process.kill();
        process.waitForFinished(3000);
    }
    // Reads the debug lines until a message begins with `start` and gives the
    // time it was read; the bench fails when none comes.
    qint64 waitFor(const char *start)
    {
        while (process.canReadLine() || process.waitForReadyRead(5000)) {
            while (process.canReadLine()) {
                const QByteArray line = process.readLine();
                output += line;
                // The link's lines carry their logging category before the message.
                if (line.startsWith(start) || line.startsWith("kv3318.link: " + QByteArray(start)))
                    return nowNs();
            }
        }
        fail(QStringLiteral("the tool never said \"%1\"").arg(QLatin1String(start)),
             output + process.readAll());
    }
    double msUntil(const char *start) { return (waitFor(start) - started) / 1e6; }
    qint64 pid() const { return process.processId(); }

private:
    QProcess process;
    qint64 started = 0;
    QByteArray output;
};

// CPU time the process has used so far, in milliseconds.
double cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read ") + stat.fileName());
    // utime and stime, in clock ticks, follow the parenthesised command name.
    const QByteArrayList fields = stat.readAll().split(')').last().split(' ');
    return (fields.value(12).toDouble() + fields.value(13).toDouble()) * 1000 /
           sysconf(_SC_CLK_TCK);
}

struct HangUp {
    double idlePercent;   // detected and idle, before the hang-up
    double hungUpPercent; // after the unit's line hung up
};

// kv3318-config with its unit detected, then the unit gone: the share of a
// core it uses over the same span before and after.
HangUp cpuAroundHangUp(const QTemporaryDir &dir)
{
    constexpr int spanMs = 3000;
    Unit unit(dir);
    Tool tool(unit.port);
    tool.waitFor("version");
    const auto share = [&tool] {
        const double before = cpuMs(tool.pid());
        QThread::msleep(spanMs);
        return (cpuMs(tool.pid()) - before) * 100 / spanMs;
    };
    HangUp result{share(), 0};
    unit.stop();
    tool.waitFor("device lost:");
    result.hungUpPercent = share();
    return result;
}

// The tool waits with a missing candidate, and the unit is plugged in:
// from the moment its link exists to the tool's report of the unit.
double plugInMs(const QTemporaryDir &dir, int run)
{
    const QString link = dir.filePath(QStringLiteral("plugged-%1").arg(run));
    Tool tool(link);
    tool.waitFor("device failed to open:");
    // The tool starts watching the folder once the failed probe is handled,
    // a turn of its event loop later; a person plugs in long after that.
    QThread::msleep(500);
    QProcess unit;
    unit.setStandardOutputFile(QProcess::nullDevice());
    unit.start(QStringLiteral(BENCH_VIRTUAL_UNIT), {"--firmware", "1.0.10.2", "--link", link});
    // A look every millisecond: the moment is known to within that.
    qint64 linked = 0;
    for (int look = 0; look < 3000 && linked == 0; ++look) {
        if (QFileInfo(link).isSymLink())
            linked = nowNs();
        else
            QThread::usleep(1000);
    }
    if (linked == 0)
        fail(QStringLiteral("the virtual unit made no link"));
    const double ms = (tool.waitFor("version") - linked) / 1e6;
    unit.terminate();
    unit.waitForFinished(3000);
    return ms;
}

// Every time one of the process's threads went to sleep of its own accord,
// it had woken up before: these counts, by thread, count its wake-ups.
QHash<QString, qint64> wakeUps(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    QHash<QString, qint64> counts;
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue; // the thread has just ended
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                counts.insert(task, line.split(':').value(1).trimmed().toLongLong());
        }
    }
    if (counts.isEmpty())
        fail(QStringLiteral("no thread of process %1 to count").arg(pid));
    return counts;
}

// Wake-ups between two counts; those of a thread that ended meanwhile are
// lost with it.
qint64 wakeUpsBetween(const QHash<QString, qint64> &before, const QHash<QString, qint64> &after)
{
    qint64 sum = 0;
    for (auto thread = after.cbegin(); thread != after.cend(); ++thread)
        sum += thread.value() - before.value(thread.key(), 0);
    return sum;
}

struct Idle {
    double wakeUpsPerSecond;
    // Entries made, removed or changed by other programs in the candidate's
    // folder during the span: the tool watches it, so each may wake it.
    int folderChanges;
    QString folder;
};

// The tool with one silent candidate, idle after its probe ended.
Idle idleWithoutUnit(const QTemporaryDir &dir, int spanMs)
{
    Unit silent(dir, {"--silent"});
    Tool tool(silent.port);
    tool.waitFor("Timeout");
    // The window shows the search's end first.
    QThread::msleep(1000);
    // The same changes the tool's folder watch reports.
    const int changes = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (changes < 0 ||
        inotify_add_watch(changes,
                          QFile::encodeName(QFileInfo(silent.port).absolutePath()).constData(),
                          IN_ATTRIB | IN_MOVE | IN_CREATE | IN_DELETE | IN_DELETE_SELF) < 0)
        fail(QStringLiteral("cannot watch the folder of ") + silent.port);
    const QHash<QString, qint64> before = wakeUps(tool.pid());
    QThread::msleep(spanMs);
    Idle result{wakeUpsBetween(before, wakeUps(tool.pid())) * 1000.0 / spanMs, 0,
                QFileInfo(silent.port).absolutePath()};
    alignas(inotify_event) char events[4096];
    for (ssize_t size; (size = read(changes, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < size; ++result.folderChanges)
            at += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(events + at)->len;
    }
    close(changes);
    return result;
}

// QtTest's CSV lines: "function","tag","metric",value per iteration,...
QHash<QString, double> perCallMs(const QString &csv)
{
    QHash<QString, double> values;
    for (const QString &line : csv.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() >= 4 && fields[2].contains(QLatin1String("Walltime")))
            values.insert(QString(fields[0] + fields[1]).remove(QLatin1Char('"')),
                          fields[3].toDouble());
    }
    return values;
}

QString platform()
{
    const QString forced = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!forced.isEmpty())
        return forced;
    return qEnvironmentVariableIsSet("DISPLAY")
               ? QStringLiteral("X display ") + qEnvironmentVariable("DISPLAY")
               : QStringLiteral("default");
}

void row(const char *figure, const QString &measured, const QString &baseline,
         const QString &result, const char *target)
{
    std::printf("| %s | %s | %s | %s | %s |\n", figure, qPrintable(measured), qPrintable(baseline),
                qPrintable(result), target);
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1) + QStringLiteral(" ms");
}

QString mib(double kb)
{
    return QString::number(kb / 1024, 'f', 1) + QStringLiteral(" MiB");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary directory"));
    // Other work on the machine skews every figure; the table says how much.
    QFile loadFile(QStringLiteral("/proc/loadavg"));
    const QByteArray load =
        loadFile.open(QIODevice::ReadOnly) ? loadFile.readAll().split(' ').value(0) : "?";

    std::fprintf(stderr, "start-up...\n");
    // One run each first, so that both meet the same warm file and font
    // caches; then turn about, so that drift in the machine's load hits both.
    startupMs(QStringLiteral(BENCH_BARE));
    startupMs(QStringLiteral(BENCH_TOOL));
    std::vector<double> bare, tool, ratios;
    for (int run = 0; run < startupRuns; ++run) {
        bare.push_back(startupMs(QStringLiteral(BENCH_BARE)));
        tool.push_back(startupMs(QStringLiteral(BENCH_TOOL)));
        // Each pair ran back to back, under much the same load.
        ratios.push_back(tool.back() / bare.back());
    }

    std::fprintf(stderr, "detection...\n");
    std::vector<double> reported, listening, attached;
    {
        Unit unit(dir);
        for (int run = 0; run < detectionRuns; ++run) {
            Tool detecting(unit.port);
            listening.push_back(detecting.msUntil("listening for data on"));
            reported.push_back(detecting.msUntil("version"));
            // As a person at the tank starts it: the unit on the line.
            attached.push_back(startupMs(QStringLiteral(BENCH_TOOL), unit.port));
        }
    }

    std::fprintf(stderr, "detection behind silent candidates...\n");
    std::vector<double> behindSilent, behindSilentListening;
    {
        Unit first(dir, {"--silent"}), second(dir, {"--silent"}), third(dir, {"--silent"}),
            fourth(dir, {"--silent"}), unit(dir);
        const QString ports =
            QStringList{first.port, second.port, third.port, fourth.port, unit.port}.join(u':');
        for (int run = 0; run < detectionRuns; ++run) {
            Tool detecting(ports);
            // Every candidate is opened in the same turn; the first to settle shows when.
            behindSilentListening.push_back(detecting.msUntil("listening for data on"));
            behindSilent.push_back(detecting.msUntil("version"));
        }
    }

    std::fprintf(stderr, "plug-in...\n");
    std::vector<double> plugIn;
    for (int run = 0; run < plugInRuns; ++run)
        plugIn.push_back(plugInMs(dir, run));

    std::fprintf(stderr, "idle without a unit...\n");
    const Idle idle = idleWithoutUnit(dir, idleSpanMs);

    std::fprintf(stderr, "event loop during detection...\n");
    std::vector<double> pauses;
    {
        // Two units answer; the window takes one and lists both.
        Unit first(dir, {"--silent"}), second(dir), unit(dir);
        const QString ports =
            first.port + QLatin1Char(':') + second.port + QLatin1Char(':') + unit.port;
        for (int run = 0; run < pauseRuns; ++run) {
            const QByteArray output =
                runToEnd(QStringLiteral(BENCH_TOOL), {}, ports, 30000, QStringLiteral("pauses"));
            const QByteArrayList pause = parseLines(output).value("pause-longest");
            if (pause.isEmpty())
                fail(QStringLiteral("no pause reported"), output);
            pauses.push_back(pause.first().toDouble());
        }
    }

    std::fprintf(stderr, "settled to form filled...\n");
    std::vector<double> filled;
    {
        // A unit on a real line: its answer takes the line's time to arrive.
        Unit unit(dir, {"--baud", "19200", "--settings",
                        "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0;111;111"});
        for (int run = 0; run < filledRuns; ++run) {
            const QByteArray output = runToEnd(QStringLiteral(BENCH_TOOL), {}, unit.port, 30000,
                                               QStringLiteral("filled"));
            const QByteArrayList ms = parseLines(output).value("filled");
            if (ms.isEmpty())
                fail(QStringLiteral("the form was never filled"), output);
            filled.push_back(ms.first().toDouble());
        }
    }

    std::fprintf(stderr, "hang-up...\n");
    const HangUp hangUp = cpuAroundHangUp(dir);

    std::fprintf(stderr, "long session...\n");
    const auto bareSession = parseLines(
        runToEnd(QStringLiteral(BENCH_BARE), {}, QString(), 30000, QStringLiteral("session")));
    QHash<QByteArray, QByteArrayList> toolSession;
    QByteArray unitLog;
    {
        Unit unit(dir);
        const QByteArray output =
            runToEnd(QStringLiteral(BENCH_TOOL), {}, unit.port, 120000, QStringLiteral("session"));
        toolSession = parseLines(output);
        if (toolSession.contains("failed") || !toolSession.contains("roundtrip"))
            fail(QStringLiteral("the long session failed"), output);
        unitLog = unit.lines();
    }
    // What the unit received proves the session did what it claims.
    const auto countLines = [&unitLog](const char *start) {
        int count = 0;
        for (const QByteArray &line : unitLog.split('\n'))
            count += line.startsWith(start);
        return count;
    };
    // The read when the unit is found, and each send asks its record back,
    // so every round trip makes two requests.
    if (countLines("adjust ") != 221 || countLines("stop") != 1 ||
        countLines("settings ") != 1000 || countLines("request") != 2001)
        fail(QStringLiteral("the unit did not receive the whole session"), unitLog);

    std::fprintf(stderr, "per call...\n");
    const QString csv = QString::fromLatin1(
        runToEnd(QStringLiteral(BENCH_CALLS), {"-csv", "-minimumvalue", "100", "-median", "5"},
                 QString(), 300000));
    const QHash<QString, double> calls = perCallMs(csv);
    const double createUs = calls.value(QStringLiteral("createDataString")) * 1000;
    const double readUs = calls.value(QStringLiteral("readDataString")) * 1000;
    const double keepMs = calls.value(QStringLiteral("keepHistory"));
    const double listMs = calls.value(QStringLiteral("listHistory"));
    // 1 MiB a call.
    const double randomMBs =
        (1 << 20) / 1e6 / (calls.value(QStringLiteral("receiverandom")) / 1000);
    const double framesMBs =
        (1 << 20) / 1e6 / (calls.value(QStringLiteral("receiveframes")) / 1000);
    if (createUs <= 0 || readUs <= 0 || keepMs <= 0 || listMs <= 0 || !(randomMBs > 0) ||
        !(framesMBs > 0))
        fail(QStringLiteral("unexpected per-call output"), csv.toLatin1());

    const double bareStart = median(bare), toolStart = median(tool);
    const double detected = median(reported);
    const double roundTrip = toolSession.value("roundtrip").value(0).toDouble();
    const double roundTrip90 = toolSession.value("roundtrip").value(1).toDouble();
    const double bareKb = bareSession.value("peak-shown").value(0).toDouble();
    const double detectedKb = toolSession.value("peak-detected").value(0).toDouble();
    const double halfKb = toolSession.value("peak-half").value(0).toDouble();
    const double usedKb = toolSession.value("peak-used").value(0).toDouble();
    if (bareKb <= 0 || detectedKb <= 0 || halfKb <= 0 || usedKb <= 0)
        fail(QStringLiteral("a peak memory figure is missing"));

    std::printf("\n%s, %d cores, load %s at the start, Qt %s, platform: %s\n\n",
                qPrintable(QDate::currentDate().toString(Qt::ISODate)), QThread::idealThreadCount(),
                load.constData(), qVersion(), qPrintable(platform()));
    std::printf("| figure | measured | baseline in the same run | result | target |\n");
    std::printf("|---|---|---|---|---|\n");
    row("start-up to first frame",
        ms(toolStart) + QStringLiteral(" (median of %1)").arg(startupRuns),
        QStringLiteral("bare QMainWindow ") + ms(bareStart),
        QString::number(median(ratios), 'f', 2) + QStringLiteral("x (median of the pairs)"),
        "<= 1.5x");
    row("start-up to first frame, unit attached",
        ms(median(attached)) + QStringLiteral(" (median of %1)").arg(detectionRuns),
        QStringLiteral("bare QMainWindow ") + ms(bareStart),
        QString::number(median(attached) / bareStart, 'f', 2) + QStringLiteral("x"), "<= 1.5x");
    row("detection, start to unit reported",
        ms(detected) + QStringLiteral(" (median of %1; port settled at %2)")
                           .arg(detectionRuns)
                           .arg(ms(median(listening))),
        QStringLiteral("the 500 ms wait"), QStringLiteral("+") + ms(detected - openWaitMs),
        "<= +20 ms");
    row("detection, unit behind four silent candidates",
        ms(median(behindSilent)) + QStringLiteral(" (median of %1; first port settled at %2)")
                                       .arg(detectionRuns)
                                       .arg(ms(median(behindSilentListening))),
        QStringLiteral("the unit alone ") + ms(detected), ms(median(behindSilent)), "<= 600 ms");
    row("plug-in to detected",
        ms(median(plugIn)) + QStringLiteral(" (median of %1; worst %2)")
                                 .arg(plugInRuns)
                                 .arg(ms(*std::max_element(plugIn.begin(), plugIn.end()))),
        QStringLiteral("the 500 ms wait"), ms(median(plugIn)), "<= 600 ms");
    row("wake-ups, no unit, idle",
        QString::number(idle.wakeUpsPerSecond, 'f', 2) +
            QStringLiteral(" per second over %1 s").arg(idleSpanMs / 1000),
        QStringLiteral("%1 changes by other programs in the watched %2 meanwhile")
            .arg(idle.folderChanges)
            .arg(idle.folder),
        QString::number(idle.wakeUpsPerSecond, 'f', 2) + QStringLiteral(" /s"), "<= 0.1 /s");
    row("longest event-loop pause, detection over three candidates, two units",
        ms(median(pauses)) + QStringLiteral(" (median of %1; worst %2)")
                                 .arg(pauseRuns)
                                 .arg(ms(*std::max_element(pauses.begin(), pauses.end()))),
        QStringLiteral("a candidate's 500 ms settle"), ms(median(pauses)), "<= 20 ms");
    row("settled to form filled",
        ms(median(filled)) + QStringLiteral(" (median of %1; worst %2)")
                                 .arg(filledRuns)
                                 .arg(ms(*std::max_element(filled.begin(), filled.end()))),
        QStringLiteral("the request and the answer on a 19200 baud line ") +
            ms((8 + 63) / lineBytesPerSecond * 1000),
        ms(median(filled)), "<= 100 ms");
    row("CPU after hang-up", QString::number(hangUp.hungUpPercent, 'f', 2) + QStringLiteral(" %"),
        QStringLiteral("detected and idle ") + QString::number(hangUp.idlePercent, 'f', 2) +
            QStringLiteral(" %"),
        QString::number(hangUp.hungUpPercent, 'f', 2) + QStringLiteral(" % of a core over 3 s"),
        "< 1 %");
    row("receive round trip",
        ms(roundTrip) + QStringLiteral(" (median of 1000; 90%: %1)").arg(ms(roundTrip90)),
        QStringLiteral("the same bytes on a 19200 baud line ") +
            ms(roundTripLineBytes / lineBytesPerSecond * 1000),
        ms(roundTrip), "<= 5 ms");
    row("createDataString", QString::number(createUs, 'f', 1) + QStringLiteral(" us/call"),
        QStringLiteral("-"), QString::number(createUs, 'f', 1) + QStringLiteral(" us"), "-");
    row("readDataString", QString::number(readUs, 'f', 1) + QStringLiteral(" us/call"),
        QStringLiteral("-"), QString::number(readUs, 'f', 1) + QStringLiteral(" us"), "-");
    row("history kept before a send, 200 entries", ms(keepMs) + QStringLiteral("/send"),
        QStringLiteral("the send's round trip ") + ms(roundTrip), QStringLiteral("+") + ms(keepMs),
        "<= +20 ms");
    row("history of 200 entries read for a list", ms(listMs), QStringLiteral("-"), ms(listMs),
        "<= 50 ms");
    row("reception, random bytes", QString::number(randomMBs, 'f', 1) + QStringLiteral(" MB/s"),
        QStringLiteral("the line's 1920 B/s"),
        QString::number(randomMBs * 1e6 / lineBytesPerSecond, 'f', 0) + QStringLiteral("x"),
        ">= 50 MB/s");
    row("reception, back-to-back frames",
        QString::number(framesMBs, 'f', 1) + QStringLiteral(" MB/s"),
        QStringLiteral("the line's 1920 B/s"),
        QString::number(framesMBs * 1e6 / lineBytesPerSecond, 'f', 0) + QStringLiteral("x"),
        ">= 50 MB/s");
    row("peak memory after detection", mib(detectedKb),
        QStringLiteral("bare QMainWindow ") + mib(bareKb),
        QString::number(detectedKb / bareKb, 'f', 2) + QStringLiteral("x"), "<= 1.3x");
    row("peak memory after 221 adjust steps and 1000 round trips", mib(usedKb),
        QStringLiteral("after detection ") + mib(detectedKb),
        QStringLiteral("+%1 kB, of which +%2 kB in the last 500 round trips")
            .arg(usedKb - detectedKb)
            .arg(usedKb - halfKb),
        "no growth");
    return 0;
}
