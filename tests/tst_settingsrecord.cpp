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
    void writing()
    {
        MainWindow window(Candidates::named({}));
        QCOMPARE(window.createDataString(), QString(startRecord));

        window.form().stackedWidget->setCurrentIndex(1);
        const QList<std::pair<QSpinBox *, int>> settings{
            {window.form().power11SpinBox, 100},  {window.form().power12SpinBox, 80},
            {window.form().power21SpinBox, 50},   {window.form().power22SpinBox, 50},
            {window.form().power23SpinBox, 30},   {window.form().power24SpinBox, 30},
            {window.form().foodMSpinBox, 10},     {window.form().stormDSpinBox, 1},
            {window.form().stormHSpinBox, 2},     {window.form().intervalHSpinBox, 1},
            {window.form().intervalMSpinBox, 30}, {window.form().sequentialSSpinBox, 5}};
        for (auto [box, value] : settings)
            box->setValue(value);
        window.form().pulseSSpinBox->setValue(0.38);
        window.form().waveSSpinBox->setValue(1.25);
        window.form().moonCheckBox->setChecked(true);
        window.form().stormCheckBox->setChecked(true);
        QCOMPARE(window.createDataString(), QString(exampleRecord));
    }

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

    void reading_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        const QString start = startRecord;
        const QString example = exampleRecord;
        const QString wholeUnits = "0;0;0;0;0;0;0;0;0;30;1;0;0;24;0;60;1;0;30;0";
        QTest::newRow("separators around") << start << ";" + example + ";" << example;
        QTest::newRow("field missing")
            << start << QString(example).replace("1;100;", "1;;") << start;
        // Set the smaller unit first, the start form's 0 days 1 hour would end as 25 hours.
        QTest::newRow("larger unit first") << start << wholeUnits << wholeUnits;
        QTest::newRow("zero times raised")
            << example << "0;0;0;0;0;0;0;0;0;30;1;0;0;0;0;0;1;0;30;0" << start;
        // The same change of times from the sequential page to the pulse page:
        // left first, the page no longer couples them.
        const QString sequential = "2;0;0;0;0;0;0;0;0;300;1;0;0;1;0;1;5;0;30;0";
        QTest::newRow("sequential pulls pulse down")
            << sequential << "2;0;0;0;0;0;0;0;0;500;1;0;0;1;0;1;1;0;30;0"
            << "2;0;0;0;0;0;0;0;0;100;1;0;0;1;0;1;1;0;30;0";
        const QString pulsePage = "0;0;0;0;0;0;0;0;0;500;1;0;0;1;0;1;1;0;30;0";
        QTest::newRow("page first") << sequential << pulsePage << pulsePage;
        // Set after the powers, the wave controller would reset sockets 3 and 4
        // and inverse would swap socket 4; set before inverse, switching the
        // wave controller off would clear the inverse that the record holds.
        const QString wave = "0;0;0;40;50;0;0;60;70;30;1;0;0;1;0;1;1;1;30;1";
        QTest::newRow("wave controller on") << start << wave << wave;
        const QString inverseAlone = "0;0;0;40;50;0;0;60;70;30;1;0;0;1;0;1;1;0;30;1";
        QTest::newRow("wave controller off") << wave << inverseAlone << inverseAlone;
        // Every field its own value, so that no two fields can trade places
        // unseen; 4.52 s and 1.13 s times 100 come out just below the whole number.
        const QString distinct = "2;31;32;33;34;35;36;37;38;452;7;1;0;50;1;125;6;1;113;0";
        QTest::newRow("distinct fields") << start << distinct << distinct;
        QTest::newRow("nonsense clamped")
            << example
            << "7;abc;-5;3000000000;29;1;101;+40; 60;99999;abc;2;-1;-25;x;100000;0;0;1e1;0"
            << "1;0;0;100;0;30;100;40;60;800;1;1;1;1;0;760;1;0;30;0";
    }

    void reading()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QString, after);
        MainWindow window(Candidates::named({}));
        window.readDataString(before);
        window.readDataString(text);
        QCOMPARE(window.createDataString(), after);
    }
};

QTEST_MAIN(SettingsRecordTest)
#include "tst_settingsrecord.moc"
