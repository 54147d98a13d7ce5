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
#include "virtualunitprocess.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

namespace
{
const QByteArray stopByte("\x04");

QByteArray adjustFrame(int hundredths)
{
    return frame('\x02' + QByteArray::number(hundredths) + ";0");
}

// A window that has received the settings of `unit`, then had its food
// timer changed, so that the form holds what the unit does not.
std::unique_ptr<MainWindow> windowWithChanges(VirtualUnitProcess &unit)
{
    auto window = std::make_unique<MainWindow>(Candidates::named({unit.portPath()}));
    window->show();
    if (!QTest::qWaitFor([&window] { return window->form().receiveButton->isEnabled(); }))
        return nullptr;
    window->form().receiveButton->click();
    if (!QTest::qWaitFor([&window] { return notice(*window).contains("received"); }))
        return nullptr;
    window->form().foodMSpinBox->setValue(window->form().foodMSpinBox->value() + 1);
    return window;
}
} // namespace

class WindowReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The mark follows the form against what the unit holds; a unit that
    // keeps a value of its own is named with what it holds and what was sent.
    void sendAndReceiveAreSaid()
    {
        VirtualUnitProcess unit(
            {"--firmware", "1.0.10.1", "--settings", exampleRecord, "--hold", "11=12"});
        MainWindow window(Candidates::named({unit.portPath()}));
        QTRY_VERIFY(window.form().receiveButton->isEnabled());
        window.form().receiveButton->click();
        QTRY_VERIFY(notice(window).contains("settings received from the unit"));
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
        QTest::addColumn<bool>("sent");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Send") << "Send" << true << true;
        QTest::newRow("Discard") << "Discard" << false << true;
        QTest::newRow("Cancel") << "Cancel" << false << false;
    }
    void closingAsks()
    {
        QFETCH(QString, answer);
        VirtualUnitProcess unit;
        const std::unique_ptr<MainWindow> window = windowWithChanges(unit);
        QVERIFY(window);
        const QString record = window->createDataString();
        DialogAnswers answers(window.get(), {answer});
        window->close();
        QTRY_COMPARE(answers.questions.size(), 1);
        QVERIFY(answers.questions[0].contains("Send them to the unit before closing?"));
        QTRY_COMPARE(!window->isVisible(), QTest::currentDataTag() != QByteArray("Cancel"));
        QTEST(unit.waitForLine("settings " + record, 500), "sent");
        QTEST(!window->isVisible(), "closed");
    }

    void closingDuringARunSendsTheStopByte()
    {
        PseudoTerminal unit;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(unit);
        QVERIFY(window);
        window->show();
        window->form().wavectrlCheckBox->setChecked(true);
        window->form().startButton->click();
        QCOMPARE(unit.read(8), adjustFrame(30));
        window->close();
        QCOMPARE(unit.read(1), stopByte);
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
};

QTEST_MAIN(WindowReportsTest)
#include "tst_windowreports.moc"
