#include "candidates.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

// The window as a Windows program on a real COM port: scripts/test-windows.sh
// maps one in the Wine prefix onto the virtual unit's pseudo-terminal on
// Linux and names it, and the record the unit holds, in the environment.
class ComPortTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowFindsTheUnitAndReceivesItsSettings();
};

void ComPortTest::windowFindsTheUnitAndReceivesItsSettings()
{
    const QString port = qEnvironmentVariable("KV3318_TEST_PORT");
    const QString record = qEnvironmentVariable("KV3318_TEST_RECORD");
    if (port.isEmpty() || record.isEmpty())
        QSKIP("KV3318_TEST_PORT and KV3318_TEST_RECORD name no COM port with a unit on it");

    // Every port the system lists, as the installed program probes them.
    MainWindow window(Candidates::systemPorts());
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.form().receiveButton->isEnabled(), 15000);
    const QString status = window.statusBar()->findChild<QLabel *>()->text();
    QVERIFY2(status.contains(port), qPrintable(status));

    QTest::mouseClick(window.form().receiveButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window.createDataString(), record, 5000);

    const QString screenshot = qEnvironmentVariable("KV3318_TEST_SCREENSHOT");
    if (!screenshot.isEmpty())
        QVERIFY(window.grab().save(screenshot));
}

QTEST_MAIN(ComPortTest)
#include "tst_comport.moc"
