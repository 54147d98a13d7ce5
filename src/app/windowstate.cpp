#include "clickablelabel.h"
#include "formview.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "waverun.h"

#include <QToolButton>

void MainWindow::applyState()
{
    const Settings &settings = formView->settings();
    const bool wave = settings.waveController;
    const bool unit = state.unitDetected;
    const bool running = state.running;

    for (QWidget *storm : std::initializer_list<QWidget *>{ui->stormDSpinBox, ui->stormHSpinBox,
                                                           ui->stormHLabel, ui->stormDLabel})
        storm->setEnabled(settings.storm);

    // The wave controller drives sockets 3 and 4 itself.
    for (QWidget *driven : std::initializer_list<QWidget *>{ui->power13SpinBox, ui->power14SpinBox,
                                                            ui->power23SpinBox, ui->power24SpinBox})
        driven->setEnabled(!wave);
    ui->waveLabel->setEnabled(wave);
    ui->waveSLabel->setEnabled(wave);
    ui->inverseCheckBox->setEnabled(wave);
    // A run sets the wave time itself.
    ui->waveSSpinBox->setEnabled(wave && !running);

    ui->waveAutoLabel->setEnabled(wave && unit);
    ui->startButton->setEnabled(wave && unit && !running);
    ui->stopButton->setEnabled(running || (state.stopOffered && wave && unit));
    // What would disturb a run waits for its end.
    ui->wavectrlCheckBox->setEnabled(!running);
    for (ClickableLabel *mode : {pulseButton, intervalButton, sequentialButton})
        mode->setEnabled(!running);
    ui->sendButton->setEnabled(unit && !running);
    ui->receiveButton->setEnabled(unit && !running);
    // A run needs its unit to stay where it is.
    searchButton->setEnabled(!state.searching && !running);
}

void MainWindow::onSettingsChanged(const Settings &before, const Settings &after)
{
    if (before.waveController != after.waveController)
        state.stopOffered = after.waveController && state.unitDetected;
    if (state.running) {
        // A record restored or received during a run changes what it works
        // on; one that switches the wave controller off ends it at once.
        if (!after.waveController) {
            waveRun->stop();
        } else {
            waveRun->setWaveSeconds(after.waveSeconds);
            waveRun->setInverse(after.inverse);
        }
    }
    applyState();
}
