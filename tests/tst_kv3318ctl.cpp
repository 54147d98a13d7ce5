#include "pseudoterminal.h"
#include "records.h"
#include "virtualunitprocess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace
{
const QString basicRecord = exampleRecord;
const QString waveRecord = "0;0;0;0;0;0;0;100;100;30;1;0;0;1;0;1;1;1;30;0";

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
        QVERIFY(set.err.contains("stormHours is 1, not 0"));
        QVERIFY(unit.waitForLine("settings " + changed));
        QCOMPARE(unit.lines().filter("request").size(), 3); // get, set, and set's read-back
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QByteArray record = basicRecord.toLatin1();
        QTest::newRow("longer record") << QStringList{"put"} << record + ";111;111" << 4
                                       << "22 fields, but the unit's firmware takes 20";
        QTest::newRow("letter") << QStringList{"put"} << QByteArray(record).replace(";10;", ";1O;")
                                << 4
                                << "field 10 (food timer, minutes) is \"1O\"; allowed: 1 to 15";
        QTest::newRow("no record")
            << QStringList{"put"} << QByteArray("\x89PNG\r\n") << 4 << "not a settings record";
        QTest::newRow("out of range") << QStringList{"set", "foodMinutes=16"} << QByteArray() << 4
                                      << "foodMinutes: \"16\" is not allowed; allowed: 1 to 15";
        QTest::newRow("power in the gap") << QStringList{"set", "power2Socket1=29"} << QByteArray()
                                          << 4 << "allowed: 0 or 30 to 100";
        QTest::newRow("unknown name") << QStringList{"set", "colour=blue"} << QByteArray() << 4
                                      << "unknown setting \"colour\"";
        QTest::newRow("wave end") << QStringList{"wave", "--to", "2.6"} << QByteArray() << 4
                                  << "--to: waveSeconds";
        QTest::newRow("no command") << QStringList{} << QByteArray() << 1 << "no command";
        QTest::newRow("option of another")
            << QStringList{"list", "--json"} << QByteArray() << 1 << "--json belongs to get only";
    }

    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, message);
        VirtualUnitProcess unit({"--firmware", "1.0.10.1"});
        QTemporaryDir folder;
        if (!file.isNull())
            arguments << writeFile(folder, file);
        const Outcome outcome = run({unit.portPath()}, arguments);
        QCOMPARE(outcome.status, status);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QCOMPARE(outcome.err.count('\n'), 0);
        QVERIFY(unit.lines().filter(QRegularExpression("^(settings|adjust|other)")).isEmpty());
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
