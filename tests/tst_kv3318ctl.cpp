#include "pseudoterminal.h"
#include "records.h"
#include "virtualunitprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace
{
const QString basicRecord = exampleRecord;
const QString waveRecord = "0;0;0;0;0;0;0;100;100;30;1;0;0;1;0;1;1;1;30;0";
const QString extendedRecord = basicRecord + ";111;111";

// kv3318ctl with its candidates set; runs while the test goes on.
std::unique_ptr<QProcess> startCtl(const QStringList &ports, const QStringList &arguments)
{
    auto ctl = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KV3318_PORTS", ports.join(':'));
    ctl->setProcessEnvironment(environment);
    ctl->start(KV3318_CTL, arguments);
    return ctl;
}

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome finish(QProcess &ctl)
{
    // The units are processes of their own, so waiting here holds up nothing.
    if (ctl.state() != QProcess::NotRunning && !ctl.waitForFinished(15000))
        return {};
    return {ctl.exitCode(), QString::fromLocal8Bit(ctl.readAllStandardOutput()).trimmed(),
            QString::fromLocal8Bit(ctl.readAllStandardError()).trimmed()};
}

Outcome run(const QStringList &ports, const QStringList &arguments)
{
    return finish(*startCtl(ports, arguments));
}

// A line of bash with kv3318ctl as $CTL, as a script would run it.
Outcome runShell(const QStringList &ports, const QString &script, const QStringList &arguments = {})
{
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KV3318_PORTS", ports.join(':'));
    environment.insert("CTL", KV3318_CTL);
    shell.setProcessEnvironment(environment);
    shell.start("bash", QStringList{"-c", script, "bash"} + arguments);
    return finish(shell);
}

QString writeFile(const QTemporaryDir &folder, const QByteArray &content)
{
    const QString name = folder.filePath("settings.txt");
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return name;
}
} // namespace

class CtlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEveryUnit()
    {
        PseudoTerminal silentLine;
        VirtualUnitProcess silentUnit({"--silent"});
        VirtualUnitProcess a({"--firmware", "1.0.10.1"}), b({"--firmware", "1.0.10.2"}),
            c({"--firmware", "2.0.0.0"});
        const Outcome found = run({silentLine.slavePath(), a.portPath(), silentUnit.portPath(),
                                   b.portPath(), c.portPath()},
                                  {"list"});
        QCOMPARE(found.status, 0);
        QCOMPARE(found.out, QStringList({a.portPath() + "\t1.0.10.1", b.portPath() + "\t1.0.10.2",
                                         c.portPath() + "\t2.0.0.0"})
                                .join('\n'));
        const Outcome none = run({silentLine.slavePath(), silentUnit.portPath()}, {"list"});
        QCOMPARE(none.status, 2);
        QVERIFY(none.err.contains("no unit found"));

        const QJsonArray units =
            QJsonDocument::fromJson(
                run({a.portPath(), c.portPath()}, {"list", "--json"}).out.toUtf8())
                .array();
        QCOMPARE(units.size(), 2);
        QCOMPARE(
            units[0].toObject(),
            QJsonObject({{"port", a.portPath()}, {"firmware", "1.0.10.1"}, {"recordLength", 20}}));
        QCOMPARE(units[1].toObject().value("recordLength").toInt(), 22);
    }

    void roundTrips_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("tail");
        // The file ends as get's output redirected to it does, on Linux and on Windows.
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("basic") << "1.0.10.1"
                               << "" << QByteArray("\n");
        QTest::newRow("extended") << "1.0.10.2"
                                  << ";111;111" << QByteArray("\r\n");
    }

    void roundTrips()
    {
        QFETCH(QString, firmware);
        QFETCH(QString, tail);
        QFETCH(QByteArray, lineEnd);
        VirtualUnitProcess unit({"--firmware", firmware});
        QTemporaryDir folder;
        const QString record = basicRecord + tail;
        const QString file = writeFile(folder, record.toLatin1() + lineEnd);

        Outcome put = run({unit.portPath()}, {"put", file});
        QCOMPARE(put.status, 0);
        QCOMPARE(put.out, record);
        QVERIFY(unit.waitForLine("settings " + record));
        QCOMPARE(run({unit.portPath()}, {"get"}).out, record);

        // The form's rules apply: a storm period of 0 days ends at 1 hour.
        const QString changed = QString(record).replace("1;100;80;0;0;50;50;30;30;38;10;1;1;26",
                                                        "2;100;80;0;0;50;50;30;30;38;12;1;1;1");
        const Outcome set = run({unit.portPath()}, {"set", "mode=sequential", "foodMinutes=12",
                                                    "stormDays=0", "stormHours=0"});
        QCOMPARE(set.status, 0);
        QCOMPARE(set.out, changed);
        QCOMPARE(set.err, "kv3318ctl: stormHours: 0 -> 1 (rule)");
        QVERIFY(unit.waitForLine("settings " + changed));
        // put's read-back, get, set, and set's read-back
        QCOMPARE(unit.lines().filter("request").size(), 4);
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QByteArray record = basicRecord.toLatin1();
        QTest::newRow("letter") << QStringList{"put"} << QByteArray(record).replace(";10;", ";1O;")
                                << 4
                                << "field 11 (food timer, minutes) is \"1O\"; allowed: 1 to 15";
        QTest::newRow("no record")
            << QStringList{"put"} << QByteArray("\x89PNG\r\n") << 4 << "not a settings record";
        QTest::newRow("out of range") << QStringList{"set", "foodMinutes=16"} << QByteArray() << 4
                                      << "foodMinutes: \"16\" is not allowed; allowed: 1 to 15";
        QTest::newRow("unknown name") << QStringList{"set", "colour=blue"} << QByteArray() << 4
                                      << "unknown setting \"colour\"";
        QTest::newRow("wave end") << QStringList{"wave", "--to", "2.6"} << QByteArray() << 4
                                  << "--to: waveSeconds";
        QTest::newRow("reserved field")
            << QStringList{"put"} << record + ";111;x" << 4 << "field 22 (reserved) is \"x\"";
        QTest::newRow("control characters shown")
            << QStringList{"put"} << record + "\n\n"
            << 4 << "field 20 (wave inverse, 0 or 1) is \"0\\n\"";
        QTest::newRow("no command") << QStringList{} << QByteArray() << 1 << "no command";
        QTest::newRow("option of another")
            << QStringList{"wave", "--json"} << QByteArray() << 1 << "wave: takes no --json";
        QTest::newRow("unknown option")
            << QStringList{"get", "--bogus"} << QByteArray() << 1 << "unknown option \"--bogus\"";
        QTest::newRow("firmware without dry run")
            << QStringList{"put", "--firmware", "1.0.10.2"} << record << 1
            << "--firmware goes with --dry-run";
        // A set that changes nothing, or changes something unnamed, is a
        // mistake of the caller, not a value out of range.
        QTest::newRow("set nothing")
            << QStringList{"set"} << QByteArray() << 1 << "set: wrong number of arguments";
        QTest::newRow("set without a value") << QStringList{"set", "foodMinutes"} << QByteArray()
                                             << 1 << "\"foodMinutes\" is not NAME=VALUE";
        QTest::newRow("named twice") << QStringList{"set", "foodMinutes=10", "foodMinutes=11"}
                                     << QByteArray() << 1 << "foodMinutes is named twice";
        QTest::newRow("json not an object")
            << QStringList{"put", "--json"} << QByteArray("[1]") << 4 << "not a JSON object";
        QTest::newRow("json missing a setting")
            << QStringList{"put", "--json"} << QByteArray("{\"mode\": \"pulse\"}") << 4
            << "power1Socket1: missing";
    }

    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir folder;
        if (!file.isNull())
            arguments << writeFile(folder, file);
        // Refused before any port is opened: the only candidate is missing,
        // and trying it would say so instead.
        const Outcome outcome = run({"/nonexistent/ttyUSB7"}, arguments);
        QCOMPARE(outcome.status, status);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QCOMPARE(outcome.err.count('\n'), 0);
        QVERIFY(!outcome.err.endsWith('.'));
    }

    // What a script does with the output: a backup restored from its file and
    // through a pipe, and a file from an editor, with its CRLF. Each put reads
    // the unit's settings back.
    void backupRestores()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.2", "--settings", basicRecord});
        QTemporaryDir folder;
        const QString backup = folder.filePath("backup.txt");
        const Outcome fromFile =
            runShell({unit.portPath()}, "\"$CTL\" get > \"$1\" && \"$CTL\" put \"$1\"", {backup});
        QVERIFY2(fromFile.status == 0, qPrintable(fromFile.err));
        QCOMPARE(fromFile.out, extendedRecord);
        const Outcome piped = runShell({unit.portPath()}, "\"$CTL\" get | \"$CTL\" put -");
        QVERIFY2(piped.status == 0, qPrintable(piped.err));
        QCOMPARE(piped.out, extendedRecord);
        const QString edited = writeFile(folder, otherRecord + ";111;111\r\n");
        QCOMPARE(run({unit.portPath()}, {"put", edited}).status, 0);
        QCOMPARE(run({unit.portPath()}, {"get"}).out, otherRecord + ";111;111");
        QVERIFY(unit.waitForLine("settings " + otherRecord + ";111;111"));
        QCOMPARE(unit.lines().filter(QRegularExpression("^settings")).size(), 3);
        QCOMPARE(unit.lines().filter("request").size(), 6);
    }

    // A backup that did not reach its file is no backup: every command's
    // output is checked, and its failure has a status of its own.
    void failedOutputIsAFailure_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reason");
        const QString full = "no space left on device";
        QTest::newRow("get to a full disk") << "\"$CTL\" get > /dev/full" << full;
        QTest::newRow("json to a full disk") << "\"$CTL\" get --json > /dev/full" << full;
        QTest::newRow("list to a full disk") << "\"$CTL\" list > /dev/full" << full;
        QTest::newRow("help to a full disk") << "\"$CTL\" help settings > /dev/full" << full;
        // Closed, its number must not pass to whatever the program opens
        // next, a port or a pipe of its own, and take the output there.
        const QString closed = "bad file descriptor";
        QTest::newRow("get with output closed") << "\"$CTL\" get >&-" << closed;
        QTest::newRow("get with input and output closed") << "\"$CTL\" get <&- >&-" << closed;
    }

    void failedOutputIsAFailure()
    {
        QFETCH(QString, script);
        QFETCH(QString, reason);
        VirtualUnitProcess unit;
        const Outcome outcome = runShell({unit.portPath()}, script);
        QCOMPARE(outcome.status, 6);
        QCOMPARE(outcome.err, "kv3318ctl: standard output could not be written: " + reason);
        QVERIFY(unit.lines().filter(QRegularExpression("^(settings|other)")).isEmpty());
    }

    // A unit that changes a setting on its own: put and diff name the field,
    // counted from 1 as the manual page counts.
    void putReadsBackAndDiffCompares()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--hold", "11=12"});
        QTemporaryDir folder;
        const QString file = writeFile(folder, basicRecord.toLatin1());
        const Outcome put = run({unit.portPath()}, {"put", file});
        QCOMPARE(put.status, 3);
        QCOMPARE(put.err, "kv3318ctl: " + unit.portPath() +
                              ": the unit reads back differently: field 11 (food timer, minutes) "
                              "is 12, not 10");
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(unit.lines(), QStringList({"probe", "settings " + basicRecord, "request"}));

        const Outcome differs = run({unit.portPath()}, {"diff", file});
        QCOMPARE(differs.status, 5);
        QCOMPARE(differs.out, "field 11 (food timer, minutes): 10 in the file, 12 on the unit");
        const QString held =
            writeFile(folder, QString(basicRecord).replace(";38;10;", ";38;12;").toLatin1());
        const Outcome equal = run({unit.portPath()}, {"diff", held});
        QCOMPARE(equal.status, 0);
        QCOMPARE(equal.out, "");
    }

    // Every port that could not be opened is named with its reason, by the
    // commands that want one unit and by list.
    void openFailuresSayWhy()
    {
        VirtualUnitProcess unit({"--settings", waveRecord});
        std::unique_ptr<QProcess> holder = startCtl({unit.portPath()}, {"wave"});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        const QStringList ports{"/nonexistent/ttyUSB7", unit.portPath()};
        const QString reasons =
            "kv3318ctl: /nonexistent/ttyUSB7: not found\nkv3318ctl: " + unit.portPath() +
            ": in use by another program\n";
        for (const char *command : {"get", "list"}) {
            const Outcome outcome = run(ports, {command});
            QCOMPARE(outcome.status, 2);
            QCOMPARE(outcome.err, reasons + "kv3318ctl: no unit found on 2 candidate ports");
        }
        ::kill(pid_t(holder->processId()), SIGINT);
        QCOMPARE(finish(*holder).status, 130);
    }

    // A copy of kv3318ctl in a folder of its own, where its network module
    // is not: serial ports work as ever, a network port fails with the
    // reason, and nothing crashes.
    void networkPortWithoutItsModule()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir("bin"));
        const QString copy = root.filePath("bin/kv3318ctl");
        QVERIFY(QFile::copy(KV3318_CTL, copy));
        VirtualUnitProcess unit({"--settings", extendedRecord});
        const QString url = "socket://127.0.0.1:1";
        const auto runCopy = [&copy](const QStringList &arguments) {
            QProcess ctl;
            ctl.start(copy, arguments);
            return finish(ctl);
        };

        const Outcome serial = runCopy({"--port", unit.portPath(), "get"});
        QCOMPARE(serial.status, 0);
        QCOMPARE(serial.out, extendedRecord);
        const Outcome network = runCopy({"--port", url, "--port", unit.portPath(), "list"});
        QCOMPARE(network.status, 0);
        QCOMPARE(network.out, unit.portPath() + "\t1.0.10.2");
        const Outcome alone = runCopy({"--port", url, "get"});
        QCOMPARE(alone.status, 2);
        const QString said = alone.err.split('\n').first();
        QVERIFY2(said.startsWith("kv3318ctl: " + url +
                                 ": network support could not be loaded from " + root.path() + "/"),
                 qPrintable(alone.err));
    }

    // A signal while a command waits for the unit ends it through its
    // clean-up, its port closed and its lock released, with the signal's
    // status: while the candidates are probed, or while the unit is asked.
    void endedBySignalWhileWaiting_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("answersProbe");
        QTest::addColumn<int>("signal");
        QTest::newRow("list probing") << QStringList{"list"} << false << SIGTERM;
        QTest::newRow("get probing") << QStringList{"get"} << false << SIGINT;
        QTest::newRow("get asking") << QStringList{"get"} << true << SIGTERM;
        QTest::newRow("set asking") << QStringList{"set", "foodMinutes=3"} << true << SIGHUP;
        QTest::newRow("put reading back") << QStringList{"put", "-"} << true << SIGTERM;
    }
    void endedBySignalWhileWaiting()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, answersProbe);
        QFETCH(int, signal);
        PseudoTerminal line;
        std::unique_ptr<QProcess> ctl = startCtl({line.slavePath()}, arguments);
        ctl->write(basicRecord.toLatin1());
        ctl->closeWriteChannel();
        QCOMPARE(line.read(4, 5000), QByteArray("\x02?\x03\r"));
        if (answersProbe) {
            QVERIFY(line.write(frame("KV3318 1.0.10.1")));
            QVERIFY(line.read(200, 1000).endsWith(frame("0data")));
        }
        ::kill(pid_t(ctl->processId()), signal);
        const Outcome outcome = finish(*ctl);
        QCOMPARE(ctl->exitStatus(), QProcess::NormalExit);
        QCOMPARE(outcome.status, 128 + signal);
        QVERIFY(QSerialPort(line.slavePath()).open(QIODevice::ReadWrite));
    }

    // The form's rules move settings that were not named: each is said.
    void setSaysWhatTheRulesChanged()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--settings",
                                 "0;100;100;50;50;100;100;50;50;30;1;0;0;1;0;1;1;0;30;0"});
        const Outcome set =
            run({unit.portPath()}, {"set", "waveController=on", "waveSeconds=0.30"});
        QCOMPARE(set.status, 0);
        QCOMPARE(set.out, "0;100;100;0;0;100;100;100;100;30;1;0;0;1;0;1;1;1;30;0");
        QCOMPARE(set.err.split('\n'), QStringList({"kv3318ctl: power1Socket3: 50 -> 0 (rule)",
                                                   "kv3318ctl: power1Socket4: 50 -> 0 (rule)",
                                                   "kv3318ctl: power2Socket3: 50 -> 100 (rule)",
                                                   "kv3318ctl: power2Socket4: 50 -> 100 (rule)"}));
    }

    // A dry run checks a file with no unit attached: against the length it
    // was written for, or the one the named firmware takes. The only
    // candidate is missing, so a dry run that probed would fail.
    void dryRunNeedsNoUnit_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        const QByteArray extended = extendedRecord.toLatin1();
        QTest::newRow("its own length")
            << QStringList{} << basicRecord.toLatin1() << 0 << basicRecord;
        QTest::newRow("extended firmware")
            << QStringList{"--firmware", "1.0.10.2"} << extended + "\r\n"
            << 0 << extendedRecord;
        QTest::newRow("basic firmware")
            << QStringList{"--firmware", "1.0.10.1"} << extended << 4 << "";
        QTest::newRow("written as the window writes it")
            << QStringList{"--firmware", "1.0.10.1"}
            << QByteArray("0;0;0;0;0;0;0;0;0;030;1;0;0;1;0;1;1;0;30;0") << 0
            << "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
    }

    void dryRunNeedsNoUnit()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, out);
        QTemporaryDir folder;
        const Outcome outcome =
            run({"/nonexistent/ttyUSB7"},
                QStringList{"put", "--dry-run"} + arguments + QStringList{writeFile(folder, file)});
        QVERIFY2(outcome.status == status, qPrintable(outcome.err));
        QCOMPARE(outcome.out, out);
        if (status != 0)
            QVERIFY2(
                outcome.err.contains(
                    "a record of 22 fields, but the unit's firmware takes 20 (firmware 1.0.10.1)"),
                qPrintable(outcome.err));
    }

    // What get --json prints, put --json takes back, edited or not, on a
    // unit of either record length; get NAME gives single values.
    void jsonRoundTrips()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.2", "--settings", basicRecord});
        const Outcome first = run({unit.portPath()}, {"get", "--json"});
        QCOMPARE(first.status, 0);
        const QJsonObject object = QJsonDocument::fromJson(first.out.toUtf8()).object();
        QCOMPARE(object.value("port").toString(), unit.portPath());
        QCOMPARE(object.value("firmware").toString(), "1.0.10.2");
        QCOMPARE(object.value("recordLength").toInt(), 22);
        QCOMPARE(object.value("pulseSeconds").toDouble(), 0.38);
        QCOMPARE(object.value("stormDays").toInt(), 1);
        QCOMPARE(object.value("stormHours").toInt(), 2);

        QString edited = first.out;
        // 0.57 s is no whole number of hundredths as a double.
        edited.replace("\"foodMinutes\": 10", "\"foodMinutes\": 11")
            .replace("\"pulseSeconds\": 0.38", "\"pulseSeconds\": 0.57");
        std::unique_ptr<QProcess> put = startCtl({unit.portPath()}, {"put", "--json", "-"});
        put->write(edited.toUtf8());
        put->closeWriteChannel();
        const Outcome sent = finish(*put);
        QVERIFY2(sent.status == 0, qPrintable(sent.err));
        QCOMPARE(sent.out, QString(extendedRecord).replace(";38;10;", ";57;11;"));
        QCOMPARE(run({unit.portPath()}, {"get", "--json"}).out, edited);
        QCOMPARE(run({unit.portPath()}, {"get", "foodMinutes", "pulseSeconds", "mode"}).out,
                 "11\n0.57\ninterval");

        VirtualUnitProcess older({"--firmware", "1.0.10.1"});
        put = startCtl({older.portPath()}, {"put", "--json", "-"});
        put->write(edited.toUtf8());
        put->closeWriteChannel();
        const Outcome shorter = finish(*put);
        QVERIFY2(shorter.status == 0, qPrintable(shorter.err));
        QCOMPARE(shorter.out, QString(basicRecord).replace(";38;10;", ";57;11;"));
    }

    // A run from 2.49 s sends 2.49, then the end, 2.50, one step later, and
    // stops there at once rather than a step later.
    void waveEndsAtItsEnd()
    {
        VirtualUnitProcess unit({"--settings", QString(waveRecord).replace(";1;30;0", ";1;249;0")});
        QElapsedTimer clock;
        clock.start();
        const Outcome wave = run({unit.portPath()}, {"wave"});
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(wave.status, 0);
        QCOMPARE(wave.out, "2.49\n2.50");
        QVERIFY(unit.waitForLine("stop"));
        QCOMPARE(unit.lines(),
                 QStringList({"probe", "request", "adjust 249;0", "adjust 250;0", "stop"}));
    }

    // Each command's own help, and every setting's range from the table of
    // limits; Qt's options are never offered.
    void helpComesFromTheTables()
    {
        const Outcome general = run({}, {"--help"});
        QCOMPARE(general.status, 0);
        QVERIFY(general.out.contains("\n  5      diff: the file and the unit differ\n"));
        QVERIFY(!general.out.contains("help-all") && !general.out.contains("Qt"));
        const Outcome get = run({}, {"get", "--help"});
        QVERIFY(get.out.startsWith("Usage: kv3318ctl [options] get [NAME...]\n"));
        QVERIFY(get.out.contains("--json") && !get.out.contains("--dry-run"));
        QCOMPARE(run({}, {"help", "get"}).out, get.out);
        const QStringList settings = run({}, {"help", "settings"}).out.split('\n');
        QCOMPARE(settings.filter(QRegularExpression("^  [a-z][A-Za-z0-9]+ ")).size(), 22);
        QVERIFY(settings.contains("  waveSeconds        seconds  0.30 to 2.50 in steps of 0.01"));
    }

    // A unit that goes away mid-command ends it with status 2, not a wait.
    void lostUnit()
    {
        PseudoTerminal line;
        std::unique_ptr<QProcess> get = startCtl({line.slavePath()}, {"get"});
        QCOMPARE(line.read(4, 5000), QByteArray("\x02?\x03\r"));
        QVERIFY(line.write(frame("KV3318 1.0.10.1")));
        QCOMPARE(line.read(8), frame("0data"));
        line.closeMaster();
        const Outcome lostInGet = finish(*get);
        QVERIFY2(lostInGet.status == 2, qPrintable(lostInGet.err));
        QVERIFY2(lostInGet.err.contains("lost"), qPrintable(lostInGet.err));

        auto unit = std::make_unique<VirtualUnitProcess>(QStringList{"--settings", waveRecord});
        std::unique_ptr<QProcess> wave = startCtl({unit->portPath()}, {"wave"});
        QVERIFY(unit->waitForLine("adjust 30;0", 5000));
        unit.reset(); // its end of the line closes with it
        QCOMPARE(finish(*wave).status, 2);
    }

    // However a run is ended from outside, the unit gets its stop byte, and
    // a signal's status tells how it ended.
    void interruptedWaveSendsStop_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("status");
        QTest::newRow("Ctrl+C") << SIGINT << 130;
        QTest::newRow("SIGTERM") << SIGTERM << 143;
        QTest::newRow("closed terminal") << SIGHUP << 129;
    }

    void interruptedWaveSendsStop()
    {
        QFETCH(int, signal);
        QFETCH(int, status);
        VirtualUnitProcess unit({"--settings", waveRecord});
        std::unique_ptr<QProcess> wave = startCtl({unit.portPath()}, {"wave"});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        ::kill(pid_t(wave->processId()), signal);
        QVERIFY(unit.waitForLine("stop"));
        const Outcome outcome = finish(*wave);
        QCOMPARE(outcome.status, status);
        QCOMPARE(outcome.out, "0.30");
    }

    // `wave | head -n1`: the reader goes, the next step cannot be written,
    // and the run ends with its stop byte rather than with the program.
    void waveIntoAClosedPipeSendsStop()
    {
        VirtualUnitProcess unit({"--settings", waveRecord});
        QProcess shell;
        shell.start("bash", {"-c", "\"$0\" --port \"$1\" wave | head -n 1; exit ${PIPESTATUS[0]}",
                             KV3318_CTL, unit.portPath()});
        QVERIFY(unit.waitForLine("stop", 8000));
        const Outcome outcome = finish(shell);
        QCOMPARE(outcome.out, "0.30");
        QVERIFY2(outcome.status != 0 && outcome.err.count('\n') == 0, qPrintable(outcome.err));
        QCOMPARE(unit.lines(),
                 QStringList({"probe", "request", "adjust 30;0", "adjust 31;0", "stop"}));
    }
};

QTEST_GUILESS_MAIN(CtlTest)
#include "tst_kv3318ctl.moc"
