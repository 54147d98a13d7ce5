#include "candidates.h"
#include "clickablelabel.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"
#include "virtualunitprocess.h"

#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/resource.h>

namespace
{

QString statusText(MainWindow &window)
{
    return window.statusBar()->findChild<QLabel *>()->text();
}

QToolButton *searchButton(MainWindow &window)
{
    return window.statusBar()->findChild<QToolButton *>();
}

qint64 cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

} // namespace

// The unit is plugged in late, pulled, replugged: the window follows it
// without a restart and without burning a core meanwhile.
class UnitPresenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hangUpEndsRunAndLocksWhatNeedsAUnit()
    {
        PseudoTerminal far;
        const std::unique_ptr<MainWindow> detected = windowDetectedOn(far);
        QVERIFY(detected);
        MainWindow &window = *detected;
        window.form().wavectrlCheckBox->setChecked(true);
        window.form().startButton->click();
        QVERIFY(!window.form().wavectrlCheckBox->isEnabled());
        const QString record = window.createDataString();

        // A pulled cable: nothing is written after it, so only the read side can tell.
        far.closeMaster();
        QTRY_COMPARE_WITH_TIMEOUT(statusText(window), QString("no interface detected"), 1000);
        // Said as a loss, of that port, and of the run it ended.
        QTRY_VERIFY(
            notice(window).contains(far.slavePath() + " was lost during an adjustment run"));
        // Past the time of the run's next step, and under 5 % of a core.
        const qint64 before = cpuMs();
        QTest::qWait(3200);
        QVERIFY2(cpuMs() - before < 160, qPrintable(QString::number(cpuMs() - before)));

        for (QWidget *needsUnit : std::initializer_list<QWidget *>{
                 window.form().sendButton, window.form().receiveButton, window.form().startButton,
                 window.form().stopButton, window.form().waveAutoLabel})
            QVERIFY2(!needsUnit->isEnabled(), qPrintable(needsUnit->objectName()));
        for (QWidget *released : std::initializer_list<QWidget *>{
                 window.form().wavectrlCheckBox, window.form().waveSSpinBox, searchButton(window)})
            QVERIFY2(released->isEnabled(), qPrintable(released->objectName()));
        for (const ClickableLabel *mode : window.form().modeBox->findChildren<ClickableLabel *>())
            QVERIFY(mode->isEnabled());
        // The run has ended: the wave time no longer moves, the form is kept,
        // and so is the lost unit's record length.
        QCOMPARE(window.createDataString(), record);
        QCOMPARE(record.split(';').size(), 22);
    }

    void unitFoundWhenPluggedInAndAgainWhenReplugged()
    {
        QTemporaryDir dir;
        const QString port = dir.filePath("unit");
        MainWindow window(Candidates::named({port}));
        QTRY_VERIFY_WITH_TIMEOUT(searchButton(window)->isEnabled(), 3000);

        for (const QString firmware : {"1.0.10.1", "1.0.10.2"}) {
            {
                VirtualUnitProcess unit({"--link", port, "--firmware", firmware});
                QVERIFY(!unit.portPath().isEmpty());
                QTRY_VERIFY_WITH_TIMEOUT(window.form().sendButton->isEnabled(), 2500);
                QVERIFY(statusText(window).endsWith("(" + firmware + ")"));
                QCOMPARE(window.createDataString().split(';').size(),
                         firmware == "1.0.10.1" ? 20 : 22);
            }
            QTRY_VERIFY_WITH_TIMEOUT(!window.form().sendButton->isEnabled(), 2000);
        }
    }
};

QTEST_MAIN(UnitPresenceTest)
#include "tst_unitpresence.moc"
