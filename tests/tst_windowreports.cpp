// What the window says of the session's outcomes, and how it lets the unit
// go however it ends.
#include "candidates.h"
#include "detectedwindow.h"
#include "dialoganswers.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"
#include "unithistory.h"
#include "virtualunitprocess.h"

#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>

namespace
{
const QByteArray stopByte("\x04");

QByteArray adjustFrame(int hundredths)
{
    return frame('\x02' + QByteArray::number(hundredths) + ";0");
}

// A window that has read the settings of `unit` as it found it, then had
// its food timer changed, so that the form holds what the unit does not.
std::unique_ptr<MainWindow> windowWithChanges(VirtualUnitProcess &unit)
{
    auto window = std::make_unique<MainWindow>(Candidates::named({unit.portPath()}));
    window->show();
    if (!QTest::qWaitFor([&window] { return window->form().receiveButton->isEnabled(); }))
        return nullptr;
    window->form().foodMSpinBox->setValue(window->form().foodMSpinBox->value() + 1);
    return window;
}
} // namespace

class WindowReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every test begins with no unit's history.
    void init()
    {
        data.emplace();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    }

    // The mark follows the form against what the unit holds; a unit that
    // keeps a value of its own is named with what it holds and what was sent.
    void sendAndReceiveAreSaid()
    {
        auto unit = std::make_unique<VirtualUnitProcess>(
            QStringList{"--firmware", "1.0.10.1", "--settings", exampleRecord, "--hold", "11=12"});
        MainWindow window(Candidates::named({unit->portPath()}));
        QTRY_VERIFY(window.form().receiveButton->isEnabled());
        QCOMPARE(notice(window), "settings received from the unit");
        QCOMPARE(window.form().foodMSpinBox->value(), 12);
        QVERIFY(!window.isWindowModified());

        window.form().foodMSpinBox->setValue(10);
        QVERIFY(window.isWindowModified());
        QVERIFY(notice(window).contains("changes that the unit does not have"));
        window.form().sendButton->click();
        QTRY_COMPARE(notice(window), "the unit holds other settings than were sent: food timer, "
                                     "minutes is 12, not 10");
        QVERIFY(window.isWindowModified());
        window.form().foodMSpinBox->setValue(12);
        window.form().sendButton->click();
        QTRY_COMPARE(notice(window), "settings sent to the unit and confirmed");
        QVERIFY(!window.isWindowModified());
        // An outcome is about its unit: it goes with it, at once.
        unit.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!notice(window).contains("confirmed"), 1000);
    }

    // A unit found while the form holds the user's changes leaves them as
    // they are and is sent nothing; the mark says they differ, and stays
    // when the unit is lost again, for closing to ask.
    void foundUnitLeavesTheUsersChanges()
    {
        QTemporaryDir folder;
        const QString port = folder.filePath("unit");
        MainWindow window(Candidates::named({port}));
        QTRY_VERIFY(!window.connection().isProbing());
        QVERIFY(!window.isWindowModified());
        window.form().foodMSpinBox->setValue(5);
        QVERIFY(window.isWindowModified());
        window.form().foodMSpinBox->setValue(1);
        QVERIFY(!window.isWindowModified());
        window.form().foodMSpinBox->setValue(5);

        auto unit = std::make_unique<VirtualUnitProcess>(
            QStringList{"--link", port, "--settings", exampleRecord});
        QTRY_VERIFY_WITH_TIMEOUT(window.form().sendButton->isEnabled(), 2500);
        QCOMPARE(window.form().foodMSpinBox->value(), 5);
        QVERIFY(window.isWindowModified());
        QCOMPARE(unit->lines(), QStringList({"probe", "request"}));
        unit.reset();
        QTRY_VERIFY(!window.form().sendButton->isEnabled());
        QVERIFY(window.isWindowModified());

        DialogAnswers answers(&window, {"Discard"});
        window.close();
        QTRY_COMPARE(answers.questions,
                     QStringList{"The form holds changes that no unit has. Record them to a "
                                 "file before closing?"});
    }

    // A send keeps what the unit held; an entry taken from the history is one
    // step, marked as unsent, and undoing back to what the unit holds clears
    // the mark.
    void historyAndUndoThroughSends()
    {
        VirtualUnitProcess unit({"--settings", exampleRecord});
        MainWindow window(Candidates::named({unit.portPath()}));
        window.show();
        QTRY_VERIFY(window.form().sendButton->isEnabled());
        QTemporaryDir folder;
        QFile file(folder.filePath("other.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(otherRecord) > 0);
        file.close();
        DialogAnswers answers(&window, {file.fileName()});
        window.form().restoreButton->click();
        QTRY_COMPARE(window.form().foodMSpinBox->value(), 5);
        window.form().sendButton->click();
        QTRY_COMPARE(notice(window), "settings sent to the unit and confirmed");
        const QList<UnitHistory::Entry> kept = UnitHistory::read(unit.portPath()).entries;
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].record, exampleRecord + ";111;111");

        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == "H&istory...")
                action->trigger();
        }
        auto *list = window.findChild<QTreeWidget *>();
        QVERIFY(list);
        QVERIFY2(list->topLevelItem(0)->text(2).contains("foodtimer"),
                 qPrintable(list->topLevelItem(0)->text(2)));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(window.form().foodMSpinBox->value(), 10);
        QVERIFY(window.isWindowModified());
        QCOMPARE(unit.lines().count("request"), 2);

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keySequence(&window, QKeySequence::Undo);
        QCOMPARE(window.form().foodMSpinBox->value(), 5);
        QVERIFY(!window.isWindowModified());
        QTest::keySequence(&window, QKeySequence::Undo);
        QCOMPARE(window.form().foodMSpinBox->value(), 10);
        QVERIFY(window.isWindowModified());
        // The unit's settings as found are where undoing ends.
        QTest::keySequence(&window, QKeySequence::Undo);
        QCOMPARE(window.form().foodMSpinBox->value(), 10);
    }

    // No answer: said within the deadline, the buttons back, and a late
    // answer taken for nothing; an answer that is no record is said too.
    void receiveWithoutAnAnswer()
    {
        PseudoTerminal line;
        const std::unique_ptr<MainWindow> detected = windowDetectedOn(line);
        QVERIFY(detected);
        MainWindow &window = *detected;
        window.form().foodMSpinBox->setValue(7);
        window.form().receiveButton->click();
        QVERIFY(!window.form().receiveButton->isEnabled() &&
                !window.form().sendButton->isEnabled());
        QCOMPARE(line.read(8), frame("0data"));
        QTRY_VERIFY_WITH_TIMEOUT(notice(window).contains("did not answer within 2 second"), 3000);
        QVERIFY(window.form().receiveButton->isEnabled() && window.form().sendButton->isEnabled());
        QVERIFY(line.write(frame(otherRecord + ";111;111")));
        line.readFor(100);
        QCOMPARE(window.form().foodMSpinBox->value(), 7);

        window.form().receiveButton->click();
        QVERIFY(line.write(frame(exampleRecord)));
        QTRY_VERIFY(notice(window).contains("no settings record of 22 field"));
        QCOMPARE(window.form().foodMSpinBox->value(), 7);
    }

    // Closing with changes the unit does not have asks: Send sends them,
    // Discard drops them, Cancel keeps the window.
    void closingAsks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("unitOptions");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Send") << "Send" << QStringList() << true << true;
        // Sent as the Send button sends: read back, and said when it differs.
        QTest::newRow("Send, kept otherwise")
            << "Send" << QStringList{"--hold", "11=1"} << true << false;
        QTest::newRow("Discard") << "Discard" << QStringList() << false << true;
        QTest::newRow("Cancel") << "Cancel" << QStringList() << false << false;
    }
    void closingAsks()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, unitOptions);
        VirtualUnitProcess unit(unitOptions);
        const std::unique_ptr<MainWindow> window = windowWithChanges(unit);
        QVERIFY(window);
        const QString record = window->createDataString();
        DialogAnswers answers(window.get(), {answer});
        window->close();
        QTRY_COMPARE(answers.questions.size(), 1);
        QVERIFY(answers.questions[0].contains("Send them to the unit before closing?"));
        QTEST(unit.waitForLine("settings " + record, 1000), "sent");
        QFETCH(bool, sent);
        QTRY_COMPARE(UnitHistory::read(unit.portPath()).entries.size(), sent ? 1 : 0);
        QFETCH(bool, closed);
        QTRY_COMPARE(!window->isVisible(), closed);
        if (!unitOptions.isEmpty())
            QTRY_VERIFY(notice(*window).contains("food timer, minutes is 1, not 2"));
    }

    // The run ends with its stop byte before anything is asked.
    void closingDuringARunSendsTheStopByte()
    {
        PseudoTerminal unit;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(unit);
        QVERIFY(window);
        window->show();
        window->form().wavectrlCheckBox->setChecked(true);
        window->form().startButton->click();
        QCOMPARE(unit.read(8), adjustFrame(30));
        QByteArray whenAsked;
        QTimer asked;
        connect(&asked, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                whenAsked = unit.readFor(50);
                box->button(QMessageBox::Discard)->click();
            }
        });
        asked.start(10);
        window->close();
        QCOMPARE(whenAsked, stopByte);
        QTRY_VERIFY(!window->isVisible());
    }

    // Whatever takes the window apart during a run, the unit gets its stop
    // byte, and nothing reaches a widget already gone.
    void destroyedDuringARunSendsTheStopByte()
    {
        PseudoTerminal unit;
        std::unique_ptr<MainWindow> window = windowDetectedOn(unit);
        QVERIFY(window);
        window->show();
        window->form().wavectrlCheckBox->setChecked(true);
        window->form().startButton->click();
        QCOMPARE(unit.read(8), adjustFrame(30));
        window.reset();
        QCOMPARE(unit.read(1), stopByte);
    }

    // Ended from outside, by a closed terminal, a termination or logging
    // out, even while the close question is open: the run ends with its
    // stop byte and the program with the signal's status.
    void endedFromOutsideDuringARun_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("asking");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("closed terminal") << SIGHUP << false;
        QTest::newRow("SIGTERM while asking") << SIGTERM << true;
        QTest::newRow("Ctrl+Backslash while asking") << SIGQUIT << true;
    }
    void endedFromOutsideDuringARun()
    {
        QFETCH(int, signal);
        QFETCH(bool, asking);
        VirtualUnitProcess unit;
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (asking)
            environment.insert("KV3318_TEST_CLOSE", "1");
        tool.setProcessEnvironment(environment);
        tool.start(KV3318_CONFIG_STARTS_A_RUN, {"--port", unit.portPath()});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        QByteArray said;
        if (asking)
            QTRY_VERIFY2((said += tool.readAllStandardOutput()).contains("asked"),
                         said.constData());
        ::kill(pid_t(tool.processId()), signal);
        QVERIFY(unit.waitForLine("stop"));
        QTRY_COMPARE_WITH_TIMEOUT(tool.state(), QProcess::NotRunning, 3000);
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 128 + signal);
    }

    // Ports that could not be opened are named with their reason.
    void openFailuresAreNamed()
    {
        PseudoTerminal held;
        QProcess holder;
        holder.start(KV3318_CTL, {"--port", held.slavePath(), "get"});
        QCOMPARE(held.read(4, 3000), QByteArray(Protocol::request));
        MainWindow window(Candidates::named({"/nonexistent/ttyUSB9", held.slavePath()}));
        QTRY_VERIFY(!notice(window).isEmpty() && !notice(window).contains("searching"));
        QVERIFY2(notice(window).contains("/nonexistent/ttyUSB9: not found"),
                 qPrintable(notice(window)));
        QVERIFY2(notice(window).contains(held.slavePath() + ": in use by another program"),
                 qPrintable(notice(window)));
        holder.waitForFinished(3000);
    }

    void noDisplayIsOneLineAndStatusOne()
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        tool.setProcessEnvironment(environment);
        tool.start(KV3318_CONFIG, {"--port", "/nonexistent/tty"});
        QVERIFY(tool.waitForFinished(10000));
        const QString said = QString::fromLocal8Bit(tool.readAllStandardError());
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(said.count('\n'), 1);
        QVERIFY2(said.contains("kv3318ctl"), qPrintable(said));
    }

private:
    std::optional<QTemporaryDir> data;
};

QTEST_MAIN(WindowReportsTest)
#include "tst_windowreports.moc"
