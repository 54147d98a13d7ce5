#include "unitparser.h"
#include "virtualunitprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace
{

const QByteArray startRecord = "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
const QByteArray otherRecord = "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0";

QByteArray frame(const QByteArray &body)
{
    return '\002' + body + "\003\r";
}

const QByteArray probeReply = frame("KV3318 1.0.10.2");

// Sends everything, then collects until `count` bytes arrived or time ran out.
QByteArray exchange(QSerialPort &port, const QByteArray &sent, qsizetype count,
                    int timeoutMs = 3000)
{
    port.write(sent);
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (received.size() < count && clock.elapsed() < timeoutMs) {
        port.waitForReadyRead(20);
        received += port.readAll();
    }
    return received;
}

long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // utime and stime follow the parenthesised command name.
    const QByteArrayList fields = stat.readAll().split(')').last().split(' ');
    return fields.value(12).toLong() + fields.value(13).toLong();
}

} // namespace

class VirtualUnitTest : public QObject
{
    Q_OBJECT

private slots:
    void parserFindsMessagesInAnyPieces_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("messages");

        const QByteArray longest(UnitParser::maxBodyLength, 'y');
        QTest::newRow("probe") << frame("?") << QByteArrayList{"?"};
        QTest::newRow("adjust keeps its own STX")
            << frame("\00231;0") << QByteArrayList{"\00231;0"};
        QTest::newRow("STX restarts") << "\002ab" + frame("?") << QByteArrayList{"?"};
        QTest::newRow("stop only outside a frame")
            << "\004" + frame("a\004") << QByteArrayList{"stop", "a\004"};
        QTest::newRow("unclosed frame, then stop")
            << QByteArray("\002a\003\004") << QByteArrayList{"stop"};
        QTest::newRow("noise, repeated CR")
            << "x\003\r" + frame("a\rb") + '\r' << QByteArrayList{"a\rb"};
        QTest::newRow("longest body kept") << frame(longest) << QByteArrayList{longest};
        QTest::newRow("overlong dropped, next frame fine")
            << frame(longest + 'y') + '\004' + frame("?") << QByteArrayList{"dropped", "stop", "?"};
    }
    void parserFindsMessagesInAnyPieces()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, messages);

        for (const qsizetype piece : {qsizetype(1), qsizetype(2), qsizetype(7), bytes.size()}) {
            UnitParser parser;
            QByteArrayList seen;
            connect(&parser, &UnitParser::frameReceived,
                    [&](const QByteArray &body) { seen << body; });
            connect(&parser, &UnitParser::stopReceived, [&] { seen << "stop"; });
            connect(&parser, &UnitParser::frameDropped, [&] { seen << "dropped"; });
            for (qsizetype at = 0; at < bytes.size(); at += piece)
                parser.feed(QByteArrayView(bytes).sliced(at, qMin(piece, bytes.size() - at)));
            QVERIFY2(seen == messages, qPrintable(QStringLiteral("pieces of %1").arg(piece)));
        }
    }

    void answersProbeAndRequest_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QByteArray>("record");

        QTest::newRow("newer") << "1.0.10.2" << startRecord + ";111;111";
        QTest::newRow("1.0.10.1") << "1.0.10.1" << startRecord;
        // Packs as 1.0.10.0, as the tool packs it, so both expect 20 fields.
        QTest::newRow("suffix") << "1.0.10.2-rc" << startRecord;
    }
    void answersProbeAndRequest()
    {
        QFETCH(QString, firmware);
        QFETCH(QByteArray, record);

        VirtualUnitProcess unit({"--firmware", firmware});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        const QByteArray reply = frame("KV3318 " + firmware.toLatin1());
        QCOMPARE(exchange(tool, frame("?"), reply.size()), reply);
        QCOMPARE(exchange(tool, frame("0data"), record.size() + 3), frame(record));
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(unit.lines(), QStringList({"probe", "request"}));
    }

    void messagesChangeItsRecord_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QByteArray>("record");

        const QByteArray extended = otherRecord + ";111;111";
        QTest::newRow("extended record")
            << "1.0.10.2" << frame(extended) << QStringList{"settings " + extended} << extended;
        QTest::newRow("basic record, empty parts dropped")
            << "1.0.10.1" << frame(';' + otherRecord + ";;")
            << QStringList{"settings ;" + otherRecord + ";;"} << otherRecord;
        QTest::newRow("wrong length ignored")
            << "1.0.10.2" << frame(otherRecord) << QStringList{"other " + otherRecord}
            << startRecord + ";111;111";
        QTest::newRow("adjust, then stop")
            << "1.0.10.1" << frame("\00231;1") + '\004' << QStringList{"adjust 31;1", "stop"}
            << QByteArray("0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;31;1");
        QTest::newRow("unreadable adjust ignored, bytes escaped")
            << "1.0.10.1" << frame("\0023\\\xe9") << QStringList{"adjust 3\\x5c\\xe9"}
            << startRecord;
    }
    void messagesChangeItsRecord()
    {
        QFETCH(QString, firmware);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, logged);
        QFETCH(QByteArray, record);

        VirtualUnitProcess unit({"--firmware", firmware});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        QCOMPARE(exchange(tool, sent + frame("0data"), record.size() + 3), frame(record));
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(unit.lines(), logged << "request");
    }

    void badInputLeavesNextProbeAnswered_data()
    {
        QTest::addColumn<QByteArray>("noise");

        QByteArray everyOtherByte;
        for (int code = 0; code < 256; ++code)
            if (code != 0x02 && code != 0x04)
                everyOtherByte += char(code);
        const QByteArray megabytes(2 * 1024 * 1024, 'x');
        QTest::newRow("half frame") << QByteArray("\002ab");
        QTest::newRow("every other byte") << everyOtherByte;
        QTest::newRow("endless frame") << '\002' + megabytes;
        QTest::newRow("oversized frame") << frame(megabytes);
    }
    void badInputLeavesNextProbeAnswered()
    {
        QFETCH(QByteArray, noise);

        VirtualUnitProcess unit;
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        QCOMPARE(exchange(tool, noise + frame("?"), probeReply.size(), 10000), probeReply);
        QVERIFY(unit.waitForLine("probe"));
        QCOMPARE(unit.lines(), QStringList{"probe"});
    }

    void chunkedReplyArrivesWhole()
    {
        VirtualUnitProcess unit({"--chunk", "2"});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exchange(tool, frame("?"), probeReply.size()), probeReply);
        // Nine pieces with a pause of a few milliseconds between each two.
        QVERIFY(clock.elapsed() >= 30);
    }

    void silentUnitNeverAnswers()
    {
        VirtualUnitProcess unit({"--silent"});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        tool.write(frame("?") + frame("0data"));
        QVERIFY(tool.waitForBytesWritten(1000));
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(exchange(tool, {}, 1, 300), QByteArray());
        QCOMPARE(unit.lines(), QStringList({"probe", "request"}));
    }

    void reopenedPortAnsweredWithoutSpinning()
    {
        VirtualUnitProcess unit;
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        QCOMPARE(exchange(tool, frame("?"), probeReply.size()), probeReply);
        tool.close();

        // A unit that took the closed port for a hang-up would read in a
        // busy loop and burn most of this second.
        const long before = cpuTicks(unit.process().processId());
        QTest::qWait(1000);
        QVERIFY(cpuTicks(unit.process().processId()) - before < sysconf(_SC_CLK_TCK) / 5);

        QVERIFY(tool.open(QIODevice::ReadWrite));
        QCOMPARE(exchange(tool, frame("?"), probeReply.size()), probeReply);
    }

    void endsCleanlyOnSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }
    void endsCleanlyOnSignal()
    {
        QFETCH(int, signal);

        QTemporaryDir dir;
        const QString link = dir.filePath("port");
        VirtualUnitProcess unit({"--link", link});
        QCOMPARE(QFileInfo(link).symLinkTarget(), unit.portPath());
        ::kill(pid_t(unit.process().processId()), signal);
        QVERIFY(unit.process().waitForFinished(3000));
        QCOMPARE(unit.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(unit.process().exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(VirtualUnitTest)
#include "tst_virtualunit.moc"
