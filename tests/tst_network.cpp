#include "comportserver.h"
#include "networktransport.h"
#include "records.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace
{
// A local port that nothing listens on.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// Reads from the device until `count` bytes came or two seconds passed.
QByteArray readFrom(QIODevice *device, int count)
{
    QByteArray out;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            out += device->readAll();
            return out.size() >= count;
        },
        2000));
    return out;
}

QByteArray subnegotiation(const QByteArray &content)
{
    return "\xff\xfa" + content + "\xff\xf0";
}

// One transport with a spy on each of its signals.
struct Opening {
    explicit Opening(const QString &url, const LinkTimings &timings = {})
        : transport(url, timings), opened(&transport, &Transport::opened),
          failed(&transport, &Transport::openFailed), lost(&transport, &Transport::lost)
    {
        transport.open();
    }

    bool waitForOutcome(int timeoutMs = 2000)
    {
        return QTest::qWaitFor([this] { return opened.size() + failed.size() > 0; }, timeoutMs);
    }
    OpenFailure failure() const
    {
        return failed.isEmpty() ? OpenFailure{} : failed.first().first().value<OpenFailure>();
    }

    NetworkTransport transport;
    QSignalSpy opened;
    QSignalSpy failed;
    QSignalSpy lost;
};
} // namespace

class NetworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addresses_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<bool>("network");
        // Kind, host and port as parsed; empty when not valid.
        QTest::addColumn<QString>("parsed");

        QTest::newRow("rfc2217") << "rfc2217://tank-pi.local:2217" << true
                                 << "1 tank-pi.local 2217";
        QTest::newRow("ipv6, highest port") << "socket://[::1]:65535" << true << "0 ::1 65535";
        QTest::newRow("port 0") << "socket://host:0" << true << "";
        QTest::newRow("port not a number") << "rfc2217://host:22a" << true << "";
        // Meant as a network port though not a valid one, so that it fails as
        // one rather than as a missing serial device.
        QTest::newRow("nothing after the scheme") << "socket://" << true << "";
        QTest::newRow("a user") << "socket://pi@host:23" << true << "";
        QTest::newRow("other scheme") << "telnet://host:23" << false << "";
    }
    void addresses()
    {
        QFETCH(QString, candidate);
        QTEST(Transport::isNetwork(candidate), "network");
        const std::optional<NetworkAddress> address = NetworkAddress::parse(candidate);
        QTEST(address ? QStringLiteral("%1 %2 %3")
                            .arg(address->kind)
                            .arg(address->host)
                            .arg(address->port)
                      : QString(),
              "parsed");
    }

    // The unit's bytes pass both ways as they are, a Telnet wire doubling
    // 0xFF. ser2net flushes its port when the connection closes, so a
    // program that closes as soon as its bytes left the socket loses what
    // the far line had yet to send: kv3318ctl's last settings, a run's stop
    // byte. Bytes count as written only once the far line sent them.
    void connection_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QByteArray>("ff"); // 0xFF as the wire carries it
        QTest::newRow("socket") << "socket" << QByteArray("\xff");
        QTest::newRow("rfc2217") << "rfc2217" << QByteArray("\xff\xff");
    }
    void connection()
    {
        QFETCH(QString, scheme);
        QFETCH(QByteArray, ff);
        ComPortServer server;
        Opening opening(server.url(scheme));
        QCOMPARE(opening.transport.name(), server.url(scheme));
        QVERIFY(opening.waitForOutcome());
        QCOMPARE(opening.opened.size(), 1);
        QVERIFY(opening.transport.isOpen());

        QIODevice *device = opening.transport.device();
        QSignalSpy written(device, &QIODevice::bytesWritten);
        QSignalSpy farEnd(&opening.transport, &Transport::farEndWritten);
        QElapsedTimer clock;
        clock.start();
        // 192 bytes take 100 ms at 19200 baud.
        const QByteArray body(187, 'w');
        const QByteArray message = frame(body + "\xff\xff");
        QCOMPARE(device->write(message), message.size());
        // As a program does before it exits.
        QVERIFY(device->waitForBytesWritten(2000));
        QCOMPARE(device->bytesToWrite(), 0);
        QVERIFY(QTest::qWaitFor([&] { return server.wire().endsWith(frame(body + ff + ff)); }));
        QVERIFY(opening.transport.bytesToWrite() > 0);
        QVERIFY(farEnd.wait(1000));
        QVERIFY2(clock.elapsed() >= 100 + NetworkTransport::serverMarginMs,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(opening.transport.bytesToWrite(), 0);
        QCOMPARE(farEnd.size(), 1);
        // Writers count the unit's bytes, not the escapes.
        qint64 total = 0;
        for (const QList<QVariant> &signal : std::as_const(written))
            total += signal.first().toLongLong();
        QCOMPARE(total, message.size());

        server.sendWire(frame("KV3318 " + ff + "1.0"));
        QCOMPARE(readFrom(device, 14), frame("KV3318 \xff"
                                             "1.0"));
        QCOMPARE(device->bytesAvailable(), 0);

        server.closeClient();
        QVERIFY(opening.lost.wait(2000));
        QCOMPARE(opening.lost.first().first().toString(), "the server closed the connection");
        QVERIFY(!opening.transport.isOpen());
    }

    void closeDuringOpenSaysNothing()
    {
        // Closed before the event loop ran: these would have failed by now.
        for (const QString &url : {QStringLiteral("socket://127.0.0.1:%1").arg(freePort()),
                                   QStringLiteral("socket://")}) {
            Opening opening(url);
            opening.transport.close();
            QTest::qWait(200);
            QCOMPARE(opening.failed.size(), 0);
        }

        // Closed while the server has yet to answer.
        ComPortServer server;
        server.setAnswer(ComPortServer::Answer::Silence);
        Opening opening(server.url());
        QVERIFY(QTest::qWaitFor([&] { return server.hasClient(); }));
        opening.transport.close();
        QVERIFY(QTest::qWaitFor([&] { return !server.hasClient(); }));
        QTest::qWait(100);
        QCOMPARE(opening.failed.size() + opening.opened.size() + opening.lost.size(), 0);
    }

    void connectFailures_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing listens") << QStringLiteral("socket://127.0.0.1:%1").arg(freePort())
                                         << int(OpenFailure::Unreachable) << "connection refused";
        QTest::newRow("unknown host") << "rfc2217://no-such-tank.invalid:2217"
                                      << int(OpenFailure::Unreachable) << "host not found";
        QTest::newRow("not an address") << "socket://host" << int(OpenFailure::Other)
                                        << "expected rfc2217://host:port or socket://host:port";
    }
    void connectFailures()
    {
        QFETCH(QString, url);
        Opening opening(url);
        // The outcome never comes before open() has returned.
        QVERIFY(opening.failed.isEmpty());
        QVERIFY(opening.waitForOutcome(5000));
        QCOMPARE(opening.opened.size(), 0);
        QTEST(int(opening.failure().kind), "kind");
        QTEST(opening.failure().text, "text");
        QVERIFY(!opening.transport.isOpen());
    }

    void connectTimesOut()
    {
        // A server whose queue of connections is full lets a new one hang
        // unanswered, as a host that drops packets would.
        QTcpServer server;
        server.setListenBacklogSize(0);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        server.pauseAccepting();
        QTcpSocket filler;
        filler.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(QTest::qWaitFor([&] { return filler.state() == QAbstractSocket::ConnectedState; }));

        LinkTimings shortConnect;
        shortConnect.connectMs = 200;
        Opening opening(QStringLiteral("socket://127.0.0.1:%1").arg(server.serverPort()),
                        shortConnect);
        QVERIFY(!opening.waitForOutcome(150));
        QVERIFY(opening.waitForOutcome(1000));
        QCOMPARE(opening.failure().kind, OpenFailure::Unreachable);
        QCOMPARE(opening.failure().text, "timed out");
    }

    void rfc2217SetsTheLine()
    {
        ComPortServer server;
        // Offers of its own, as real servers make: echo and binary, and it asks
        // for suppress-go-ahead; after them a WONT and a DONT, which need no answer.
        server.setGreeting(QByteArray::fromHex("fffb01"
                                               "fffd00"
                                               "fffd03"
                                               "fffc05"
                                               "fffe06"));
        Opening opening(server.url());
        QVERIFY(opening.waitForOutcome());
        QCOMPARE(opening.opened.size(), 1);

        const QHash<quint8, QByteArray> settings = {
            {1, QByteArray("\x00\x00\x4b\x00", 4)}, // 19200, high byte first
            {2, "\x08"},                            // data bits
            {3, "\x01"},                            // no parity
            {4, "\x01"},                            // one stop bit
            {5, "\x01"},                            // no flow control
        };
        QCOMPARE(server.settings(), settings);

        const QList<QPair<quint8, quint8>> expected = {
            {251, 44}, // WILL COM-PORT-OPTION, first
            {254, 1},  // DONT echo
            {252, 0},  // WONT binary
            {252, 3},  // WONT suppress-go-ahead
        };
        QCOMPARE(server.commands(), expected);
    }

    // A server that declines the option or a setting, or leaves either
    // unanswered, is refused; one that never answers, only after the
    // negotiation's time.
    void rfc2217Refused_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("answer"); // null: none at all
        QTest::addColumn<QString>("text");
        QTest::newRow("baud rate kept at 9600")
            << 1 << QByteArray("\x00\x00\x25\x80", 4) << "the server refused baud rate 19200";
        QTest::newRow("seven data bits")
            << 2 << QByteArray("\x07") << "the server refused data size 8";
        QTest::newRow("hardware flow control")
            << 5 << QByteArray("\x03") << "the server refused no flow control";
        QTest::newRow("option declined")
            << 0 << QByteArray("") << "the server refused com port control";
        // A plain TCP port named as rfc2217 never answers at all.
        QTest::newRow("no answer to the option")
            << 0 << QByteArray() << "the server did not answer com port control";
        QTest::newRow("no answer to the data size")
            << 2 << QByteArray() << "the server did not confirm data size 8";
    }
    void rfc2217Refused()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, answer);
        ComPortServer server;
        if (answer.isNull())
            command ? server.leaveUnanswered(quint8(command))
                    : server.setAnswer(ComPortServer::Answer::Silence);
        else
            command ? server.answerSettingWith(quint8(command), answer)
                    : server.setAnswer(ComPortServer::Answer::Refuse);
        LinkTimings shortAnswer;
        shortAnswer.negotiationMs = 300;
        Opening opening(server.url(), shortAnswer);
        QCOMPARE(opening.waitForOutcome(250), !answer.isNull());
        QVERIFY(opening.waitForOutcome(1000));
        QCOMPARE(opening.opened.size(), 0);
        QCOMPARE(opening.failure().kind, OpenFailure::Refused);
        QTEST(opening.failure().text, "text");
        QVERIFY(!opening.transport.isOpen());
        QVERIFY(QTest::qWaitFor([&] { return !server.hasClient(); }));
    }

    void rfc2217TakesCommandsOutOfTheData()
    {
        ComPortServer server;
        Opening opening(server.url());
        QVERIFY(opening.waitForOutcome());
        QIODevice *device = opening.transport.device();
        QSignalSpy readable(device, &QIODevice::readyRead);

        // A modem state notification, a NOP, an offer of echo and a long
        // unknown subnegotiation, between and inside the unit's bytes, every
        // byte in a read of its own so that each escape is split.
        const QByteArray wire = "\x02K" + subnegotiation("\x2c\x6b\x30") + "V\xff\xf1" +
                                "\xff\xff" + "\xff\xfb\x01" + subnegotiation(QByteArray(200, 'z')) +
                                "3\x03\r";
        for (const char byte : wire) {
            server.sendWire(QByteArray(1, byte));
            QTest::qWait(1);
        }
        const QByteArray expected = "\x02KV\xff"
                                    "3\x03\r";
        QCOMPARE(readFrom(device, expected.size()), expected);
        QTest::qWait(50);
        QCOMPARE(device->bytesAvailable(), 0);
        QVERIFY(readable.size() > 0);
        // The offer was declined, and nothing else was said.
        QCOMPARE(server.commands().constLast(), (QPair<quint8, quint8>(254, 1)));
        QVERIFY(opening.transport.isOpen());
    }
};

QTEST_GUILESS_MAIN(NetworkTest)
#include "tst_network.moc"
