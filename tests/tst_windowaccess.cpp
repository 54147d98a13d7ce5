#include "candidates.h"
#include "clickablelabel.h"
#include "detectedwindow.h"
#include "dialoganswers.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "runprogress.h"
#include "ui_mainwindow.h"
#include "unitsession.h"

#include <QAccessible>
#include <QProgressBar>
#include <QtTest>

class WindowAccessTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // From a fresh window, keys alone switch every mode and, with the usual
    // shortcuts, open the file dialogs, which say nothing when cancelled.
    void keysAloneReachTheModesAndTheFiles()
    {
        MainWindow window(Candidates::named({}));
        DialogAnswers dialogs(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<ClickableLabel *> buttons =
            window.form().modeBox->findChildren<ClickableLabel *>();
        for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != buttons[0]; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // Forward to interval and sequential, then back two to pulse.
        for (const int mode : {1, 2, 0}) {
            for (int tabs = mode ? 1 : 2; tabs > 0; --tabs)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                                mode ? Qt::NoModifier : Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), buttons[mode]);
            QTest::keyClick(buttons[mode], mode == 2 ? Qt::Key_Return : Qt::Key_Space);
            QCOMPARE(window.form().stackedWidget->currentIndex(), mode);
        }

        for (const Qt::Key key : {Qt::Key_S, Qt::Key_O}) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
            // Offscreen, no window manager gives the window back its activation.
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        QCOMPARE(dialogs.fileDialogs, 2);
        QCOMPARE(dialogs.warnings, QStringList());
    }

    void screenReadersSeeTheModeButtons()
    {
        MainWindow window(Candidates::named({}));
        const QList<ClickableLabel *> buttons =
            window.form().modeBox->findChildren<ClickableLabel *>();
        const auto announced = [&buttons] {
            QStringList said;
            for (ClickableLabel *button : buttons) {
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
                const QStringList actions = iface->actionInterface()->actionNames();
                if (iface->role() == QAccessible::Button && iface->state().checkable &&
                    actions.contains(QAccessibleActionInterface::pressAction()))
                    said << iface->text(QAccessible::Name) + (iface->state().checked ? "*" : "");
            }
            return said;
        };
        QCOMPARE(announced(), QStringList({"pulse only*", "interval", "sequential"}));
        // A screen reader's press goes where a click goes, and the mark follows.
        QAccessible::queryAccessibleInterface(buttons[2])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(announced(), QStringList({"pulse only", "interval", "sequential*"}));
    }

    // Steps counted to the nearest whole step, the time left in minutes and
    // two-digit seconds.
    void runProgressFollowsTheStepsAndGoesWithTheRun()
    {
        PseudoTerminal unit;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(unit);
        QVERIFY(window);
        window->form().wavectrlCheckBox->setChecked(true);
        auto *progress = window->statusBar()->findChild<RunProgress *>();
        window->form().startButton->click();
        const auto stepTo = [&window](int steps) {
            for (int step = 0; step < steps; ++step)
                window->connection().session()->run().advance();
        };
        stepTo(29);
        QVERIFY(!progress->isHidden());
        // 0.29 s over 0.01 s steps is a hair under 29 in binary.
        QCOMPARE(progress->findChild<QProgressBar *>()->value(), 29);
        QCOMPARE(progress->findChild<QLabel *>()->text(), "0.59 s of 2.50 s, 9:33 left");
        stepTo(170);
        QCOMPARE(progress->findChild<QLabel *>()->text(), "2.29 s of 2.50 s, 1:03 left");
        window->form().stopButton->click();
        QVERIFY(progress->isHidden());
    }
};

QTEST_MAIN(WindowAccessTest)
#include "tst_windowaccess.moc"
