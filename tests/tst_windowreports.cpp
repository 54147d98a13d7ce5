// What the window says of the session's outcomes, how it follows the unit
// as it is plugged in, pulled and chosen among others, and how it lets the
// unit go however it ends.
#include "candidates.h"
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
#include <QTreeWidget>
#include <QtTest>

#include <csignal>

namespace
{
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

    // A unit plugged in late is found, and found again when replugged, with
    // its firmware's record length. Found while the form holds the user's
    // changes, it leaves them as they are and is sent nothing; the mark says
    // they differ, and stays when the unit is lost again, for closing to ask.
    void foundUnitLeavesTheUsersChanges()
    {
        QTemporaryDir folder;
        const QString port = folder.filePath("unit");
        MainWindow window(Candidates::named({port}));
        QTRY_VERIFY_WITH_TIMEOUT(searchButton(window)->isEnabled(), 3000);
        window.form().foodMSpinBox->setValue(5);
        QVERIFY(window.isWindowModified());

        for (const QString firmware : {"1.0.10.1", "1.0.10.2"}) {
            {
                VirtualUnitProcess unit(
                    {"--link", port, "--firmware", firmware, "--settings", exampleRecord});
                QTRY_VERIFY_WITH_TIMEOUT(window.form().sendButton->isEnabled(), 2500);
                QCOMPARE(statusLabel(window)->text(),
                         "interface detected on: " + port + "   (" + firmware + ")");
                // Without the wave controller, no adjustment run.
                QVERIFY(window.form().receiveButton->isEnabled() &&
                        !window.form().startButton->isEnabled());
                QCOMPARE(window.createDataString().split(';').size(),
                         firmware == "1.0.10.1" ? 20 : 22);
                QCOMPARE(window.form().foodMSpinBox->value(), 5);
                QVERIFY(window.isWindowModified());
                QCOMPARE(unit.lines(), QStringList({"probe", "request"}));
            }
            QTRY_VERIFY_WITH_TIMEOUT(!window.form().sendButton->isEnabled(), 2000);
            QVERIFY(window.isWindowModified());
        }

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

    // No answer: said within the deadline, and the buttons back; an answer
    // that is no record is said too.
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
        // Sent as the Send button sends: read back, and kept open when it differs.
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
        QFETCH(bool, closed);
        QTRY_COMPARE(!window->isVisible(), closed);
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
        QVERIFY(statusLabel(window)->text().contains(a.portPath()));
        QCOMPARE(QSettings("kv3318", "kv3318-config").value("unitInUse").toString(), a.portPath());

        window.form().foodMSpinBox->setValue(3);
        DialogAnswers answers(&window, {"Yes", "Cancel"});
        unitEntry(window, b.portPath())->trigger();
        QTRY_VERIFY(window.form().sendButton->isEnabled() &&
                    statusLabel(window)->text().contains(b.portPath()));
        QCOMPARE(window.form().foodMSpinBox->value(), 3);
        window.form().sendButton->click();
        QTRY_COMPARE(answers.questions.size(), 2);
        QVERIFY(answers.questions[1].contains("settings read from " + a.portPath()));
        QVERIFY(!b.waitForLine("settings " + window.createDataString(), 300));

        unitB.reset();
        QTRY_VERIFY(notice(window).contains("another unit answered on " + a.portPath()));
        QCOMPARE(statusLabel(window)->text(), "no interface detected");
    }

    // Ports that could not be opened are named with their reason; one that
    // another program held is tried again once it may be free, without a
    // search asked for.
    void portInUseIsTriedAgain()
    {
        VirtualUnitProcess unit({"--settings", "0;0;0;0;0;0;0;100;100;30;1;0;0;1;0;1;1;1;30;0"});
        QProcess holder;
        holder.start(KV3318_CTL, {"--port", unit.portPath(), "wave"});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        MainWindow window(Candidates::named({"/nonexistent/ttyUSB9", unit.portPath()}));
        QTRY_VERIFY2(notice(window).contains(unit.portPath() + ": in use by another program"),
                     qPrintable(notice(window)));
        QVERIFY2(notice(window).contains("/nonexistent/ttyUSB9: not found"),
                 qPrintable(notice(window)));
        holder.terminate();
        QVERIFY(holder.waitForFinished(3000));
        QTRY_VERIFY_WITH_TIMEOUT(window.form().sendButton->isEnabled(), 3000);
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
