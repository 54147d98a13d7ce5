#include "clickablelabel.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "runprogress.h"
#include "ui_mainwindow.h"
#include "unitsession.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace
{

// What the timer would do every 3 s, without waiting for it.
void step(MainWindow &window)
{
    window.connection().session()->run().advance();
}

// The form's own record with one field replaced (17 is the wave controller,
// 18 the wave time), as a restored file brings it.
QString recordWith(MainWindow &window, int field, const QString &value)
{
    QStringList fields = window.createDataString().split(';');
    fields[field] = value;
    return fields.join(';');
}

// The enabled state of every control a run locks: the wave time, the wave
// controller, the three mode buttons, send, receive, start, and stop last.
QList<bool> lockable(MainWindow &window)
{
    QList<bool> states{window.form().waveSSpinBox->isEnabled(),
                       window.form().wavectrlCheckBox->isEnabled()};
    for (const ClickableLabel *button : window.form().modeBox->findChildren<ClickableLabel *>())
        states << button->isEnabled();
    return states << window.form().sendButton->isEnabled()
                  << window.form().receiveButton->isEnabled()
                  << window.form().startButton->isEnabled()
                  << window.form().stopButton->isEnabled();
}

const QList<bool> running{false, false, false, false, false, false, false, false, true};
const QList<bool> ready{true, true, true, true, true, true, true, true, false};

} // namespace

// The adjustment run in the window, and how it ends. Every test starts with a
// window whose unit answered on a pseudo-terminal and whose wave controller
// is on, so that a run can be started.
class WaveAdjustmentTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<PseudoTerminal> unit;
    std::unique_ptr<MainWindow> window;

private Q_SLOTS:
    void init()
    {
        window.reset();
        unit = std::make_unique<PseudoTerminal>();
        window = windowDetectedOn(*unit);
        QVERIFY(window);
        window->form().wavectrlCheckBox->setChecked(true);
        QVERIFY(window->form().stopButton->isEnabled() &&
                window->form().waveAutoLabel->isEnabled());
    }

    // The one test on the real timer.
    void stepsFollowTheTimerAndStopEndsTheRun()
    {
        QElapsedTimer clock;
        clock.start();
        window->form().startButton->click();
        QCOMPARE(unit->read(8, 500), adjustFrame(30));
        QCOMPARE(lockable(*window), running);
        // What does not disturb a run stays usable.
        QVERIFY(window->form().inverseCheckBox->isEnabled() &&
                window->form().recordButton->isEnabled());
        QVERIFY(window->form().restoreButton->isEnabled());

        // Inverse changed during the run goes into the next message.
        window->form().inverseCheckBox->setChecked(true);
        QCOMPARE(unit->read(8, 4000), adjustFrame(31, true));
        QVERIFY2(clock.elapsed() >= 2990, qPrintable(QString::number(clock.elapsed())));

        // Past the time of the next step: nothing but the stop byte.
        window->form().stopButton->click();
        QVERIFY(window->statusBar()->findChild<RunProgress *>()->isHidden());
        QCOMPARE(unit->readFor(3100), stopByte);
        QCOMPARE(window->form().waveSSpinBox->value(), 0.31);
        QCOMPARE(lockable(*window), ready);
    }

    // The run's progress: steps counted to the nearest whole step, the time
    // left in minutes and two-digit seconds.
    void runEndsAtTheMaximum()
    {
        const auto action = [this](const QString &text) {
            for (QAction *action : window->findChildren<QAction *>()) {
                if (action->text() == text)
                    return action;
            }
            return static_cast<QAction *>(nullptr);
        };
        auto *progress = window->statusBar()->findChild<RunProgress *>();
        window->form().waveSSpinBox->setValue(0.31);
        window->form().startButton->click();
        for (int i = 0; i < 29; ++i)
            step(*window);
        QVERIFY(!progress->isHidden());
        // 0.29 s over 0.01 s steps is a hair under 29 in binary.
        QCOMPARE(progress->findChild<QProgressBar *>()->value(), 29);
        QCOMPARE(progress->findChild<QLabel *>()->text(), "0.60 s of 2.50 s, 9:30 left");
        for (int i = 29; i < 218; ++i)
            step(*window);
        QCOMPARE(progress->findChild<QLabel *>()->text(), "2.49 s of 2.50 s, 0:03 left");
        QCOMPARE(lockable(*window), running);
        QVERIFY(!action("&Undo")->isEnabled());
        step(*window);
        QCOMPARE(lockable(*window), ready);
        QVERIFY(progress->isHidden());
        QCOMPARE(window->form().waveSSpinBox->value(), 2.5);
        // The whole run is one step.
        action("&Undo")->trigger();
        QCOMPARE(window->form().waveSSpinBox->value(), 0.31);
        action("&Redo")->trigger();
        QCOMPARE(window->form().waveSSpinBox->value(), 2.5);

        // Started there again, it sends the one value and ends at once.
        window->form().startButton->click();
        QCOMPARE(lockable(*window), ready);

        QByteArray expected;
        for (int hundredths = 31; hundredths <= 250; ++hundredths)
            expected += adjustFrame(hundredths);
        QCOMPARE(unit->readFor(300), expected + stopByte + adjustFrame(250) + stopByte);
    }

    // A record restored or received during a run changes what it works on.
    void recordAppliedDuringARun()
    {
        window->form().startButton->click();
        // The wave time just below the maximum: the next step reaches it and ends there.
        window->readDataString(recordWith(*window, 18, "249"));
        QCOMPARE(lockable(*window), running);
        step(*window);
        QCOMPARE(lockable(*window), ready);

        // A record that switches the wave controller off ends the run at
        // once, with its stop byte, and the run's progress goes with it.
        window->form().waveSSpinBox->setValue(0.3);
        window->form().startButton->click();
        window->readDataString(recordWith(*window, 17, "0"));
        QCOMPARE(unit->readFor(200),
                 adjustFrame(30) + adjustFrame(250) + stopByte + adjustFrame(30) + stopByte);
        QVERIFY(window->statusBar()->findChild<RunProgress *>()->isHidden());
        step(*window);
        QCOMPARE(unit->readFor(100), QByteArray());
        // Everything comes back except what the wave controller keeps locked.
        QCOMPARE(lockable(*window),
                 QList<bool>({false, true, true, true, true, true, true, false, false}));
        window->form().wavectrlCheckBox->setChecked(true);
        QVERIFY(window->form().waveSSpinBox->isEnabled() &&
                window->form().startButton->isEnabled());
    }

    // Closed, the run ends with its stop byte before anything is asked;
    // taken apart, the unit gets it all the same, and nothing reaches a
    // widget already gone.
    void closingOrDestroyedDuringARunSendsTheStopByte()
    {
        window->show();
        window->form().startButton->click();
        QCOMPARE(unit->read(8), adjustFrame(30));
        QByteArray whenAsked;
        QTimer asked;
        connect(&asked, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                whenAsked = unit->readFor(50);
                box->button(QMessageBox::Cancel)->click();
            }
        });
        asked.start(10);
        window->close();
        QTRY_COMPARE(whenAsked, stopByte);
        QVERIFY(window->isVisible());
        window->form().startButton->click();
        QCOMPARE(unit->read(8), adjustFrame(30));
        window.reset();
        QCOMPARE(unit->read(1), stopByte);
    }

    // A pulled cable ends the run, said as a loss of that port and of the
    // run; what needs a unit is locked, the rest released.
    void hangUpEndsRunAndLocksWhatNeedsAUnit()
    {
        window->form().startButton->click();
        QCOMPARE(lockable(*window), running);
        const QString record = window->createDataString();

        // Nothing is written after it, so only the read side can tell.
        unit->closeMaster();
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel(*window)->text(), QString("no interface detected"),
                                  1000);
        QTRY_VERIFY(
            notice(*window).contains(unit->slavePath() + " was lost during an adjustment run"));
        // Past the time of the run's next step.
        QTest::qWait(3200);

        QCOMPARE(lockable(*window),
                 QList<bool>({true, true, true, true, true, false, false, false, false}));
        QVERIFY(!window->form().waveAutoLabel->isEnabled());
        QVERIFY(window->statusBar()->findChild<QToolButton *>()->isEnabled());
        // The run has ended: the wave time no longer moves, the form is kept,
        // and so is the lost unit's record length.
        QCOMPARE(window->createDataString(), record);
        QCOMPARE(record.split(';').size(), 22);
    }
};

QTEST_MAIN(WaveAdjustmentTest)
#include "tst_waveadjustment.moc"
