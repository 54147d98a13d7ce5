#include "candidates.h"
#include "clickablelabel.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "runprogress.h"
#include "ui_mainwindow.h"

#include <QAccessible>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QtTest>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
const QByteArray example = "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0";

// Answers the modal dialogs as they open: a file dialog gets the next path
// or is cancelled when none is left, a question is answered "Yes", and every
// other message box is kept as a warning and closed.
struct Dialogs {
    QStringList paths;
    int fileDialogs = 0;
    QStringList warnings;

    explicit Dialogs(QWidget *window, QStringList chosen = {}) : paths(std::move(chosen))
    {
        auto *timer = new QTimer(window);
        QObject::connect(timer, &QTimer::timeout, [this, answered = QPointer<QWidget>()]() mutable {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == answered)
                return;
            answered = modal;
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                ++fileDialogs;
                if (paths.isEmpty())
                    return dialog->reject();
                if (QWidget *focus = dialog->focusWidget())
                    focus->clearFocus(); // or the name field keeps its text
                dialog->selectFile(paths.takeFirst());
                // Queued: the dialog's own question must find this timer free.
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (box && box->button(QMessageBox::Yes)) {
                box->button(QMessageBox::Yes)->click();
            } else if (box) {
                warnings << box->text();
                box->close();
            }
        });
        timer->start(10);
    }
};

// Root writes into any folder and past its write bits; without the
// capability to pass over them, root is refused as everybody else is.
void passOverFolderPermissions(bool allowed)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    syscall(SYS_capget, &header, caps);
    caps[0].effective =
        allowed ? caps[0].permitted
                : caps[0].effective & ~(1u << CAP_DAC_OVERRIDE) & ~(1u << CAP_DAC_READ_SEARCH);
    syscall(SYS_capset, &header, caps);
}

} // namespace

class WindowAccessTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void failedRecordIsSaidAndKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("fullDevice");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("full device") << true;
    }

    void failedRecordIsSaidAndKeepsTheOldFile()
    {
        QFETCH(bool, fullDevice);
        QTemporaryDir folder;
        QFile old(folder.filePath("settings.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        MainWindow window(Candidates::named({}));
        Dialogs dialogs(&window, {old.fileName()});
        // A file size limit stops a write part-way, as a full device does.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{fullDevice ? 8 : saved.rlim_cur, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
        QFile::setPermissions(folder.path(), fullDevice ? readOnly | QFile::WriteOwner : readOnly);
        passOverFolderPermissions(false);
        window.form().recordButton->click();
        passOverFolderPermissions(true);
        QFile::setPermissions(folder.path(), readOnly | QFile::WriteOwner);
        setrlimit(RLIMIT_FSIZE, &saved);

        // Named with the system's own reason.
        QCOMPARE(dialogs.warnings.size(), 1);
        for (const QString &part : {old.fileName(), qt_error_string(fullDevice ? EFBIG : EACCES)})
            QVERIFY2(dialogs.warnings[0].contains(part), qPrintable(dialogs.warnings[0]));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    // A record of either length restores and says which; what cannot be
    // restored is warned of with its reason, and the form stays.
    void restoresSayWhatTheyDid_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("warned");
        const QByteArray extended = example + ";111;111";
        QTest::newRow("same length") << "" << example << "settings restored from"
                                     << "";
        QTest::newRow("22 fields, no unit") << "" << extended << "reserved fields are left out"
                                            << "";
        QTest::newRow("20 fields, newer unit")
            << "1.0.10.2" << example << "take the firmware's two reserved fields"
            << "";
        QTest::newRow("no record") << "" << QByteArray("1;2;3") << ""
                                   << "no settings record";
        QTest::newRow("unreadable") << "" << QByteArray() << "" << qt_error_string(EACCES);
    }

    void restoresSayWhatTheyDid()
    {
        QFETCH(QString, firmware);
        QFETCH(QByteArray, content);
        QFETCH(QString, told);
        QFETCH(QString, warned);
        QTemporaryDir folder;
        QFile file(folder.filePath("settings.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (content.isEmpty())
            QVERIFY(file.setPermissions(QFile::Permissions()));
        MainWindow window(Candidates::named({}));
        if (!firmware.isEmpty())
            QMetaObject::invokeMethod(&window, "onInterfaceDetect",
                                      Q_ARG(QStringList, QStringList({"ttyUSB0", firmware})));
        const QString before = window.createDataString();
        Dialogs dialogs(&window, {file.fileName()});
        passOverFolderPermissions(false);
        window.form().restoreButton->click();
        passOverFolderPermissions(true);
        QCOMPARE(dialogs.warnings.size(), warned.isEmpty() ? 0 : 1);
        if (!warned.isEmpty()) {
            QVERIFY2(dialogs.warnings[0].contains(warned), qPrintable(dialogs.warnings[0]));
            QVERIFY(!dialogs.warnings[0].contains('%'));
            QCOMPARE(window.createDataString(), before);
            return;
        }
        QVERIFY2(notice(window).contains(told), qPrintable(notice(window)));
        QCOMPARE(window.createDataString().left(example.size()).toLatin1(), example);
    }

    // From a fresh window, keys alone switch every mode and, with the usual
    // shortcuts, open the file dialogs, which say nothing when cancelled.
    void keysAloneReachTheModesAndTheFiles()
    {
        MainWindow window(Candidates::named({}));
        Dialogs dialogs(&window);
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
                QVERIFY(QMetaObject::invokeMethod(window.get(), "onTimeout"));
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
