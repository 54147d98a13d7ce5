#include "clickablelabel.h"
#include "mainwindow.h"
#include "pseudoterminal.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

namespace
{

// Where the wave controller and the wave time sit in a settings record.
constexpr int waveControllerField = 17;
constexpr int waveTimeField = 18;

const QByteArray stopByte("\x04");

// One adjust message as the unit sees it: the frame's STX, then the
// message's own STX, the wave time in hundredths, ";" and the inverse flag.
QByteArray adjustFrame(int hundredths, bool inverse = false)
{
    return "\x02\x02" + QByteArray::number(hundredths) + ';' + (inverse ? '1' : '0') + "\x03\r";
}

void step(MainWindow &window)
{
    QVERIFY(QMetaObject::invokeMethod(&window, "onTimeout"));
}

// The form's own record with one field replaced, as a restored file brings it.
QString recordWith(MainWindow &window, int field, const QString &value)
{
    QStringList fields = window.createDataString().split(';');
    fields[field] = value;
    return fields.join(';');
}

} // namespace

class WaveAdjustmentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void stepsFollowTheTimerAndStopEndsTheRun();
    void startAtMaximumEndsAtOnce();
    void fullRunFromMinimum();
    void restoredWaveTimeIsWhereTheRunGoesOn();
    void restoredWaveControllerOffEndsTheRun();
    void runGoesOnWhenTheLineIsGone();

private:
    // The enabled state of every control a run locks, stop button last, so
    // that a failure shows which one is wrong.
    QList<bool> lockableControls() const;
    void verifyRunning() const;
    void verifyReady() const;

    std::unique_ptr<PseudoTerminal> unit;
    std::unique_ptr<MainWindow> window;
};

// Every test starts with a window whose unit answered on a pseudo-terminal
// and whose wave controller is on, so that a run can be started.
void WaveAdjustmentTest::init()
{
    unit = std::make_unique<PseudoTerminal>();
    QVERIFY(unit->isValid());
    qputenv("KV3318_PORTS", unit->slavePath().toLocal8Bit());
    window = std::make_unique<MainWindow>();
    qputenv("KV3318_PORTS", "");
    QCOMPARE(unit->read(4), QByteArray("\x02?\x03\r"));
    QVERIFY(unit->write("\x02KV3318 1.0.10.2\x03\r"));
    QTRY_VERIFY(window->sendButton->isEnabled());
    window->wavectrlCheckBox->setChecked(true);
    QVERIFY(window->startButton->isEnabled());
}

void WaveAdjustmentTest::cleanup()
{
    window.reset();
    unit.reset();
}

QList<bool> WaveAdjustmentTest::lockableControls() const
{
    QList<bool> states{window->waveSSpinBox->isEnabled(), window->wavectrlCheckBox->isEnabled()};
    const QList<ClickableLabel *> modeButtons = window->modeBox->findChildren<ClickableLabel *>();
    for (const ClickableLabel *button : modeButtons)
        states << button->isEnabled();
    states << window->sendButton->isEnabled() << window->receiveButton->isEnabled()
           << window->startButton->isEnabled() << window->stopButton->isEnabled();
    return states;
}

void WaveAdjustmentTest::verifyRunning() const
{
    QCOMPARE(lockableControls(),
             QList<bool>({false, false, false, false, false, false, false, false, true}));
    // What does not disturb a run stays usable.
    QVERIFY(window->inverseCheckBox->isEnabled());
    QVERIFY(window->recordButton->isEnabled());
    QVERIFY(window->restoreButton->isEnabled());
}

void WaveAdjustmentTest::verifyReady() const
{
    QCOMPARE(lockableControls(),
             QList<bool>({true, true, true, true, true, true, true, true, false}));
}

void WaveAdjustmentTest::stepsFollowTheTimerAndStopEndsTheRun()
{
    QElapsedTimer clock;
    clock.start();
    window->startButton->click();
    QCOMPARE(unit->read(8, 500), adjustFrame(30));
    verifyRunning();

    // Inverse changed during the run goes into the next message.
    window->inverseCheckBox->setChecked(true);
    QCOMPARE(unit->read(8, 4000), adjustFrame(31, true));
    QVERIFY2(clock.elapsed() >= 2990 && clock.elapsed() < 3500,
             qPrintable(QString::number(clock.elapsed())));
    window->inverseCheckBox->setChecked(false);
    QCOMPARE(unit->read(8, 4000), adjustFrame(32));
    QVERIFY2(clock.elapsed() >= 5990 && clock.elapsed() < 6500,
             qPrintable(QString::number(clock.elapsed())));

    window->stopButton->click();
    QCOMPARE(unit->readFor(3300), stopByte);
    QCOMPARE(window->waveSSpinBox->value(), 0.32);
    verifyReady();
}

void WaveAdjustmentTest::startAtMaximumEndsAtOnce()
{
    window->waveSSpinBox->setValue(2.5);
    window->startButton->click();
    QCOMPARE(unit->readFor(200), adjustFrame(250) + stopByte);
    QCOMPARE(window->waveSSpinBox->value(), 2.5);
    verifyReady();
}

void WaveAdjustmentTest::fullRunFromMinimum()
{
    window->startButton->click();
    for (int i = 0; i < 219; ++i)
        step(*window);
    verifyRunning();
    step(*window);
    verifyReady();
    QCOMPARE(window->waveSSpinBox->value(), 2.5);

    QByteArray expected;
    for (int hundredths = 30; hundredths <= 250; ++hundredths)
        expected += adjustFrame(hundredths);
    expected += stopByte;
    QCOMPARE(unit->readFor(300), expected);
}

void WaveAdjustmentTest::restoredWaveTimeIsWhereTheRunGoesOn()
{
    window->startButton->click();
    step(*window);
    window->readDataString(recordWith(*window, waveTimeField, "200"));
    step(*window);
    verifyRunning();

    // Restored just below the maximum, the next step reaches it and ends there.
    window->readDataString(recordWith(*window, waveTimeField, "249"));
    step(*window);
    verifyReady();
    QCOMPARE(unit->readFor(200),
             adjustFrame(30) + adjustFrame(31) + adjustFrame(201) + adjustFrame(250) + stopByte);
}

void WaveAdjustmentTest::restoredWaveControllerOffEndsTheRun()
{
    window->startButton->click();
    window->readDataString(recordWith(*window, waveControllerField, "0"));
    QVERIFY(!window->stopButton->isEnabled());

    // The run cannot be stopped by hand any more, so the next step ends it
    // without raising or sending the wave time.
    step(*window);
    QCOMPARE(unit->readFor(200), adjustFrame(30) + stopByte);
    QCOMPARE(window->waveSSpinBox->value(), 0.3);
    // Everything comes back except what the wave controller keeps locked.
    QCOMPARE(lockableControls(),
             QList<bool>({false, true, true, true, true, true, true, false, false}));

    window->wavectrlCheckBox->setChecked(true);
    QVERIFY(window->waveSSpinBox->isEnabled());
    QVERIFY(window->startButton->isEnabled());
}

void WaveAdjustmentTest::runGoesOnWhenTheLineIsGone()
{
    window->startButton->click();
    QCOMPARE(unit->read(8), adjustFrame(30));
    unit->closeMaster();
    QTest::qWait(50);
    step(*window);
    QTest::qWait(50);
    step(*window);
    QTest::qWait(50);
    QCOMPARE(window->waveSSpinBox->value(), 0.32);
    verifyRunning();
    window->stopButton->click();
    verifyReady();
}

QTEST_MAIN(WaveAdjustmentTest)
#include "tst_waveadjustment.moc"
