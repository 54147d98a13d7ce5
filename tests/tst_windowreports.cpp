#include "candidates.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"
#include "virtualunitprocess.h"

#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QtTest>

#include <csignal>

namespace
{
// Answers the next question that opens with the button of this role.
void answerQuestion(QMessageBox::ButtonRole role, QString *asked)
{
    QTimer::singleShot(50, [role, asked] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *asked = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (box->buttonRole(button) == role)
                return button->click();
        }
    });
}
} // namespace

// What the window says of what happened, and how it leaves the unit when
// it goes.
class WindowReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closingDuringARunSendsTheStopByte()
    {
        PseudoTerminal unit;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(unit);
        QVERIFY(window);
        window->show();
        window->form().wavectrlCheckBox->setChecked(true);
        window->form().startButton->click();
        QCOMPARE(unit.read(8), frame("\x02"
                                     "30;0"));
        window->close();
        QCOMPARE(unit.read(1), QByteArray("\x04"));
        QTRY_VERIFY(!window->isVisible());
    }

    void endedFromOutsideDuringARunSendsTheStopByte_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("closed terminal") << SIGHUP;
    }

    void endedFromOutsideDuringARunSendsTheStopByte()
    {
        QFETCH(int, signal);
        VirtualUnitProcess unit;
        QProcess tool;
        tool.setProcessChannelMode(QProcess::ForwardedChannels);
        tool.start(KV3318_CONFIG_STARTS_A_RUN, {"--port", unit.portPath()});
        QVERIFY(unit.waitForLine("adjust 30;0", 5000));
        ::kill(pid_t(tool.processId()), signal);
        QVERIFY(unit.waitForLine("stop"));
        QTRY_COMPARE_WITH_TIMEOUT(tool.state(), QProcess::NotRunning, 3000);
        QCOMPARE(tool.exitCode(), 128 + signal);
    }

    // No answer: said within the deadline, the buttons back, and a late
    // answer taken for nothing.
    void receiveWithoutAnAnswer()
    {
        PseudoTerminal line;
        const std::unique_ptr<MainWindow> detected = windowDetectedOn(line);
        QVERIFY(detected);
        MainWindow &window = *detected;
        const QString start = window.createDataString();
        window.form().foodMSpinBox->setValue(7);
        window.form().receiveButton->click();
        QVERIFY(!window.form().receiveButton->isEnabled() &&
                !window.form().sendButton->isEnabled());
        QCOMPARE(line.read(8), frame("0data"));
        QTRY_VERIFY_WITH_TIMEOUT(notice(window).contains("did not answer"), 3000);
        QVERIFY(window.form().receiveButton->isEnabled() && window.form().sendButton->isEnabled());
        QVERIFY(line.write(frame(otherRecord + ";111;111")));
        line.readFor(100);
        QCOMPARE(window.form().foodMSpinBox->value(), 7);
    }

    // The form against what the unit confirmed: modified after an edit, not
    // after a send the unit read back; closing asks while it differs.
    void changesTheUnitDoesNotHave()
    {
        VirtualUnitProcess unit;
        MainWindow window(Candidates::named({unit.portPath()}));
        window.show();
        QTRY_VERIFY(window.form().receiveButton->isEnabled());
        window.form().foodMSpinBox->setValue(9);
        QVERIFY(!window.isWindowModified()); // nothing confirmed yet
        window.form().receiveButton->click();
        QTRY_VERIFY(notice(window).contains("received"));
        QVERIFY(!window.isWindowModified());

        window.form().foodMSpinBox->setValue(9);
        QVERIFY(window.isWindowModified());
        QVERIFY(notice(window).contains("changes that the unit does not have"));
        window.form().sendButton->click();
        QTRY_VERIFY(notice(window).contains("sent to the unit and confirmed"));
        QVERIFY(!window.isWindowModified());
        QVERIFY(unit.waitForLine("request"));

        window.form().foodMSpinBox->setValue(11);
        QString asked;
        answerQuestion(QMessageBox::RejectRole, &asked);
        QVERIFY(!window.close());
        QVERIFY(asked.contains("Send them"));
        QVERIFY(window.isVisible());
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
