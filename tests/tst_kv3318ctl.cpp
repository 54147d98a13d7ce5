// kv3318ctl as scripts use it: what needs a process, exit statuses,
// standard streams, pipes and signals. What it does with a unit is the
// session's, tested there.
#include "namedsettings.h"
#include "pseudoterminal.h"
#include "records.h"
#include "settingsrecord.h"
#include "unitnames.h"
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

// kv3318ctl, or a shell that runs it as $CTL, with its candidates set;
// runs while the test goes on.
std::unique_ptr<QProcess> startCtl(const QStringList &ports, const QStringList &arguments,
                                   const QString &program = KV3318_CTL)
{
    auto ctl = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KV3318_PORTS", ports.join(':'));
    environment.insert("CTL", KV3318_CTL);
    ctl->setProcessEnvironment(environment);
    ctl->start(program, arguments);
    return ctl;
}

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome finish(QProcess &ctl, const QByteArray &input = {})
{
    if (!input.isNull()) {
        ctl.write(input);
        ctl.closeWriteChannel();
    }
    // The units are processes of their own, so waiting here holds up nothing.
    if (ctl.state() != QProcess::NotRunning && !ctl.waitForFinished(15000))
        return {};
    return {ctl.exitCode(), QString::fromLocal8Bit(ctl.readAllStandardOutput()).trimmed(),
            QString::fromLocal8Bit(ctl.readAllStandardError()).trimmed()};
}

Outcome run(const QStringList &ports, const QStringList &arguments, const QByteArray &input = {})
{
    return finish(*startCtl(ports, arguments), input);
}

// A line of bash with kv3318ctl as $CTL, as a script would run it.
Outcome runShell(const QStringList &ports, const QString &script, const QStringList &arguments = {})
{
    return finish(*startCtl(ports, QStringList{"-c", script, "bash"} + arguments, "bash"));
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
    // Every test begins with no unit's history and no unit's name.
    void init()
    {
        data.emplace();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", data->filePath("config").toLocal8Bit());
    }

    // What a script does with the output: a backup restored through a pipe,
    // and from an editor with its CRLF; each put reads the unit's settings
    // back. A set says each value the rules moved.
    void settingsTravelThroughFilesAndPipes()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.2", "--settings", basicRecord});
        QTemporaryDir folder;
        const Outcome piped = runShell({unit.portPath()}, "\"$CTL\" get | \"$CTL\" put -");
        QVERIFY2(piped.status == 0, qPrintable(piped.err));
        QCOMPARE(piped.out, extendedRecord);
        // A file of the other length, from an editor with its CRLF.
        const QString edited = writeFile(folder, otherRecord + "\r\n");
        QCOMPARE(run({unit.portPath()}, {"put", edited}).status, 0);
        QCOMPARE(run({unit.portPath()}, {"get"}).out, otherRecord + ";111;111");

        const Outcome set = run({unit.portPath()}, {"set", "waveController=off", "stormDays=0",
                                                    "stormHours=0", "foodMinutes=12"});
        QCOMPARE(set.status, 0);
        QCOMPARE(set.out, "2;30;0;0;0;0;0;0;0;100;12;0;1;1;1;10;3;0;250;0;111;111");
        QCOMPARE(set.err.split('\n'), QStringList({"kv3318ctl: stormHours: 0 -> 1 (rule)",
                                                   "kv3318ctl: inverse: on -> off (rule)"}));
        QVERIFY(unit.waitForLine("settings " + set.out));
        QCOMPARE(unit.lines().filter(QRegularExpression("^settings")).size(), 3);

        // Each send kept what the unit held before it, a record once; the
        // newest entry puts back what the set replaced.
        const Outcome listed = run({}, {"--port", unit.portPath(), "history"});
        QVERIFY2(listed.out.contains("\t" + unit.portPath() + "\t1.0.10.2\tkv3318ctl\n2\t"),
                 qPrintable(listed.out));
        QCOMPARE(run({}, {"history", "show", "2"}).out, extendedRecord);
        const Outcome back =
            runShell({}, "\"$CTL\" --port \"$1\" history show 1 | \"$CTL\" --port \"$1\" put -",
                     {unit.portPath()});
        QVERIFY2(back.status == 0, qPrintable(back.err));
        QCOMPARE(run({unit.portPath()}, {"get"}).out, otherRecord + ";111;111");

        // A history that cannot be kept is said; the send is done.
        qputenv("XDG_DATA_HOME", "/proc/self/history");
        const Outcome unkept = run({unit.portPath()}, {"set", "foodMinutes=4"});
        QCOMPARE(unkept.status, 0);
        QVERIFY2(
            unkept.err.contains(unit.portPath() + ": the unit's former settings were not kept"),
            qPrintable(unkept.err));
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QByteArray record = basicRecord.toLatin1();
        QTest::newRow("letter") << QStringList{"put"} << QByteArray(record).replace(";10;", ";1O;")
                                << 4 << "foodMinutes: \"1O\" is not allowed; allowed: 1 to 15";
        QTest::newRow("no record")
            << QStringList{"put"} << QByteArray("\x89PNG\r\n") << 4 << "not a settings record";
        QTest::newRow("out of range") << QStringList{"set", "foodMinutes=16"} << QByteArray() << 4
                                      << "foodMinutes: \"16\" is not allowed; allowed: 1 to 15";
        QTest::newRow("unknown name") << QStringList{"set", "colour=blue"} << QByteArray() << 1
                                      << "unknown setting \"colour\"";
        QTest::newRow("empty file")
            << QStringList{"put"} << QByteArray("\n") << 4 << "empty; it holds no settings";
        QTest::newRow("wave end") << QStringList{"wave", "--to", "2.6"} << QByteArray() << 4
                                  << "--to: waveSeconds";
        QTest::newRow("reserved field")
            << QStringList{"put"} << record + ";111;x" << 4 << "reserved field 22: \"x\"";
        QTest::newRow("control characters shown")
            << QStringList{"put"} << QByteArray(record).replace(";10;", ";1\x1b;") << 4
            << "foodMinutes: \"1\\x1b\" is not allowed";
        QTest::newRow("option of another")
            << QStringList{"wave", "--json"} << QByteArray() << 1 << "wave: takes no --json";
        QTest::newRow("firmware without dry run")
            << QStringList{"put", "--firmware", "1.0.10.2"} << record << 1
            << "--firmware goes with --dry-run";
        QTest::newRow("set without a value") << QStringList{"set", "foodMinutes"} << QByteArray()
                                             << 1 << "\"foodMinutes\" is not NAME=VALUE";
        QTest::newRow("named twice") << QStringList{"set", "foodMinutes=10", "foodMinutes=11"}
                                     << QByteArray() << 1 << "foodMinutes is named twice";
        for (const char *port :
             {"socket://localhost", "socket://localhost:99999", "rfc2217://localhost:12000/path"})
            QTest::addRow("port %s", port) << QStringList{"--port", port, "get"} << QByteArray()
                                           << 1 << "expected rfc2217://HOST:PORT";
        QTest::newRow("unknown scheme") << QStringList{"--port", "tcp://localhost:1", "get"}
                                        << QByteArray() << 1 << "unknown scheme \"tcp\"";
        QTest::newRow("empty port")
            << QStringList{"--port", "", "get"} << QByteArray() << 1 << "an empty name";
        QTest::newRow("no firmware") << QStringList{"put", "--dry-run", "--firmware", "banana"}
                                     << record << 1 << "\"banana\" is no firmware version";
        QTest::newRow("json missing a setting")
            << QStringList{"put"} << QByteArray(" {\"mode\": \"pulse\"}") << 4
            << "power1Socket1: missing";
    }
    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QTemporaryDir folder;
        if (!file.isNull())
            arguments << writeFile(folder, file);
        // Refused before any port is opened: the only candidate is missing,
        // and trying it would say so instead.
        const Outcome outcome = run({"/nonexistent/ttyUSB7"}, arguments);
        QTEST(outcome.status, "status");
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QCOMPARE(outcome.err.count('\n'), 0);
    }

    // A backup that did not reach its file is no backup: every command's
    // output is checked, and its failure has a status of its own. A closed
    // output's number must not pass to whatever the program opens next.
    void failedOutputIsAFailure_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reason");
        QTest::newRow("get to a full disk") << "\"$CTL\" get > /dev/full"
                                            << "no space left on device";
        QTest::newRow("get with input and output closed") << "\"$CTL\" get <&- >&-"
                                                          << "bad file descriptor";
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

    // A unit that changes a setting on its own: put and diff name the
    // setting in the units of get, for a file of either length.
    void putReadsBackAndDiffCompares()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--hold", "11=12"});
        QTemporaryDir folder;
        const QString file = writeFile(folder, extendedRecord.toLatin1());
        const Outcome put = run({unit.portPath()}, {"put", file});
        QCOMPARE(put.status, 3);
        QCOMPARE(put.err, "kv3318ctl: " + unit.portPath() +
                              ": the unit holds other settings than were sent: foodMinutes is "
                              "12, not 10");
        QVERIFY(unit.waitForLine("settings " + basicRecord));
        const Outcome differs = run({unit.portPath()}, {"diff", file});
        QCOMPARE(differs.status, 5);
        QCOMPARE(differs.out, "foodMinutes: 10 in the file, 12 on the unit");
        QCOMPARE(
            QJsonDocument::fromJson(run({unit.portPath()}, {"diff", "--json", file}).out.toUtf8()),
            QJsonDocument(
                QJsonArray{QJsonObject{{"name", "foodMinutes"}, {"file", 10}, {"unit", 12}}}));
        const QString held =
            writeFile(folder, QString(basicRecord).replace(";38;10;", ";38;12;").toLatin1());
        QCOMPARE(run({unit.portPath()}, {"diff", held}).status, 0);
    }

    // --all: every unit at once, each output line after its port; a unit
    // that keeps a value of its own fails the command without holding up
    // the others, and a silent port is said.
    void everyUnitAtOnce()
    {
        PseudoTerminal silent;
        VirtualUnitProcess a, b({"--firmware", "1.0.10.1"}), held({"--hold", "11=12"});
        const QStringList ports{silent.slavePath(), a.portPath(), b.portPath(), held.portPath()};
        // list gives the name the window gave a unit, and [] for none.
        QVERIFY(UnitNames::setName(a.portPath(), "reef tank"));
        const Outcome listed = run(ports, {"list"});
        QCOMPARE(listed.out, a.portPath() + "\t1.0.10.2\treef tank\n" + b.portPath() +
                                 "\t1.0.10.1\n" + held.portPath() + "\t1.0.10.2");
        QCOMPARE(listed.err, "kv3318ctl: " + silent.slavePath() + ": no unit answered");
        QCOMPARE(run({silent.slavePath()}, {"list", "--json"}).out, "[]");
        // With no unit, one line for each port, with its reason.
        const Outcome none = run({"/nonexistent/ttyUSB7", silent.slavePath()}, {"get"});
        QCOMPARE(none.status, 2);
        QCOMPARE(none.err, "kv3318ctl: /nonexistent/ttyUSB7: not found\nkv3318ctl: " +
                               silent.slavePath() + ": no unit answered");

        const Outcome set = run(ports, {"set", "--all", "foodMinutes=5"});
        QCOMPARE(set.status, 3);
        QCOMPARE(set.out.split('\n').size(), 2);
        for (const QString &port : {a.portPath(), b.portPath()})
            QVERIFY2(
                set.out.contains(port + "\t" + QString(startRecord).replace(";30;1;", ";30;5;")),
                qPrintable(set.out));
        QVERIFY2(set.err.contains(silent.slavePath() + ": no unit answered") &&
                     set.err.contains(held.portPath() + ": the unit holds other settings than "
                                                        "were sent: foodMinutes is 12, not 5"),
                 qPrintable(set.err));

        const QJsonArray units =
            QJsonDocument::fromJson(run(ports, {"get", "--all", "--json"}).out.toUtf8()).array();
        QCOMPARE(units.size(), 3);
        QTemporaryDir folder;
        const QString file = writeFile(folder, QByteArray(startRecord).replace(";30;1;", ";30;5;"));
        const Outcome differs = run(ports, {"diff", "--all", file});
        QCOMPARE(differs.status, 5);
        QCOMPARE(differs.out, held.portPath() + "\tfoodMinutes: 5 in the file, 12 on the unit");
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
        VirtualUnitProcess unit;
        QProcess ctl;
        ctl.start(copy, {"--port", "socket://127.0.0.1:1", "--port", unit.portPath(), "list"});
        const Outcome network = finish(ctl);
        QCOMPARE(network.status, 0);
        QCOMPARE(network.out, unit.portPath() + "\t1.0.10.2");
        QVERIFY2(network.err.startsWith("kv3318ctl: socket://127.0.0.1:1: network support could "
                                        "not be loaded from " +
                                        root.path() + "/"),
                 qPrintable(network.err));
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
        QTest::newRow("get asking") << QStringList{"get"} << true << SIGTERM;
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
        QCOMPARE(line.read(4, 5000), frame("?"));
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

    // A unit that answers the probe, then nothing: said once, with status 3.
    void unitThatStopsAnswering()
    {
        PseudoTerminal line;
        const std::unique_ptr<QProcess> ctl = startCtl({line.slavePath()}, {"get"});
        QCOMPARE(line.read(4, 5000), frame("?"));
        QVERIFY(line.write(frame("KV3318 1.0.10.1")));
        const Outcome outcome = finish(*ctl);
        QCOMPARE(outcome.status, 3);
        QCOMPARE(outcome.err, "kv3318ctl: " + line.slavePath() + ": no answer within 2 s");
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
        QTest::addColumn<QString>("err");
        const QByteArray extended = extendedRecord.toLatin1();
        QTest::newRow("its own length")
            << QStringList{} << "\xef\xbb\xbf" + basicRecord.toLatin1() << 0 << basicRecord << "";
        QTest::newRow("extended firmware")
            << QStringList{"--firmware", "1.0.10.2"} << basicRecord.toLatin1() + "\r\n"
            << 0 << extendedRecord << "";
        QTest::newRow("basic firmware")
            << QStringList{"--firmware", "1.0.10.1"} << basicRecord.toLatin1() + ";5;111" << 0
            << basicRecord << "kv3318ctl: reserved field 21: 5 -> left out (rule)";
        // The same zero as text and as JSON, said as the rules raise it.
        const QByteArray zero = QByteArray(basicRecord.toLatin1()).replace(";90;", ";0;");
        Settings settings;
        SettingsRecord::read(settings, zero, SettingsRecord::Basic);
        QJsonObject json = NamedSettings::toJson(settings);
        json["intervalMinutes"] = 0;
        for (const QByteArray &file : {zero, QJsonDocument(json).toJson()})
            QTest::addRow("zero interval %c", file[0])
                << QStringList{} << file << 0 << QString(zero).replace(";0;5;", ";1;5;")
                << "kv3318ctl: intervalMinutes: 0 -> 1 (rule)";
        QTest::newRow("written as the window writes it")
            << QStringList{"--firmware", "1.0.10.1"}
            << QByteArray("0;0;0;0;0;0;0;0;0;030;1;0;0;1;0;1;1;0;30;0") << 0
            << "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0"
            << "";
    }
    void dryRunNeedsNoUnit()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QTemporaryDir folder;
        const Outcome outcome =
            run({"/nonexistent/ttyUSB7"},
                QStringList{"put", "--dry-run"} + arguments + QStringList{writeFile(folder, file)});
        QVERIFY2(outcome.status == status, qPrintable(outcome.err));
        QTEST(outcome.out, "out");
        QTEST(outcome.err, "err");
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
        QCOMPARE(object.value("recordLength").toInt(), 22);
        QCOMPARE(object.value("stormDays").toInt(), 1);

        QString edited = first.out;
        // 0.57 s is no whole number of hundredths as a double.
        edited.replace("\"foodMinutes\": 10", "\"foodMinutes\": 11")
            .replace("\"pulseSeconds\": 0.38", "\"pulseSeconds\": 0.57");
        // What the unit confirmed, as get --json prints it.
        const Outcome sent = run({unit.portPath()}, {"put", "--json", "-"}, edited.toUtf8());
        QVERIFY2(sent.status == 0, qPrintable(sent.err));
        QCOMPARE(sent.out, edited);
        QCOMPARE(run({unit.portPath()}, {"get", "foodMinutes", "pulseSeconds", "mode"}).out,
                 "11\n0.57\ninterval");

        VirtualUnitProcess older({"--firmware", "1.0.10.1"});
        const Outcome shorter = run({older.portPath()}, {"put", "-"}, edited.toUtf8());
        QVERIFY2(shorter.status == 0, qPrintable(shorter.err));
        QCOMPARE(shorter.out, QString(basicRecord).replace(";38;10;", ";57;11;"));
    }

    // Each command's own help, and every setting's range from the table of
    // limits; Qt's options are never offered.
    void helpComesFromTheTables()
    {
        const Outcome general = run({}, {"--help"});
        QCOMPARE(general.status, 0);
        QVERIFY(general.out.contains("\n  5      diff: the file and the unit differ\n"));
        QVERIFY(!general.out.contains("help-all") && !general.out.contains("Qt"));
        QVERIFY(run({}, {"help", "settings"})
                    .out.contains("  waveSeconds        seconds  0.30 to 2.50 in steps of 0.01"));
    }

    // However a run is ended from outside, the unit gets its stop byte
    // before the program ends: a signal, the reader of its steps gone, the
    // unit gone (status 2, and nothing written).
    void waveEndsFromOutside_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("status");
        QTest::newRow("Ctrl+C") << "INT" << 130;
        QTest::newRow("Ctrl+Backslash") << "QUIT" << 131;
        QTest::newRow("SIGUSR1") << "USR1" << 138;
        QTest::newRow("SIGUSR2") << "USR2" << 140;
        QTest::newRow("SIGALRM") << "ALRM" << 142;
        QTest::newRow("reader gone") << "pipe" << 6;
        QTest::newRow("unit gone") << "unit" << 2;
    }
    void waveEndsFromOutside()
    {
        QFETCH(QString, how);
        auto unit = std::make_unique<VirtualUnitProcess>(QStringList{"--settings", waveRecord});
        const QString script = how == "pipe" ? "\"$CTL\" wave | head -n 1; exit ${PIPESTATUS[0]}"
                                             : "exec \"$CTL\" wave";
        const std::unique_ptr<QProcess> shell =
            startCtl({unit->portPath()}, {"-c", script}, "bash");
        QVERIFY(unit->waitForLine("adjust 30;0", 5000));
        if (how == "unit")
            unit.reset(); // its end of the line closes with it
        else if (how != "pipe")
            QProcess::execute("kill", {"-" + how, QString::number(shell->processId())});
        if (unit)
            QVERIFY(unit->waitForLine("stop", 8000));
        const Outcome outcome = finish(*shell);
        QTEST(outcome.status, "status");
        QCOMPARE(outcome.out, "0.30");
        QVERIFY2(outcome.err.count('\n') == 0, qPrintable(outcome.err));
    }

private:
    std::optional<QTemporaryDir> data;
};

QTEST_GUILESS_MAIN(CtlTest)
#include "tst_kv3318ctl.moc"
