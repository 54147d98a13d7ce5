#include "mainwindow.h"

#include <QRandomGenerator>
#include <QtTest>

namespace
{
const QString example = "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0";
const QString startRecord = "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";

void detectUnit(MainWindow &window, const QString &firmware)
{
    QMetaObject::invokeMethod(&window, "onInterfaceDetect",
                              Q_ARG(QStringList, QStringList({"port", firmware})));
}

// A record of settings the form can hold, whichever page it names.
QString randomRecord(QRandomGenerator &random)
{
    const auto any = [&](int low, int high) { return random.bounded(low, high + 1); };
    const auto power = [&] { return random.bounded(3) == 0 ? 0 : any(30, 100); };
    const int mode = any(0, 2);
    const int sequential = any(1, 10);
    // On the sequential page the form keeps the pulse time at or below it.
    const int pulse = any(30, mode == 2 ? qMin(800, sequential * 100) : 800);
    const QList<int> fields{mode,        power(),    power(),   power(),      power(),
                            power(),     power(),    power(),   power(),      pulse,
                            any(1, 15),  any(0, 1),  any(0, 1), any(1, 191),  any(0, 1),
                            any(1, 779), sequential, any(0, 1), any(30, 250), any(0, 1)};
    QStringList text;
    for (int field : fields)
        text << QString::number(field);
    return text.join(';');
}
} // namespace

class SettingsRecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void examples()
    {
        MainWindow window;
        QCOMPARE(window.createDataString(), startRecord);

        window.stackedWidget->setCurrentIndex(1);
        const QList<std::pair<QSpinBox *, int>> settings{
            {window.power11SpinBox, 100},  {window.power12SpinBox, 80},
            {window.power21SpinBox, 50},   {window.power22SpinBox, 50},
            {window.power23SpinBox, 30},   {window.power24SpinBox, 30},
            {window.foodMSpinBox, 10},     {window.stormDSpinBox, 1},
            {window.stormHSpinBox, 2},     {window.intervalHSpinBox, 1},
            {window.intervalMSpinBox, 30}, {window.sequentialSSpinBox, 5}};
        for (auto [box, value] : settings)
            box->setValue(value);
        window.pulseSSpinBox->setValue(0.38);
        window.waveSSpinBox->setValue(1.25);
        window.moonCheckBox->setChecked(true);
        window.stormCheckBox->setChecked(true);
        QCOMPARE(window.createDataString(), example);

        detectUnit(window, "1.0.10.2");
        QCOMPARE(window.createDataString(), example + ";111;111");
        detectUnit(window, "1.0.10.1");
        QCOMPARE(window.createDataString(), example);
    }

    void randomFormsSurviveTheRoundTrip()
    {
        QRandomGenerator random(3318);
        for (const QString firmware : {"1.0.10.1", "1.0.11.0"}) {
            MainWindow window;
            detectUnit(window, firmware);
            const QString tail = firmware == "1.0.11.0" ? ";111;111" : "";
            // One window throughout, so each record lands on the one before.
            for (int round = 0; round < 300; ++round) {
                const QString record = randomRecord(random) + tail;
                window.readDataString(record);
                QCOMPARE(window.createDataString(), record);
            }
        }
    }

    void reading_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        const QString start = startRecord;
        QTest::newRow("separators around") << start << ";" + example + ";" << example;
        QTest::newRow("field missing")
            << start << QString(example).replace("1;100;", "1;;") << start;
        // Set the smaller unit first, the start form's 0 days 1 hour would end as 25 hours.
        QTest::newRow("larger unit first") << start << "0;0;0;0;0;0;0;0;0;30;1;0;0;24;0;60;1;0;30;0"
                                           << "0;0;0;0;0;0;0;0;0;30;1;0;0;24;0;60;1;0;30;0";
        QTest::newRow("zero times raised") << example << "0;0;0;0;0;0;0;0;0;30;1;0;0;0;0;0;1;0;30;0"
                                           << "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
        QTest::newRow("sequential pulls pulse down")
            << "2;0;0;0;0;0;0;0;0;300;1;0;0;1;0;1;5;0;30;0"
            << "2;0;0;0;0;0;0;0;0;500;1;0;0;1;0;1;1;0;30;0"
            << "2;0;0;0;0;0;0;0;0;100;1;0;0;1;0;1;1;0;30;0";
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
        MainWindow window;
        window.readDataString(before);
        window.readDataString(text);
        QCOMPARE(window.createDataString(), after);
    }

    void version_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("version");
        QTest::newRow("letters") << "V1.0.10.2" << 0x01000A02u;
        QTest::newRow("three parts") << "1.0.10" << 0u;
        QTest::newRow("empty part") << "1..0.10.1" << 0x01000A01u;
        QTest::newRow("carry") << "1.0.9.256" << 0x01000A00u;
    }

    void version()
    {
        QFETCH(QString, text);
        QFETCH(uint, version);
        QCOMPARE(MainWindow::generateVersion(text), version);
    }
};

QTEST_MAIN(SettingsRecordTest)
#include "tst_settingsrecord.moc"
