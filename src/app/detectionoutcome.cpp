#include "mainwindow.h"

#include "settingsrecord.h"
#include "waverun.h"

#include <QDebug>
#include <QLabel>

void MainWindow::onInterfaceDetect(const QStringList &list)
{
    if (list.value(0).isEmpty()) {
        statusLabel->setText(tr("no interface detected"));
        unitVersion = 0;
        return;
    }
    statusLabel->setText(tr("interface detected on: ") + list.value(0) + "   (" + list.value(1) +
                         ")");
    const bool waveControl = wavectrlCheckBox->isChecked();
    waveAutoLabel->setEnabled(waveControl);
    startButton->setEnabled(waveControl);
    sendButton->setEnabled(true);
    receiveButton->setEnabled(true);
    unitVersion = generateVersion(list.value(1));
    if (recordLength() == SettingsRecord::Basic)
        qDebug("version<=1.0.10.1");
    else
        qDebug("version>1.0.10.1");
}

void MainWindow::onInterfaceLost(const QString &)
{
    // The run cannot go on and its stop byte has nowhere to go.
    waveRun->abandon();
    // An answer asked of the lost unit must not be taken from the next one.
    receiveRequested = false;
    showNoUnit();
}

void MainWindow::showNoUnit()
{
    // The form keeps every value, and unitVersion the lost unit's firmware,
    // so a file recorded now still has that unit's record length.
    statusLabel->setText(tr("no interface detected"));
    sendButton->setEnabled(false);
    receiveButton->setEnabled(false);
    waveAutoLabel->setEnabled(false);
    startButton->setEnabled(false);
    stopButton->setEnabled(false);
}
