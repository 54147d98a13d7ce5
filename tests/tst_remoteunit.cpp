#include "candidates.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "protocol.h"
#include "ser2netprocess.h"
#include "unitfinder.h"
#include "virtualunitprocess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const QString waveRecord = "0;0;0;0;0;0;0;100;100;30;1;0;0;1;0;1;1;1;30;0";

// Runs kv3318ctl: nothing when it succeeded, else what it said.
QString failureOf(const QStringList &arguments)
{
    QProcess ctl;
    ctl.start(KV3318_CTL, arguments);
    if (!ctl.waitForFinished(15000))
        return "no end";
    return ctl.exitCode() == 0 ? QString() : QString::fromLocal8Bit(ctl.readAllStandardError());
}

// Tries again after 100 ms, then 200, 400 and at most 800.
LinkTimings quickRetries()
{
    LinkTimings timings;
    timings.firstRetryMs = 100;
    timings.longestRetryMs = 800;
    return timings;
}

} // namespace

// A unit on another machine, behind a real ser2net.
class RemoteUnitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (Ser2netProcess::program().isEmpty())
            QSKIP("ser2net is not installed (Debian package ser2net)");
    }

    // Every byte kv3318ctl sends through Telnet reaches the unit as it was
    // sent, put's read-back and the stop byte too, before the program ends.
    void ctlThroughRfc2217()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.1"});
        Ser2netProcess ser2net(unit.portPath());
        QVERIFY2(ser2net.isRunning(), qPrintable(ser2net.output()));
        const QStringList port{"--port", ser2net.rfc2217Url()};
        QTemporaryDir folder;
        QFile file(folder.filePath("settings.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(waveRecord.toLatin1()) > 0);
        file.close();

        QCOMPARE(failureOf(port + QStringList{"put", file.fileName()}), QString());
        QCOMPARE(failureOf(port + QStringList{"wave", "--to", "0.31"}), QString());
        QTRY_COMPARE(unit.lines(),
                     QStringList({"probe", "request", "settings " + waveRecord, "request", "probe",
                                  "request", "adjust 30;0", "adjust 31;0", "stop"}));
    }

    // The adapter behind ser2net is plugged in late, then ser2net goes away
    // and comes back: the unit is followed without being asked to search,
    // waiting longer after each failed try, but not after a success.
    void followsAUnitThroughTcp()
    {
        QTemporaryDir folder;
        const QString device = folder.filePath("adapter");
        Ser2netProcess ser2net(device);
        QVERIFY2(ser2net.isRunning(), qPrintable(ser2net.output()));
        Protocol link(Candidates::named({ser2net.socketUrl()}), quickRetries(), {});
        QSignalSpy detected(&link, &Protocol::interfaceDetected);
        // When each probe began, in milliseconds from the clock's start.
        QElapsedTimer clock;
        QList<qint64> starts;
        connect(&link, &Protocol::probingChanged, [&](bool probing) {
            if (probing)
                starts << clock.elapsed();
        });
        clock.start();
        link.checkInterface();

        // ser2net takes each connection and closes it: no device to open.
        QTRY_VERIFY_WITH_TIMEOUT(starts.size() >= 5, 5000);
        for (qsizetype i = 0; i < 4; ++i) {
            const qint64 wait = starts[i + 1] - starts[i], least = 100 << i;
            QVERIFY2(wait >= least * 9 / 10 && wait < least + 400,
                     qPrintable(QString::number(wait)));
        }
        QVERIFY(!link.isDetected());

        VirtualUnitProcess unit({"--link", device});
        QTRY_VERIFY_WITH_TIMEOUT(link.isDetected(), 2500);
        QCOMPARE(detected.last().first().toStringList(),
                 QStringList({ser2net.socketUrl(), "1.0.10.2"}));
        // Found, nothing is tried any more.
        const qsizetype triesWhenFound = starts.size();
        QTest::qWait(1000);
        QCOMPARE(starts.size(), triesWhenFound);

        ser2net.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!link.isDetected(), 2000);
        const qint64 lostAt = clock.elapsed();
        // The success began the waits anew.
        QTRY_VERIFY_WITH_TIMEOUT(starts.size() > triesWhenFound, 2000);
        QVERIFY2(starts[triesWhenFound] - lostAt < 500,
                 qPrintable(QString::number(starts[triesWhenFound] - lostAt)));

        ser2net.start();
        QVERIFY2(ser2net.isRunning(), qPrintable(ser2net.output()));
        QTRY_VERIFY_WITH_TIMEOUT(link.isDetected(), 2500);
    }

    // ser2net says why it closes a second connection to a port it serves:
    // its words are the reason the window gives.
    void busyPortSaysWhy()
    {
        VirtualUnitProcess unit({"--settings", waveRecord});
        Ser2netProcess ser2net(unit.portPath());
        QVERIFY2(ser2net.isRunning(), qPrintable(ser2net.output()));
        QProcess holder;
        holder.start(KV3318_CTL, {"--port", ser2net.socketUrl(), "wave"});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        MainWindow window(Candidates::named({ser2net.socketUrl()}));
        QTRY_VERIFY2(notice(window).contains(ser2net.socketUrl() + ": Port already in use"),
                     qPrintable(notice(window)));
        holder.terminate();
        QVERIFY(holder.waitForFinished(3000));
    }

    // A unit that stays silent on a connection that stands is asked once,
    // as on a local port; a URL that names no address is never tried again.
    void silentUnitAndBadUrlTriedOnce()
    {
        VirtualUnitProcess silent({"--silent"});
        Ser2netProcess ser2net(silent.portPath());
        QVERIFY2(ser2net.isRunning(), qPrintable(ser2net.output()));
        UnitFinder finder(Candidates::named({ser2net.rfc2217Url(), "socket://tank-pi"}),
                          quickRetries());
        finder.setWatching(true);
        QSignalSpy ended(&finder, &UnitFinder::searchEnded);
        QSignalSpy probing(&finder, &UnitFinder::probingChanged);
        finder.search();
        QVERIFY(ended.wait(3000));
        const SearchReport report = ended.first().first().value<SearchReport>();
        QCOMPARE(report.silent, QStringList{ser2net.rfc2217Url()});
        QCOMPARE(report.openFailures.size(), 1);
        QTest::qWait(1500);
        QCOMPARE(silent.lines(), QStringList{"probe"});
        QCOMPARE(probing.size(), 2);
    }
};

QTEST_MAIN(RemoteUnitTest)
#include "tst_remoteunit.moc"
