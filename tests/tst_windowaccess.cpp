#include "clickablelabel.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "runprogress.h"

#include <QAccessible>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <linux/capability.h>
#include <optional>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
const QByteArray example = "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0";

// Answers the modal dialogs as they open: a file dialog gets the next path
// and is cancelled when there is none, a question is answered "Yes", and
// every other message box is kept as a warning and closed.
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
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                ++fileDialogs;
                if (paths.isEmpty())
                    return dialog->reject();
                if (QWidget *focus = dialog->focusWidget())
                    focus->clearFocus();
                dialog->selectFile(paths.takeFirst());
                // Queued: the dialog's own question must find this timer free.
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                    return yes->click();
                warnings << box->text();
                box->close();
            }
        });
        timer->start(10);
    }
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A folder the process cannot write to, root included: its write bits go,
// and so does the capability with which root would pass over them.
class ReadOnlyFolder
{
    const QString path;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};

public:
    explicit ReadOnlyFolder(const QString &path) : path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        syscall(SYS_capget, &header, saved);
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &header, lowered);
    }
    ~ReadOnlyFolder()
    {
        syscall(SYS_capset, &header, saved);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

// A file size limit makes a write fail part-way, as a full device does.
class FullDevice
{
    rlimit saved{};
    void (*previous)(int);

public:
    FullDevice() : previous(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{8, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDevice()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
};

QList<ClickableLabel *> modeButtons(MainWindow &window)
{
    return window.modeBox->findChildren<ClickableLabel *>();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
} // namespace

class WindowAccessTest : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> folder;

    QString path(const QString &name) const { return folder->filePath(name); }

private Q_SLOTS:
    void init() { QVERIFY(folder.emplace().isValid()); }

    void failedRecordIsSaidAndKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("fullDevice");
        QTest::addColumn<int>("reason");
        QTest::newRow("read-only folder") << false << EACCES;
        QTest::newRow("full device") << true << EFBIG;
    }

    void failedRecordIsSaidAndKeepsTheOldFile()
    {
        QFETCH(bool, fullDevice);
        QFETCH(int, reason);
        const QString fileName = path("settings.txt");
        QFile old(fileName);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        MainWindow window;
        Dialogs dialogs(&window, {fileName});
        {
            std::optional<ReadOnlyFolder> readOnly;
            std::optional<FullDevice> full;
            if (fullDevice)
                full.emplace();
            else
                readOnly.emplace(folder->path());
            window.recordButton->click();
        }
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings[0].contains(fileName), qPrintable(dialogs.warnings[0]));
        QVERIFY2(dialogs.warnings[0].contains(QString::fromLocal8Bit(strerror(reason))),
                 qPrintable(dialogs.warnings[0]));
        QCOMPARE(contentOf(fileName), QByteArray("old"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"settings.txt"});
    }

    void failedRestoreIsSaidAndKeepsTheForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("extended record") << example + ";111;111" << QStringList{"22", "20"};
        QTest::newRow("foreign text") << QByteArray("[Settings]\nmode=1\n") << QStringList();
        QTest::newRow("too large") << QByteArray(8192, ';') << QStringList();
    }

    void failedRestoreIsSaidAndKeepsTheForm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, said);
        QFile file(path("settings.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        MainWindow window;
        window.readDataString(example);
        Dialogs dialogs(&window, {path("settings.txt")});
        window.restoreButton->click();
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY(dialogs.warnings[0].contains(path("settings.txt")));
        for (const QString &part : said)
            QVERIFY2(dialogs.warnings[0].contains(part), qPrintable(dialogs.warnings[0]));
        QCOMPARE(window.createDataString().toLatin1(), example);
    }

    // The usual shortcuts open the dialogs; cancelled, they say nothing.
    void cancelledDialogsAreSilent()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Dialogs dialogs(&window);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        // Offscreen, no window manager gives the window back its activation.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.fileDialogs, 2);
        QCOMPARE(dialogs.warnings, QStringList());
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void keysAloneReachAndSwitchEveryMode()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<ClickableLabel *> buttons = modeButtons(window);
        for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != buttons[0]; ++tabs)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), buttons[0]);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), buttons[1]);
        press(Qt::Key_Space);
        QCOMPARE(window.stackedWidget->currentIndex(), 1);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), buttons[2]);
        press(Qt::Key_Return);
        QCOMPARE(window.stackedWidget->currentIndex(), 2);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), buttons[0]);
        press(Qt::Key_Space);
        QCOMPARE(window.stackedWidget->currentIndex(), 0);
    }

    void screenReadersSeeModeButtonsAndNamedControls()
    {
        MainWindow window;
        const QList<ClickableLabel *> buttons = modeButtons(window);
        const QStringList names{"pulse only", "interval", "sequential"};
        const auto checkedNames = [&buttons] {
            QStringList checked;
            for (ClickableLabel *button : buttons) {
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
                if (iface->state().checked)
                    checked << iface->text(QAccessible::Name);
            }
            return checked;
        };
        for (qsizetype index = 0; index < buttons.size(); ++index) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(buttons[index]);
            QVERIFY(iface);
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), names[index]);
            QVERIFY(iface->state().checkable);
        }
        QCOMPARE(checkedNames(), QStringList{"pulse only"});
        // A screen reader's press goes where a click goes; a record changes the mode too.
        QAccessibleInterface *sequential = QAccessible::queryAccessibleInterface(buttons[2]);
        sequential->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window.stackedWidget->currentIndex(), 2);
        QCOMPARE(checkedNames(), QStringList{"sequential"});
        window.readDataString(example);
        QCOMPARE(checkedNames(), QStringList{"interval"});

        // Every spin box and check box is announced with what it sets.
        for (QWidget *control : window.centralWidget()->findChildren<QWidget *>()) {
            if (!qobject_cast<QAbstractSpinBox *>(control) && !qobject_cast<QCheckBox *>(control))
                continue;
            QVERIFY2(!QAccessible::queryAccessibleInterface(control)
                          ->text(QAccessible::Name)
                          .trimmed()
                          .isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    void runProgressFollowsTheStepsAndGoesWithTheRun()
    {
        PseudoTerminal unit;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(unit);
        QVERIFY(window);
        window->wavectrlCheckBox->setChecked(true);
        window->waveSSpinBox->setValue(0.42);
        auto *progress = window->statusBar()->findChild<RunProgress *>();
        QVERIFY(progress && progress->isHidden());
        window->startButton->click();
        for (int step = 0; step < 3; ++step)
            QVERIFY(QMetaObject::invokeMethod(window.get(), "onTimeout"));
        QVERIFY(!progress->isHidden());
        // 205 steps of 3 s are left to 2.50 s.
        QCOMPARE(progress->findChild<QLabel *>()->text(), "0.45 s of 2.50 s, 10:15 left");
        QCOMPARE(progress->findChild<QProgressBar *>()->value(), 3);
        QCOMPARE(progress->findChild<QProgressBar *>()->maximum(), 208);
        window->stopButton->click();
        QVERIFY(progress->isHidden());
    }
};

QTEST_MAIN(WindowAccessTest)
#include "tst_windowaccess.moc"
