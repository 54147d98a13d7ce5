#include "candidates.h"
#include "mainwindow.h"
#include "records.h"
#include "ui_mainwindow.h"

#include <QtTest>

namespace
{
void detect(MainWindow &window, const QString &port, const QString &firmware)
{
    QMetaObject::invokeMethod(&window, "onInterfaceDetect",
                              Q_ARG(QStringList, QStringList({port, firmware})));
}
} // namespace

class SettingsRecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Firmware after 1.0.10.1 takes the extended record, two fields more;
    // a record of the other length is ignored.
    void lengthFollowsFirmware_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<uint>("packed");
        QTest::newRow("newer") << "1.0.10.2" << 0x01000A02u;
        QTest::newRow("last basic") << "1.0.10.1" << 0x01000A01u;
        QTest::newRow("letters dropped") << "V1.0.11.0" << 0x01000B00u;
        QTest::newRow("three parts") << "1.0.11" << 0u;
    }
    void lengthFollowsFirmware()
    {
        QFETCH(QString, firmware);
        QFETCH(uint, packed);
        QCOMPARE(MainWindow::generateVersion(firmware), packed);
        const bool extended = packed > 0x01000A01u;
        const QString tail = ";111;111";
        MainWindow window(Candidates::named({}));
        detect(window, "ttyUSB7", firmware);
        QCOMPARE(window.createDataString(), startRecord + (extended ? tail : ""));
        window.readDataString(exampleRecord + (extended ? "" : tail));
        QCOMPARE(window.createDataString(), startRecord + (extended ? tail : ""));
        window.readDataString(exampleRecord + (extended ? tail : ""));
        QCOMPARE(window.createDataString(), exampleRecord + (extended ? tail : ""));

        // No unit found by a later search: a file recorded now still fits
        // the unit last seen.
        detect(window, "", "");
        QCOMPARE(window.createDataString(), exampleRecord + (extended ? tail : ""));
    }
};

QTEST_MAIN(SettingsRecordTest)
#include "tst_settingsrecord.moc"
