#include "candidates.h"
#include "clickablelabel.h"
#include "detectedwindow.h"
#include "dialoganswers.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"
#include "virtualunitprocess.h"

#include <QProcess>
#include <QSettings>
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

// The Unit menu's entry for the unit on `port`.
QAction *unitEntry(MainWindow &window, const QString &port)
{
    for (QAction *entry : window.findChildren<QAction *>()) {
        if (entry->data().toString() == port)
            return entry;
    }
    return nullptr;
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
// without a restart and without burning a core meanwhile. Several units
// are found, one used, and the user chooses among them.
class UnitPresenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two tanks on one computer: the unit used last time is taken, the other
    // is free for other programs and offered in the Unit menu; settings read
    // from one go to the other only when the user says so, and a lost unit
    // is never replaced by the other without a word.
    void severalUnitsToChooseFrom()
    {
        VirtualUnitProcess a({"--settings", exampleRecord + ";111;111"});
        auto unitB = std::make_unique<VirtualUnitProcess>(
            QStringList{"--settings", otherRecord + ";111;111"});
        VirtualUnitProcess &b = *unitB;
        QSettings("kv3318", "kv3318-config").setValue("unitInUse", b.portPath());
        MainWindow window(Candidates::named({a.portPath(), b.portPath()}));
        QTRY_COMPARE(window.createDataString().toLatin1(), otherRecord + ";111;111");
        QTRY_COMPARE(window.connection().units().size(), 2);
        QVERIFY(unitEntry(window, b.portPath())->isChecked());
        QVERIFY(!unitEntry(window, a.portPath())->isChecked());
        QProcess ctl;
        ctl.start(KV3318_CTL, {"--port", a.portPath(), "get"});
        QVERIFY(ctl.waitForFinished(5000));
        QCOMPARE(ctl.exitCode(), 0);

        unitEntry(window, a.portPath())->trigger();
        QTRY_COMPARE(window.createDataString().toLatin1(), exampleRecord + ";111;111");
        QVERIFY(statusText(window).contains(a.portPath()));
        QCOMPARE(QSettings("kv3318", "kv3318-config").value("unitInUse").toString(), a.portPath());

        window.form().foodMSpinBox->setValue(3);
        DialogAnswers answers(&window, {"Yes", "Cancel"});
        unitEntry(window, b.portPath())->trigger();
        QTRY_VERIFY(window.form().sendButton->isEnabled() &&
                    statusText(window).contains(b.portPath()));
        QCOMPARE(window.form().foodMSpinBox->value(), 3);
        window.form().sendButton->click();
        QTRY_COMPARE(answers.questions.size(), 2);
        QVERIFY(answers.questions[1].contains("settings read from " + a.portPath()));
        QVERIFY(!b.waitForLine("settings " + window.createDataString(), 300));

        unitB.reset();
        QTRY_VERIFY(notice(window).contains("another unit answered on " + a.portPath()));
        QCOMPARE(statusText(window), "no interface detected");
    }

    // A port another program held is tried again once it may be free,
    // without a search asked for.
    void portInUseIsTriedAgain()
    {
        VirtualUnitProcess unit({"--settings", "0;0;0;0;0;0;0;100;100;30;1;0;0;1;0;1;1;1;30;0"});
        QProcess holder;
        holder.start(KV3318_CTL, {"--port", unit.portPath(), "wave"});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        MainWindow window(Candidates::named({unit.portPath()}));
        QTRY_VERIFY(notice(window).contains("in use by another program"));
        holder.terminate();
        QVERIFY(holder.waitForFinished(3000));
        QTRY_VERIFY_WITH_TIMEOUT(window.form().sendButton->isEnabled(), 3000);
    }

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
