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
    // Every row probes, sends its bytes, then asks for the record.
    void answersAsTheUnit_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QByteArray>("record");

        const QByteArray extended = otherRecord + ";111;111";
        const QByteArray startExtended = startRecord + ";111;111";
        QTest::newRow("newer") << "1.0.10.2" << QByteArray() << QStringList() << startExtended;
        QTest::newRow("1.0.10.1") << "1.0.10.1" << QByteArray() << QStringList() << startRecord;
        // Letters dropped, as the tool drops them, so both expect 22 fields.
        QTest::newRow("letters") << "V1.0.10.2" << QByteArray() << QStringList() << startExtended;
        QTest::newRow("extended record")
            << "1.0.10.2" << frame(extended) << QStringList{"settings " + extended} << extended;
        QTest::newRow("basic record, empty parts dropped")
            << "1.0.10.1" << frame(';' + otherRecord + ";;")
            << QStringList{"settings ;" + otherRecord + ";;"} << otherRecord;
        QTest::newRow("wrong length ignored")
            << "1.0.10.2" << frame(otherRecord) << QStringList{"other " + otherRecord}
            << startExtended;
        QTest::newRow("adjust, then stop")
            << "1.0.10.1" << frame("\00231;1") + '\004' << QStringList{"adjust 31;1", "stop"}
            << QByteArray("0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;31;1");
        QTest::newRow("unreadable adjust ignored, bytes escaped")
            << "1.0.10.1" << frame("\0023\\\xe9") << QStringList{"adjust 3\\x5c\\xe9"}
            << startRecord;
        QTest::newRow("stop only outside a frame, even after an unclosed one")
            << "1.0.10.1"
            << "\004" + frame("a\004") + "\002b\003\004"
            << QStringList{"stop", "other a\\x04", "stop"} << startRecord;
        // Garbage, however much, leaves the unit answering.
        QByteArray everyOtherByte;
        for (int code = 0; code < 256; ++code)
            if (code != 0x02 && code != 0x04)
                everyOtherByte += char(code);
        const QByteArray megabytes(2 * 1024 * 1024, 'x');
        for (const auto &[name, noise] : {std::pair("half frame", QByteArray("\002ab")),
                                          {"every other byte", everyOtherByte},
                                          {"endless frame", '\002' + megabytes}})
            QTest::newRow(name) << "1.0.10.1" << noise << QStringList() << startRecord;
        QTest::newRow("oversized frame, then stop")
            << "1.0.10.1" << frame(megabytes) + '\004' << QStringList{"stop"} << startRecord;
    }
    void answersAsTheUnit()
    {
        QFETCH(QString, firmware);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, logged);
        QFETCH(QByteArray, record);

        VirtualUnitProcess unit({"--firmware", firmware});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        const QByteArray reply = frame("KV3318 " + firmware.toLatin1());
        QCOMPARE(exchange(tool, frame("?"), reply.size()), reply);
        QCOMPARE(exchange(tool, sent + frame("0data"), record.size() + 3, 10000), frame(record));
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(unit.lines(), QStringList("probe") + logged + QStringList("request"));
    }

    void silentUnitNeverAnswers()
    {
        VirtualUnitProcess unit({"--silent"});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        tool.write(frame("?") + frame("0data"));
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(exchange(tool, {}, 1, 300), QByteArray());
        QCOMPARE(unit.lines(), QStringList({"probe", "request"}));
    }

    void chunkedRepliesAndAReopenedPort()
    {
        VirtualUnitProcess unit({"--chunk", "2"});
        QSerialPort tool(unit.portPath());
        QVERIFY(tool.open(QIODevice::ReadWrite));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exchange(tool, frame("?"), probeReply.size()), probeReply);
        // Nine pieces with a pause of a few milliseconds between each two.
        QVERIFY(clock.elapsed() >= 30);
        tool.close();

        // A unit that took the closed port for a hang-up would read in a
        // busy loop and burn most of this half second.
        const long before = cpuTicks(unit.process().processId());
        QTest::qWait(500);
        QVERIFY(cpuTicks(unit.process().processId()) - before < sysconf(_SC_CLK_TCK) / 10);

        QVERIFY(tool.open(QIODevice::ReadWrite));
        QCOMPARE(exchange(tool, frame("?"), probeReply.size()), probeReply);
    }

    void endsCleanlyOnSignal()
    {
        for (const int signal : {SIGINT, SIGTERM}) {
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
    }
};

QTEST_GUILESS_MAIN(VirtualUnitTest)
#include "tst_virtualunit.moc"
