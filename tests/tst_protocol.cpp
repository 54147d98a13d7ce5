#include "protocol.h"
#include "pseudoterminal.h"
#include "virtualunitprocess.h"

#include <QSignalSpy>
#include <QTest>

namespace
{

QStringList debugLines;

void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugLines << message;
}

QByteArray frame(const QByteArray &body)
{
    return '\x02' + body + "\x03\r";
}

// Brings the program-wide reception state back to idle: a body one byte
// past the bound is dropped, which leaves the reader waiting for an STX.
void resetReception(Protocol &link)
{
    link.receive('\x02' + QByteArray(Protocol::maxBodyLength + 1, 'x'));
}

} // namespace

class ProtocolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        debugLines.clear();
        qInstallMessageHandler(collectDebug);
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        qunsetenv("KV3318_PORTS");
    }

    void reception_data();
    void reception();
    void overlongMessageIsDroppedAndLaterFramesStillArrive();
    void framesOnTheWire();
    void versionTextFromReply_data();
    void versionTextFromReply();
    void candidatesFilteredAndAllSilent();
    void noCandidateEmitsNothing();
    void detectsVirtualUnitBehindSilentOne();
};

void ProtocolTest::reception_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QStringList>("bodies");

    QTest::newRow("noise before STX") << QByteArrayList{"A\x02"
                                                        "abc\x03\r"}
                                      << QStringList{"abc"};
    QTest::newRow("three reads") << QByteArrayList{"\x02"
                                                   "ab",
                                                   "c\x03", "\r"}
                                 << QStringList{"abc"};
    QTest::newRow("CR inside body") << QByteArrayList{"\x02"
                                                      "a\rb\x03\r"}
                                    << QStringList{"a\rb"};
    QTest::newRow("STX restarts") << QByteArrayList{"\x02"
                                                    "a\x02"
                                                    "b\x03\r"}
                                  << QStringList{"b"};
    QTest::newRow("no STX") << QByteArrayList{"\x03\r"} << QStringList{};
    QTest::newRow("second CR repeats") << QByteArrayList{"\x02"
                                                         "a\x03\r\r"}
                                       << QStringList{"a", "a"};
    QTest::newRow("two frames, one read") << QByteArrayList{"\x02"
                                                            "one\x03\r\x02"
                                                            "two\x03\r"}
                                          << QStringList{"one", "two"};
    QTest::newRow("bytes between ETX and CR ignored") << QByteArrayList{"\x02"
                                                                        "a\x03xyz\x03\r"}
                                                      << QStringList{"a"};
    QTest::newRow("Latin-1 body") << QByteArrayList{"\x02\xe9\x03\r"}
                                  << QStringList{QString(QChar(0xE9))};
    QTest::newRow("empty body") << QByteArrayList{"\x02\x03\r"} << QStringList{""};
}

void ProtocolTest::reception()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QStringList, bodies);

    Protocol link;
    resetReception(link);
    QSignalSpy spy(&link, &Protocol::receiveComplete);
    for (const QByteArray &chunk : chunks)
        link.receive(chunk);

    QStringList received;
    for (const QList<QVariant> &arguments : spy)
        received << arguments.at(0).toString();
    QCOMPARE(received, bodies);
}

void ProtocolTest::overlongMessageIsDroppedAndLaterFramesStillArrive()
{
    Protocol link;
    resetReception(link);
    QSignalSpy spy(&link, &Protocol::receiveComplete);

    const QByteArray longest(Protocol::maxBodyLength, 'L');
    link.receive(frame(longest));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString().size(), Protocol::maxBodyLength);

    // Megabytes of a message that never ends, fed the way a port delivers.
    link.receive("\x02");
    const QByteArray flood(64 * 1024, 'f');
    for (int i = 0; i < 64; ++i)
        link.receive(flood);
    link.receive("\x03\r");
    QCOMPARE(spy.count(), 1);

    link.receive(frame("after"));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), QString("after"));
}

void ProtocolTest::framesOnTheWire()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    qputenv("KV3318_PORTS", far.slavePath().toLocal8Bit());

    Protocol link;
    link.writeData("0data");
    QVERIFY(debugLines.isEmpty()); // a closed port takes nothing and logs nothing

    QSignalSpy detectedSpy(&link, &Protocol::interfaceDetected);
    QSignalSpy receivedSpy(&link, &Protocol::receiveComplete);
    link.checkInterface();
    QCOMPARE(far.read(4), QByteArray("\x02?\x03\r"));
    QVERIFY(!link.isDetected());

    // The unit's reply and a further frame in one read: the second one
    // already counts as an ordinary message.
    QVERIFY(far.write(frame("KV3318 1.0.10.2") + frame("later")));
    QTRY_COMPARE(detectedSpy.count(), 1);
    QCOMPARE(detectedSpy.at(0).at(0).toStringList(), QStringList({far.slavePath(), "1.0.10.2"}));
    QTRY_COMPARE(receivedSpy.count(), 1);
    QCOMPARE(receivedSpy.at(0).at(0).toString(), QString("later"));
    QVERIFY(link.isDetected());

    link.writeData("0data");
    QCOMPARE(far.read(8), QByteArray("\x02"
                                     "0data\x03\r"));
    link.writeData("");
    QCOMPARE(far.read(3), QByteArray("\x02\x03\r"));
    link.writeDataNoPro(QString(QChar(4)));
    QCOMPARE(far.read(1), QByteArray("\x04"));
    QVERIFY(debugLines.contains("NoPro \"\\u0004\""));

    link.close();
    QVERIFY(!link.isDetected());
    link.writeData("gone");
    QCOMPARE(far.readFor(50), QByteArray());
}

void ProtocolTest::versionTextFromReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("version");
    QTest::newRow("id only") << QByteArray("KV3318") << "KV3318";
    QTest::newRow("id and separator") << QByteArray("KV3318 ") << "";
    QTest::newRow("id after other text") << QByteArray("xyKV3318 1.0.10.2") << "8 1.0.10.2";
}

void ProtocolTest::versionTextFromReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, version);
    PseudoTerminal unit;
    qputenv("KV3318_PORTS", unit.slavePath().toLocal8Bit());

    Protocol link;
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    QCOMPARE(unit.read(4), QByteArray(Protocol::request));
    QVERIFY(unit.write(frame("no id here") + frame(reply)));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList().at(1), version);
}

void ProtocolTest::candidatesFilteredAndAllSilent()
{
    // Only names with "LPT" in capitals are left out; the lower-case one is
    // probed, fails to open and still takes its full second.
    qputenv("KV3318_PORTS", "LPT1:/nonexistent/lpt0:/dev/xLPT2");
    Protocol link;
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    QVERIFY(spy.wait(3000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({"", ""}));
    QCOMPARE(debugLines.count("Timeout"), 1);
    QCOMPARE(debugLines.filter("device failed to open:").size(), 1);
    QVERIFY(!link.isDetected());
}

void ProtocolTest::noCandidateEmitsNothing()
{
    qputenv("KV3318_PORTS", "LPT1:COM_LPT");
    Protocol link;
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    QVERIFY(!spy.wait(1300));
    QVERIFY(debugLines.isEmpty());
}

void ProtocolTest::detectsVirtualUnitBehindSilentOne()
{
    // The unit's reply comes in pieces of three bytes, a few reads apart.
    VirtualUnitProcess silent({"--silent"});
    VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--chunk", "3"});
    QVERIFY(!silent.portPath().isEmpty());
    QVERIFY(!unit.portPath().isEmpty());
    qputenv("KV3318_PORTS", (silent.portPath() + ':' + unit.portPath()).toLocal8Bit());

    Protocol link;
    QSignalSpy spy(&link, &Protocol::interfaceDetected);
    link.checkInterface();
    QVERIFY(silent.waitForLine("probe"));
    link.checkInterface(); // ignored while probing
    QVERIFY(spy.wait(4000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList({unit.portPath(), "1.0.10.1"}));
    QCOMPARE(debugLines.count("Timeout"), 1);
    QVERIFY(unit.waitForLine("probe"));
    QVERIFY(link.isDetected());
}

QTEST_GUILESS_MAIN(ProtocolTest)
#include "tst_protocol.moc"
