#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "virtualunitprocess.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The rows spell the line's control bytes as '[' for STX, ']' for ETX and
// '|' for CR.
QByteArray wire(QByteArray text)
{
    return text.replace('[', '\x02').replace(']', '\x03').replace('|', '\r');
}

QStringList bodies(const QSignalSpy &spy)
{
    QStringList received;
    for (const QList<QVariant> &arguments : spy)
        received << arguments.at(0).toString();
    return received;
}

} // namespace

class ProtocolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qputenv("KV3318_PORTS", ""); }

    void reception_data();
    void reception();
    void noiseDuringDetectionAndFramesOnTheWire();
    void detectionSkipsLptUnopenableAndSilentPorts();
};

void ProtocolTest::reception_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("noise before STX") << QByteArrayList{"A[abc]|"} << QStringList{"abc"};
    QTest::newRow("three reads") << QByteArrayList{"[ab", "c]", "|"} << QStringList{"abc"};
    QTest::newRow("CR inside body") << QByteArrayList{"[a|b]|"} << QStringList{"a\rb"};
    QTest::newRow("STX restarts") << QByteArrayList{"[a[b]|"} << QStringList{"b"};
    QTest::newRow("no STX") << QByteArrayList{"]|"} << QStringList{};
    QTest::newRow("two frames, one read")
        << QByteArrayList{"[one]|[two]|"} << QStringList{"one", "two"};
    QTest::newRow("Latin-1 body") << QByteArrayList{"[\xe9]|"} << QStringList{QString(QChar(0xE9))};
    QTest::newRow("empty body") << QByteArrayList{"[]|"} << QStringList{""};
    const QByteArray longest(Protocol::maxBodyLength, 'L');
    QTest::newRow("longest body") << QByteArrayList{"[" + longest + "]|"} << QStringList{longest};
    // Megabytes of a message that never ends, fed the way a port delivers,
    // are dropped; the next message arrives.
    QByteArrayList endless(64, QByteArray(64 * 1024, 'f'));
    endless.prepend("[");
    endless.append("]|[after]|");
    QTest::newRow("endless message") << endless << QStringList{"after"};
}

void ProtocolTest::reception()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QStringList, expected);
    Protocol link;
    QSignalSpy spy(&link, &Protocol::receiveComplete);
    for (const QByteArray &chunk : chunks)
        link.receive(wire(chunk));
    QCOMPARE(bodies(spy), expected);
}

void ProtocolTest::noiseDuringDetectionAndFramesOnTheWire()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    qputenv("KV3318_PORTS", far.slavePath().toLocal8Bit());
    Protocol link;
    QSignalSpy detectedSpy(&link, &Protocol::interfaceDetected);
    QSignalSpy receivedSpy(&link, &Protocol::receiveComplete);
    link.checkInterface();
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
    // already counts as an ordinary message.
    link.receive(frame("KV3318 1.0.10.2") + frame("later"));
    QCOMPARE(detectedSpy.count(), 1);
    QCOMPARE(detectedSpy.at(0).at(0).toStringList(), QStringList({far.slavePath(), "1.0.10.2"}));
    QCOMPARE(bodies(receivedSpy), QStringList{"later"});
    QVERIFY(link.isDetected());

    link.writeData("0data");
    QCOMPARE(far.read(8), frame("0data"));
    link.writeData("");
    QCOMPARE(far.read(3), frame(""));
    link.writeDataNoPro(QString(QChar(4)));
    QCOMPARE(far.read(1), QByteArray("\x04"));

    link.close();
    QVERIFY(!link.isDetected());
    link.writeData("gone");
    QCOMPARE(far.readFor(50), QByteArray());
}

void ProtocolTest::detectionSkipsLptUnopenableAndSilentPorts()
{
    // Only names with "LPT" in capitals are left out; a port that does not
    // open and one that stays silent cost their second each, and the search
    // goes on. The unit's reply comes in pieces of three bytes.
    QTemporaryDir dir;
    VirtualUnitProcess silent({"--silent"});
    const QString skipped = dir.filePath("LPT1"), probed = dir.filePath("lpt1");
    VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--chunk", "3", "--link", probed});
    QVERIFY(!silent.portPath().isEmpty() && QFile::link(unit.portPath(), skipped));
    qputenv("KV3318_PORTS", QStringList({skipped, "/nonexistent/tty", silent.portPath(), probed})
                                .join(':')
                                .toLocal8Bit());

    Protocol link;
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    QVERIFY(silent.waitForLine("probe", 5000));
    link.checkInterface(); // ignored while probing
    QVERIFY(spy.wait(10000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({probed, "1.0.10.1"}));
    QVERIFY(link.isDetected());
    QCOMPARE(silent.lines(), QStringList{"probe"});
}

QTEST_GUILESS_MAIN(ProtocolTest)
#include "tst_protocol.moc"
