#include "detectedwindow.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "virtualunitprocess.h"

#include <QtTest>

namespace
{
const QByteArray example = "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0";
const QByteArray other = "2;30;0;0;0;0;0;0;0;100;5;0;1;48;1;10;3;1;250;1";

QByteArray frame(const QByteArray &body)
{
    return '\x02' + body + "\x03\r";
}
} // namespace

class TransferTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsComeBackFromTheVirtualUnit()
    {
        VirtualUnitProcess unit; // firmware above 1.0.10.1: extended records
        qputenv("KV3318_PORTS", unit.portPath().toLocal8Bit());
        MainWindow window;
        QTRY_VERIFY(window.sendButton->isEnabled());

        const QString record = example + ";111;111";
        window.readDataString(record);
        window.sendButton->click();
        QVERIFY(unit.waitForLine("settings " + record));

        window.readDataString(other + ";111;111");
        window.receiveButton->click();
        QVERIFY(unit.waitForLine("request"));
        QTRY_COMPARE(window.createDataString(), record);
    }

    void onlyTheFirstMessageAfterARequestIsApplied()
    {
        PseudoTerminal line;
        const std::unique_ptr<MainWindow> detected = windowDetectedOn(line, "1.0.10.1");
        QVERIFY(detected);
        MainWindow &window = *detected;
        const QString start = window.createDataString();

        // Unasked for: ignored.
        QVERIFY(line.write(frame(example)));
        line.readFor(100);
        QCOMPARE(window.createDataString(), start);

        window.receiveButton->click();
        QCOMPARE(line.read(8), QByteArray("\x02"
                                          "0data\x03\r"));
        // The wrong length uses up the request, so the record after it is ignored.
        QVERIFY(line.write(frame(example + ";111;111") + frame(example)));
        line.readFor(100);
        QCOMPARE(window.createDataString(), start);

        // Two requests, two answers: the first answer only.
        window.receiveButton->click();
        window.receiveButton->click();
        QCOMPARE(line.read(16).count("0data"), 2);
        QVERIFY(line.write(frame(example) + frame(other)));
        QTRY_COMPARE(window.createDataString().toLatin1(), example);
        line.readFor(100);
        QCOMPARE(window.createDataString().toLatin1(), example);
    }
};

QTEST_MAIN(TransferTest)
#include "tst_transfer.moc"
