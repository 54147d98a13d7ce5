#include "mainwindow.h"

#include "protocol.h"
#include "settingsrecord.h"
#include "waverun.h"

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
    state.unitDetected = true;
    lostPort.clear();
    // Nothing is known of what this unit holds until it says so.
    confirmed.reset();
    updateModified();
    unitVersion = generateVersion(list.value(1));
    if (recordLength() == SettingsRecord::Basic)
        qDebug("version<=1.0.10.1");
    else
        qDebug("version>1.0.10.1");
    applyState();
}

void MainWindow::onInterfaceLost(const QString &port)
{
    lostDuringRun = state.running;
    // The run cannot go on and its stop byte has nowhere to go.
    waveRun->abandon();
    showNoUnit();
    lostPort = port;
    showNotice();
}

void MainWindow::showNoUnit()
{
    // The form keeps every value, and unitVersion the lost unit's firmware,
    // so a file recorded now still has that unit's record length.
    statusLabel->setText(tr("no interface detected"));
    state.unitDetected = false;
    state.stopOffered = false;
    // An answer asked of the unit let go must not be taken from the next one.
    state.answerAwaited = false;
    answerTimer.stop();
    lostPort.clear();
    updateModified();
    applyState();
}

void MainWindow::searchAgain()
{
    if (state.searching || state.running)
        return;
    // The search lets go of the unit found before.
    showNoUnit();
    protocol->checkInterface();
}
