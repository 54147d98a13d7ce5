// The window itself: its start, its pages and images, what typing, keys
// and menus do, and what screen readers see.
#include "candidates.h"
#include "clickablelabel.h"
#include "detectedwindow.h"
#include "dialoganswers.h"
#include "mainwindow.h"
#include "messagelog.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

namespace
{

ClickableLabel *modeButton(MainWindow &window, int row)
{
    return qobject_cast<ClickableLabel *>(
        window.form().modeLayout->itemAtPosition(row, 0)->widget());
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With a candidate that stays silent, everything that needs a unit is
    // locked, whatever the wave controller.
    void startStateAndModePages()
    {
        PseudoTerminal silent;
        MainWindow window(Candidates::named({silent.slavePath()}));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The window writes its status afresh when the detection ends.
        statusLabel(window)->clear();
        QCOMPARE(silent.read(4), frame("?"));
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel(window)->text(), QString("no interface detected"),
                                  5000);
        QStringList locked;
        for (QWidget *widget : window.centralWidget()->findChildren<QWidget *>())
            if (!widget->isEnabled() && !widget->objectName().startsWith("qt_"))
                locked << widget->objectName();
        locked.sort();
        QCOMPARE(locked, QStringList({"inverseCheckBox", "receiveButton", "sendButton",
                                      "startButton", "stopButton", "stormDLabel", "stormDSpinBox",
                                      "stormHLabel", "stormHSpinBox", "waveAutoLabel", "waveLabel",
                                      "waveSLabel", "waveSSpinBox"}));
        QVERIFY(!window.form().header->pixmap().isNull() &&
                !modeButton(window, 2)->pixmap().isNull());
        QCOMPARE(window.form().tabWidget->tabText(0), QString("pulse only"));
        QVERIFY(window.form().power12Line->isHidden() && window.form().power23Line->isHidden());

        // Every mouse button selects a page.
        QTest::mouseClick(modeButton(window, 1), Qt::LeftButton);
        QCOMPARE(window.form().tabWidget->tabText(0), QString("interval"));
        QVERIFY(window.form().power12Line->isHidden() && !window.form().power23Line->isHidden());
        window.form().wavectrlCheckBox->setChecked(true);
        QVERIFY(!window.form().power12Line->isHidden() && window.form().power23Line->isHidden());
        QVERIFY(!window.form().startButton->isEnabled() &&
                !window.form().waveAutoLabel->isEnabled());

        QTest::mouseClick(modeButton(window, 2), Qt::RightButton);
        QCOMPARE(window.form().tabWidget->tabText(0), QString("sequential"));
        QVERIFY(window.form().power12Line->isHidden() && window.form().power23Line->isHidden());
        QTest::mouseClick(modeButton(window, 0), Qt::MiddleButton);
        QCOMPARE(window.form().tabWidget->tabText(0), QString("pulse"));

        modeButton(window, 1)->setEnabled(false);
        QTest::mouseClick(modeButton(window, 1), Qt::LeftButton);
        QCOMPARE(window.form().stackedWidget->currentIndex(), 0);
    }

    // A click counts when its release falls inside the label, whatever the
    // button; a double click counts as a press of its own.
    void clickableLabelCountsReleasesInside()
    {
        ClickableLabel label;
        label.setFixedSize(130, 50);
        QSignalSpy spy(&label, &ClickableLabel::clicked);
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(130, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10)); // no press before it
        QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(129, 49));
        QCOMPARE(spy.count(), 1);
        // A double click arrives as press, release, double click, release.
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5),
                                label.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(&label, &doubleClick);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(spy.count(), 3);
    }

    // The newest messages are kept, a text said again at once only once.
    void messagesKeepTheNewest()
    {
        MessageLog log;
        for (int i = 0; i <= MessageLog::maxMessages; ++i) {
            log.add(QString::number(i));
            log.add(QString::number(i));
        }
        QCOMPARE(log.messages().size(), MessageLog::maxMessages);
        QCOMPARE(log.messages().first().text, "1");
    }

    // Typed digits count only once the entry is committed: "50" must not pass
    // through 5, which would snap to 0. A value the rules move is said.
    void typedPowerIsTakenWhole()
    {
        MainWindow window(Candidates::named({}));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QSpinBox *> boxes = window.form().groupBox->findChildren<QSpinBox *>(
            QRegularExpression("^power[12][1-4]SpinBox$"));
        QCOMPARE(boxes.size(), 8);
        for (QSpinBox *box : boxes) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, "50");
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY2(box->value() == 50, qPrintable(box->objectName()));
        }
        QVERIFY(notice(window).isEmpty());
        window.form().power12SpinBox->selectAll();
        QTest::keyClicks(window.form().power12SpinBox, "20");
        QTest::keyClick(window.form().power12SpinBox, Qt::Key_Return);
        QCOMPARE(window.form().power12SpinBox->value(), 0);
        QCOMPARE(notice(window),
                 "power1Socket2 became 0 by the form's rules (20 entered; 0, or 30 to 100 %)");
    }

    // Each key belongs to one action, so that Qt never finds one ambiguous and
    // ignores it; each mnemonic to one menu, button or check box.
    void menusHoldEveryShortcutOnce()
    {
        MainWindow window(Candidates::named({}));
        QList<QKeySequence> keys;
        for (QAction *action : window.findChildren<QAction *>())
            keys << action->shortcuts();
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (!button->shortcut().isEmpty())
                keys << button->shortcut();
        }
        // Ctrl+Q quits where the platform has no key of its own for it.
        const QKeySequence quit = QKeySequence(QKeySequence::Quit).isEmpty()
                                      ? QKeySequence(Qt::CTRL | Qt::Key_Q)
                                      : QKeySequence(QKeySequence::Quit);
        for (const QKeySequence &key :
             {QKeySequence(QKeySequence::Save), QKeySequence(QKeySequence::Open), quit,
              QKeySequence(Qt::Key_F5), QKeySequence(QKeySequence::HelpContents),
              QKeySequence(QKeySequence::Undo), QKeySequence(Qt::CTRL | Qt::Key_Y)})
            QCOMPARE(keys.count(key), 1);
        QCOMPARE(QSet<QKeySequence>(keys.cbegin(), keys.cend()).size(), keys.size());
        QCOMPARE(mnemonicClashes(window).join(" | "), QString());
        QCOMPARE(window.form().sendButton->objectName(), "sendButton");

        // F1 opens the handbook.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QTRY_VERIFY(QApplication::activeWindow() != &window);
        auto *handbook = QApplication::activeWindow()->findChild<QTextBrowser *>();
        QVERIFY(handbook);
        QVERIFY(handbook->toPlainText().contains("Finding the unit"));
        QVERIFY(handbook->document()
                    ->resource(QTextDocument::ImageResource, QUrl("sent-and-confirmed.png"))
                    .isValid());
    }

    // Each change is a step with what the rules moved along with it, a
    // control's consecutive changes one; the keys reach the form's undo from
    // inside a spin box, whose own undo would take them.
    void undoAndRedoByKeys()
    {
        MainWindow window(Candidates::named({}));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Ui::MainWindow &form = window.form();
        QTest::mouseClick(modeButton(window, 1), Qt::LeftButton);
        QSpinBox *hours = form.intervalHSpinBox;
        QSpinBox *minutes = form.intervalMSpinBox;
        const auto interval = [&] { return QList<int>{hours->value(), minutes->value()}; };
        hours->setFocus();
        QTest::keyClick(hours, Qt::Key_Up);
        QTest::keyClick(hours, Qt::Key_Up);
        minutes->setFocus();
        QTest::keyClick(minutes, Qt::Key_Down);
        hours->setFocus();
        QTest::keyClick(hours, Qt::Key_Down);
        QTest::keyClick(hours, Qt::Key_Down);
        QCOMPARE(interval(), QList<int>({0, 1}));

        QTest::keySequence(hours, QKeySequence::Undo);
        QCOMPARE(interval(), QList<int>({2, 0}));
        QTest::keySequence(hours, QKeySequence::Undo);
        QCOMPARE(interval(), QList<int>({2, 1}));
        QTest::keySequence(hours, QKeySequence::Undo);
        QCOMPARE(interval(), QList<int>({0, 1}));
        QCOMPARE(form.stackedWidget->currentIndex(), 1);
        QVERIFY(window.isWindowModified());
        QTest::keySequence(hours, QKeySequence::Undo);
        QCOMPARE(form.stackedWidget->currentIndex(), 0);
        QVERIFY(!window.isWindowModified());
        QTest::keyClick(minutes, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keySequence(hours, QKeySequence::Redo);
        QCOMPARE(interval(), QList<int>({2, 1}));

        // A long session keeps the last hundred steps.
        for (int step = 0; step < 120; ++step) {
            if (step % 2)
                hours->setValue(step / 2 % 10 + 1);
            else
                minutes->setValue(step / 2 % 50 + 5);
        }
        for (int step = 0; step < 120; ++step)
            QTest::keySequence(hours, QKeySequence::Undo);
        QCOMPARE(interval(), QList<int>({10, 14}));
    }

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

        // Screen readers see the mode buttons as checkable buttons, the mark
        // on the page shown; their press goes where a click goes.
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
        QAccessible::queryAccessibleInterface(buttons[2])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(announced(), QStringList({"pulse only", "interval", "sequential*"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
