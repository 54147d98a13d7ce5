#include "candidates.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "unitfinder.h"
#include "unitlink.h"
#include "virtualunitprocess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

QStringList bodies(const QSignalSpy &spy, int argument = 0)
{
    QStringList received;
    for (const QList<QVariant> &arguments : spy)
        received << arguments.at(argument).toString();
    return received;
}

SearchReport searchOnce(const QStringList &ports)
{
    UnitFinder finder(Candidates::named(ports));
    QSignalSpy ended(&finder, &UnitFinder::searchEnded);
    finder.searchAll();
    if (ended.isEmpty() && !ended.wait(5000))
        return {};
    return ended.at(0).at(0).value<SearchReport>();
}

} // namespace

class ProtocolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noiseWhileProbingAndFramesOnTheWire();
    void openFailuresSayWhy();
    void firstUnitToAnswerWinsOverSilentAndLptPorts();
    void strayLineEndsAreNoAnswer();
};

void ProtocolTest::noiseWhileProbingAndFramesOnTheWire()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    UnitLink link(far.slavePath());
    QSignalSpy detectedSpy(&link, &UnitLink::detected);
    QSignalSpy receivedSpy(&link, &UnitLink::messageReceived);
    link.probe();
    QCOMPARE(far.read(4), QByteArray(Protocol::request));

    // Noise while the candidate is probed: a megabyte of random bytes (no
    // CR, so that it ends no message of its own), a frame without the unit's
    // id, and a message that never ends. It is fed without a return to the
    // event loop, so the candidate's second cannot run out however slowly
    // it is read.
    QByteArray noise(1 << 20, '\0');
    QRandomGenerator(3318).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    noise.replace('\r', '\n');
    link.receive(noise + frame("no id here") + '\x02' + QByteArray(1 << 20, 'x'));
    QVERIFY(detectedSpy.isEmpty() && !link.isDetected());
    // The unit's reply and a further frame in one read: the second one
    // already counts as the unit's message.
    link.receive(frame("KV3318 1.0.10.2") + frame("later"));
    QCOMPARE(detectedSpy.count(), 1);
    QCOMPARE(bodies(detectedSpy, 1), QStringList{"1.0.10.2"});
    QCOMPARE(bodies(receivedSpy), QStringList{"later"});
    QVERIFY(link.isDetected());

    link.writeFrame("0data");
    QCOMPARE(far.read(8), frame("0data"));
    link.writeFrame("");
    QCOMPARE(far.read(3), frame(""));
    link.writeRaw(QString(QChar(4)));
    QCOMPARE(far.read(1), QByteArray("\x04"));

    link.close();
    QVERIFY(!link.isDetected());
    link.writeFrame("gone");
    QCOMPARE(far.readFor(50), QByteArray());
}

// Whatever keeps a candidate from opening reaches the program with its
// reason, at once rather than after the candidate's second.
void ProtocolTest::openFailuresSayWhy()
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
    QCOMPARE(
        said,
        QStringList({"/nonexistent/ttyUSB7: not found", dir.filePath("dangling") + ": not found",
                     dir.path() + ": not a serial port", regular.fileName() + ": not a serial port",
                     held.slavePath() + ": in use by another program"}));
    QCOMPARE(report.openFailures.last().failure.kind, OpenFailure::InUse);
    holder.waitForFinished(3000);
}

void ProtocolTest::firstUnitToAnswerWinsOverSilentAndLptPorts()
{
    // Only names with "LPT" in capitals are left out. Four silent lines stand
    // before the unit; all are probed at once, so the unit is reported about
    // half a second after the start, not four seconds later. The unit's
    // reply comes in pieces of three bytes.
    QTemporaryDir dir;
    std::array<PseudoTerminal, 4> silent;
    const QString skipped = dir.filePath("LPT1"), probed = dir.filePath("lpt1");
    VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--chunk", "3", "--link", probed});
    QVERIFY(QFile::link(unit.portPath(), skipped));
    QStringList ports{skipped};
    for (const PseudoTerminal &line : silent)
        ports << line.slavePath();
    ports << probed;

    QElapsedTimer clock;
    clock.start();
    Protocol link(Candidates::named(ports));
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    link.checkInterface(); // ignored while probing
    QVERIFY(spy.wait(5000));
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({probed, "1.0.10.1"}));
    QVERIFY(link.isDetected());
    // The silent ones were probed and let go as soon as the unit answered.
    for (PseudoTerminal &line : silent)
        QCOMPARE(line.read(4, 100), QByteArray(Protocol::request));
    QCOMPARE(unit.lines(), QStringList{"probe"});
}

// After the unit was found on one line, a device on another that only ends
// its lines with CR (a GPS, a modem) is no unit, whatever came before.
void ProtocolTest::strayLineEndsAreNoAnswer()
{
    PseudoTerminal unit, gps;
    Protocol link(Candidates::named({unit.slavePath(), gps.slavePath()}));
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    QCOMPARE(unit.read(4), QByteArray(Protocol::request));
    QVERIFY(unit.write(frame("KV3318 1.0.10.2")));
    QVERIFY(spy.wait());
    QVERIFY(link.isDetected());

    // Whether the other line had its probe before the unit answered depends
    // on which settled first.
    gps.readFor(50);
    link.checkInterface();
    QCOMPARE(gps.read(4, 1500), QByteArray(Protocol::request));
    QVERIFY(gps.write("\r$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 3000);
    QCOMPARE(spy.last().at(0).toStringList(), QStringList({"", ""}));
    QVERIFY(!link.isDetected());
}

QTEST_GUILESS_MAIN(ProtocolTest)
#include "tst_protocol.moc"
