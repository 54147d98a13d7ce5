#include "mainwindow.h"

#include "protocol.h"
#include "settingsrecord.h"
#include "unitsession.h"

#include <QDebug>
#include <QLabel>

void MainWindow::onInterfaceDetect(const QStringList &list)
{
    if (list.value(0).isEmpty()) {
        // The record length stays that of the last unit found, so a file
        // recorded now still fits the unit just unplugged.
        statusLabel->setText(tr("no interface detected"));
        showNotice();
        return;
    }
    statusLabel->setText(tr("interface detected on: %1   (%2)").arg(list.value(0), list.value(1)));
    lostNotice.clear();
    connectSession();
    updateModified();
    unitVersion = generateVersion(list.value(1));
    if (recordLength() == SettingsRecord::Basic)
        qDebug("version<=1.0.10.1");
    else
        qDebug("version>1.0.10.1");
    applyState();
}

void MainWindow::onInterfaceLost(const QString &port, bool duringRun)
{
    // What was said of that unit, "confirmed" or a difference, goes with it.
    noticeTimer.stop();
    showNoUnit();
    lostNotice =
        duringRun
            ? tr("the unit on %1 was lost during an adjustment run, which ended there").arg(port)
            : tr("the unit on %1 was lost").arg(port);
    showNotice();
}

void MainWindow::showNoUnit()
{
    // The form keeps every value, and unitVersion the lost unit's firmware,
    // so a file recorded now still has that unit's record length.
    statusLabel->setText(tr("no interface detected"));
    stopOffered = false;
    lostNotice.clear();
    updateModified();
    applyState();
}

void MainWindow::searchAgain()
{
    const UnitSession *session = protocol->session();
    if (protocol->isProbing() || (session && session->isRunning()))
        return;
    // The search lets go of the unit found before.
    showNoUnit();
    protocol->checkInterface();
}
