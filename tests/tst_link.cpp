// The link to one unit and the finder that probes every candidate: the
// line's settings, framing among noise, why a port could not be opened,
// every unit reported, and ports that appear, change or come back watched.
#include "candidates.h"
#include "platform.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "unitfinder.h"
#include "unitlink.h"
#include "virtualunitprocess.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// Waits a test need not sit through: a short settle, a short probe.
const LinkTimings quick{50, 300};

QStringList bodies(const QSignalSpy &spy, int argument = 0)
{
    QStringList received;
    for (const QList<QVariant> &arguments : spy)
        received << arguments.at(argument).toString();
    return received;
}

// A search that no program claims a unit of: every candidate done. Each
// unit found is named in `free` if another program could open its port
// while the search went on.
SearchReport searchOnce(const QStringList &ports, QStringList *free = nullptr)
{
    UnitFinder finder(Candidates::named(ports));
    QSignalSpy ended(&finder, &UnitFinder::searchEnded);
    QObject::connect(&finder, &UnitFinder::unitFound, [free](UnitLink *unit) {
        const QString port = unit->port();
        QTimer::singleShot(50, [free, port] {
            if (free && QSerialPort(port).open(QIODevice::ReadWrite))
                *free << port;
        });
    });
    finder.search();
    if (ended.isEmpty() && !ended.wait(5000))
        return {};
    return ended.at(0).at(0).value<SearchReport>();
}
} // namespace

class LinkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The probe goes out on a line set as the unit's: 19200 baud, 8 data
    // bits, no parity, 1 stop bit and no flow control, as the side that holds
    // the line sees it; the event loop runs while the candidate settles.
    void noiseWhileProbingAndFramesOnTheWire()
    {
        PseudoTerminal far;
        UnitLink link(far.slavePath());
        QSignalSpy detectedSpy(&link, &UnitLink::detected);
        QSignalSpy receivedSpy(&link, &UnitLink::messageReceived);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(0);
        link.probe();
        QCOMPARE(far.read(4), QByteArray(Protocol::request));
        QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
        QCOMPARE(far.lineSettings(), "19200 8N1");

        // Noise while the candidate is probed: a megabyte of random bytes (no
        // CR, so that it ends no message of its own), a frame without the unit's
        // id, and a message that never ends. It is fed without a return to the
        // event loop, so the candidate's second cannot run out however slowly
        // it is read.
        QByteArray noise(1 << 20, '\0');
        QRandomGenerator(3318).fillRange(reinterpret_cast<quint32 *>(noise.data()),
                                         noise.size() / 4);
        noise.replace('\r', '\n');
        link.receive(noise + frame("no id here") + '\x02' + QByteArray(1 << 20, 'x'));
        QVERIFY(detectedSpy.isEmpty() && !link.isDetected());
        // The unit's reply and a further frame in one read: the second one
        // already counts as the unit's message.
        link.receive(frame("KV3318 1.0.10.2") + frame("later"));
        QCOMPARE(bodies(detectedSpy, 1), QStringList{"1.0.10.2"});
        QCOMPARE(bodies(receivedSpy), QStringList{"later"});
        QVERIFY(link.isDetected());

        // A message goes out framed, even an empty one; the session's tests
        // read every other message and the stop byte on the line.
        link.writeFrame("");
        QCOMPARE(far.read(3), frame(""));

        link.close();
        QVERIFY(!link.isDetected());
        link.writeFrame("gone");
        QCOMPARE(far.readFor(50), QByteArray());
    }

    // Whatever keeps a candidate from opening reaches the program with its
    // reason, at once rather than after the candidate's second.
    void openFailuresSayWhy()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::link("/nonexistent/tty", dir.filePath("dangling")));
        QFile regular(dir.filePath("regular"));
        QVERIFY(regular.open(QIODevice::WriteOnly));
        // A port held by another program: kv3318ctl probing a silent line holds
        // it, with its lock file, for a second.
        PseudoTerminal held;
        QProcess holder;
        holder.start(KV3318_CTL, {"--port", held.slavePath(), "get"});
        QCOMPARE(held.read(4, 3000), QByteArray(Protocol::request));

        QElapsedTimer clock;
        clock.start();
        const SearchReport report = searchOnce({"/nonexistent/ttyUSB7", dir.filePath("dangling"),
                                                dir.path(), regular.fileName(), held.slavePath()});
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QStringList said;
        for (const SearchReport::Failure &failed : report.openFailures)
            said << failed.port + ": " + failed.failure.text;
        QCOMPARE(said, QStringList({"/nonexistent/ttyUSB7: not found",
                                    dir.filePath("dangling") + ": not found",
                                    dir.path() + ": not a serial port",
                                    regular.fileName() + ": not a serial port",
                                    held.slavePath() + ": in use by another program"}));
        QCOMPARE(report.openFailures.last().failure.kind, OpenFailure::InUse);
        holder.waitForFinished(3000);
    }

    // Silent lines stand between the units; all are probed at once, so a
    // search takes one candidate's second whatever stands before a unit.
    // Every unit is reported, in the order of the candidates, and one that
    // nobody claims is let go at once, for other programs; one reply comes in
    // pieces of three bytes.
    void everyUnitIsReported()
    {
        std::array<PseudoTerminal, 3> silent;
        VirtualUnitProcess first({"--firmware", "1.0.10.1", "--chunk", "3"});
        VirtualUnitProcess second({"--firmware", "2.0.0.0"});
        const QStringList ports{silent[0].slavePath(), first.portPath(), silent[1].slavePath(),
                                second.portPath(), silent[2].slavePath()};

        QStringList free;
        const SearchReport report = searchOnce(ports, &free);
        free.sort();
        QStringList units{first.portPath(), second.portPath()};
        units.sort();
        QCOMPARE(free, units);
        QCOMPARE(report.units.size(), 2);
        QCOMPARE(report.units[0].port + " " + report.units[0].firmware,
                 first.portPath() + " 1.0.10.1");
        QCOMPARE(report.units[1].port + " " + report.units[1].firmware,
                 second.portPath() + " 2.0.0.0");
        QCOMPARE(report.silent.size(), 3);
    }

    // A port is locked by its device: held under one name, it is in use under
    // another, and a lock file under the name given is honoured.
    void oneDeviceUnderTwoNamesIsOnePort()
    {
        QTemporaryDir dir;
        PseudoTerminal far;
        const QString byId = dir.filePath("usb-FTDI_FT232R-if00-port0");
        QVERIFY(QFile::link(far.slavePath(), byId));
        UnitLink first(byId);
        first.probe();
        QCOMPARE(far.read(4), frame("?"));
        const SearchReport report = searchOnce({far.slavePath()});
        QCOMPARE(report.openFailures.size(), 1);
        QCOMPARE(report.openFailures[0].failure.kind, OpenFailure::InUse);
        first.close();

        QLockFile foreign(Platform::lockFilePath(byId));
        QVERIFY(foreign.tryLock(0));
        UnitLink second(byId);
        QSignalSpy failed(&second, &UnitLink::openFailed);
        second.probe();
        QVERIFY(failed.wait());
        QCOMPARE(failed.first().at(1).value<OpenFailure>().kind, OpenFailure::InUse);
    }

    // After the unit was found on one line, a device on another that only ends
    // its lines with CR (a GPS, a modem) is no unit, whatever came before.
    void strayLineEndsAreNoAnswer()
    {
        PseudoTerminal unit, gps;
        Protocol link(Candidates::named({unit.slavePath(), gps.slavePath()}), quick, {});
        QSignalSpy spy(&link, &Protocol::interfaceDetected);
        link.checkInterface();
        QCOMPARE(unit.read(4), QByteArray(Protocol::request));
        QVERIFY(unit.write(frame("KV3318 1.0.10.2")));
        QVERIFY(spy.wait());
        QVERIFY(link.isDetected());

        // Every candidate is probed to its end, the other line too.
        QCOMPARE(gps.read(4), QByteArray(Protocol::request));
        QTRY_VERIFY(!link.isProbing());
        link.checkInterface();
        QCOMPARE(gps.read(4), QByteArray(Protocol::request));
        QVERIFY(
            gps.write("\r$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 3000);
        QCOMPARE(spy.last().at(0).toStringList(), QStringList({"", ""}));
        QVERIFY(!link.isDetected());
    }

    // Ports that appear are probed for as long as no unit is found. One that
    // stayed silent is not probed again, whatever else changes beside it,
    // until a search; a name that now leads to another device counts as new.
    void watchProbesWhatAppearsAndWhatChanged()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("first"), second = dir.filePath("second");
        Protocol link(Candidates::named({first, second}), quick, {});
        QSignalSpy detected(&link, &Protocol::interfaceDetected);
        QSignalSpy probing(&link, &Protocol::probingChanged);
        // Neither exists yet: both fail at once.
        link.checkInterface();
        QTRY_COMPARE(probing.count(), 2);
        probing.clear();

        VirtualUnitProcess silent({"--silent", "--link", first});
        QVERIFY(silent.waitForLine("probe", 2000));
        QTRY_COMPARE(probing.count(), 2);
        for (int i = 0; i < 3; ++i) {
            QFile(dir.filePath(QString::number(i))).open(QIODevice::WriteOnly);
            QTest::qWait(100);
        }
        QCOMPARE(silent.lines(), QStringList{"probe"});
        link.checkInterface();
        QTRY_COMPARE(silent.lines(), QStringList({"probe", "probe"}));
        QTRY_VERIFY(!link.isProbing());

        // The same name now leads to a unit.
        VirtualUnitProcess unit;
        QFile::remove(first);
        QVERIFY(QFile::link(unit.portPath(), first));
        QVERIFY(detected.wait(2500));
        QCOMPARE(detected.last().at(0).toStringList(), QStringList({first, "1.0.10.2"}));
    }

    // A hang-up that leaves the device node as it was: the name is probed
    // again all the same, without any change to tell of it.
    void lostUnitsNameIsProbedAgain()
    {
        PseudoTerminal far;
        Protocol link(Candidates::named({far.slavePath()}), quick, {});
        QSignalSpy detected(&link, &Protocol::interfaceDetected);
        QSignalSpy lost(&link, &Protocol::interfaceLost);
        link.checkInterface();
        QCOMPARE(far.read(4), QByteArray(Protocol::request));
        QVERIFY(far.write(frame("KV3318 1.0.10.2")));
        QVERIFY(detected.wait());
        QCOMPARE(far.read(8), frame("0data"));
        QVERIFY(far.hangUp());
        QVERIFY(lost.wait(2000));
        QCOMPARE(far.read(4), QByteArray(Protocol::request));
    }
};

QTEST_GUILESS_MAIN(LinkTest)
#include "tst_link.moc"
