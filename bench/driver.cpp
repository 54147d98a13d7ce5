// Runs every benchmark and prints one table. Each figure stands beside a
// baseline taken in the same run, because these machines are too noisy for
// absolute numbers to compare from one run to the next.

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace
{

constexpr int startupRuns = 15;
constexpr int detectionRuns = 10;
constexpr int pauseRuns = 5;
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

struct Detection {
    double reportedMs;  // process start to the unit reported in the window
    double listeningMs; // process start to the port open and settled
};

// kv3318-config itself: its debug lines say when the port was open and when
// the window took in the unit.
Detection detect(const Unit &unit)
{
    QProcess tool;
    tool.setProcessEnvironment(environment(unit.port));
    tool.setProcessChannelMode(QProcess::MergedChannels);
    const qint64 start = nowNs();
    tool.start(QStringLiteral(BENCH_CONFIG));
    Detection result{0, 0};
    QByteArray output;
    while (result.reportedMs == 0 && tool.waitForReadyRead(5000)) {
        while (tool.canReadLine()) {
            const QByteArray line = tool.readLine();
            output += line;
            const double ms = (nowNs() - start) / 1e6;
            if (line.startsWith("listening for data on"))
                result.listeningMs = ms;
            else if (line.startsWith("version"))
                result.reportedMs = ms;
        }
    }
    tool.kill();
    tool.waitForFinished(3000);
    if (result.reportedMs == 0)
        fail(QStringLiteral("the tool did not report the unit"), output + tool.readAll());
    return result;
}

// CPU time the process has used so far, in milliseconds.
double cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // utime and stime, in clock ticks, follow the parenthesised command name.
    const QByteArrayList fields = stat.readAll().split(')').last().split(' ');
    return (fields.value(12).toDouble() + fields.value(13).toDouble()) * 1000 /
           sysconf(_SC_CLK_TCK);
}

// Reads the tool's debug lines until one starts with `start`.
bool waitForLine(QProcess &tool, const char *start, QByteArray &output)
{
    while (tool.waitForReadyRead(5000)) {
        while (tool.canReadLine()) {
            const QByteArray line = tool.readLine();
            output += line;
            if (line.startsWith(start))
                return true;
        }
    }
    return false;
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
    QProcess tool;
    tool.setProcessEnvironment(environment(unit.port));
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(BENCH_CONFIG));
    QByteArray output;
    if (!waitForLine(tool, "version", output))
        fail(QStringLiteral("the tool did not report the unit"), output);
    const auto share = [&tool] {
        const double before = cpuMs(tool.processId());
        QThread::msleep(spanMs);
        return (cpuMs(tool.processId()) - before) * 100 / spanMs;
    };
    HangUp result{share(), 0};
    unit.stop();
    if (!waitForLine(tool, "device lost:", output))
        fail(QStringLiteral("the tool did not notice the hang-up"), output);
    result.hungUpPercent = share();
    tool.kill();
    tool.waitForFinished(3000);
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
            const Detection detection = detect(unit);
            reported.push_back(detection.reportedMs);
            listening.push_back(detection.listeningMs);
            // As a person at the tank starts it: the unit on the line.
            attached.push_back(startupMs(QStringLiteral(BENCH_TOOL), unit.port));
        }
    }

    std::fprintf(stderr, "event loop during detection...\n");
    std::vector<double> pauses;
    {
        Unit first(dir, {"--silent"}), second(dir, {"--silent"}), unit(dir);
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
    if (countLines("adjust ") != 221 || countLines("stop") != 1 ||
        countLines("settings ") != 1000 || countLines("request") != 1000)
        fail(QStringLiteral("the unit did not receive the whole session"), unitLog);

    std::fprintf(stderr, "per call...\n");
    const QString csv = QString::fromLatin1(
        runToEnd(QStringLiteral(BENCH_CALLS), {"-csv", "-minimumvalue", "100", "-median", "5"},
                 QString(), 300000));
    const QHash<QString, double> calls = perCallMs(csv);
    const double createUs = calls.value(QStringLiteral("createDataString")) * 1000;
    const double readUs = calls.value(QStringLiteral("readDataString")) * 1000;
    // 1 MiB a call.
    const double randomMBs =
        (1 << 20) / 1e6 / (calls.value(QStringLiteral("receiverandom")) / 1000);
    const double framesMBs =
        (1 << 20) / 1e6 / (calls.value(QStringLiteral("receiveframes")) / 1000);
    if (createUs <= 0 || readUs <= 0 || !(randomMBs > 0) || !(framesMBs > 0))
        fail(QStringLiteral("unexpected per-call output"), csv.toLatin1());

    const double bareStart = median(bare), toolStart = median(tool);
    const double detected = median(reported);
    const double roundTrip = toolSession.value("roundtrip").value(0).toDouble();
    const double roundTrip90 = toolSession.value("roundtrip").value(1).toDouble();
    const double bareKb = bareSession.value("peak-shown").value(0).toDouble();
    const double detectedKb = toolSession.value("peak-detected").value(0).toDouble();
    const double halfKb = toolSession.value("peak-half").value(0).toDouble();
    const double usedKb = toolSession.value("peak-used").value(0).toDouble();

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
    row("longest event-loop pause, detection over three candidates",
        ms(median(pauses)) + QStringLiteral(" (median of %1; worst %2)")
                                 .arg(pauseRuns)
                                 .arg(ms(*std::max_element(pauses.begin(), pauses.end()))),
        QStringLiteral("a candidate's 500 ms settle"), ms(median(pauses)), "<= 20 ms");
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
    std::printf("\nDebug output off in the reception figures through the logging rule "
                "\"kv3318.link.debug=false\" (as QT_LOGGING_RULES would set it).\n");
    return 0;
}
