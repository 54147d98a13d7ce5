#include "records.h"
#include "virtualunitprocess.h"

#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

// The virtual unit stands in for the hardware for people too, so its command
// line and its answers are checked once, the way a person would use them.
class VirtualUnitTest : public QObject
{
    Q_OBJECT

private slots:
    void answersAsTheUnit()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("port");
        VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--chunk", "2", "--link", link});
        QSerialPort tool(link);
        QVERIFY(tool.open(QIODevice::ReadWrite));

        // A record, a wave adjustment and its stop, then the request: the
        // unit answers with the record as the adjustment left it.
        tool.write(frame("?") + frame(exampleRecord) + frame('\x02' + QByteArray("31;1")) + '\x04' +
                   frame("0data"));
        const QByteArray adjusted = QByteArray(exampleRecord).replace(";125;0", ";31;1");
        const QByteArray expected = frame("KV3318 1.0.10.1") + frame(adjusted);
        QByteArray received;
        while (received.size() < expected.size() && tool.waitForReadyRead(3000))
            received += tool.readAll();
        QCOMPARE(received, expected);
        QVERIFY(unit.waitForLine("request"));
        QCOMPARE(unit.lines(), QStringList({"probe", "settings " + exampleRecord, "adjust 31;1",
                                            "stop", "request"}));
    }
};

QTEST_GUILESS_MAIN(VirtualUnitTest)
#include "tst_virtualunit.moc"
