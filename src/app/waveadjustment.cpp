#include "clickablelabel.h"
#include "mainwindow.h"
#include "protocol.h"
#include "runprogress.h"
#include "waverun.h"

#include <QStatusBar>
#include <QToolButton>

void MainWindow::initTimer()
{
    waveRun = new WaveRun(this);
    connect(waveRun, &WaveRun::sent, this, [this](double waveSeconds) {
        waveSSpinBox->setValue(waveSeconds);
        runProgress->sent(waveSeconds);
    });
    connect(waveRun, &WaveRun::ended, this, &MainWindow::endRun);
    // What the form holds is what the next step sends and goes on from: a
    // restored record's wave time and an inverse ticked during the run.
    connect(waveSSpinBox, &QDoubleSpinBox::valueChanged, waveRun, &WaveRun::setWaveSeconds);
    connect(inverseCheckBox, &QCheckBox::toggled, waveRun, &WaveRun::setInverse);
}

void MainWindow::createRunProgress()
{
    runProgress = new RunProgress(WaveRun::step, WaveRun::stepInterval);
    statusBar()->addWidget(runProgress);
    runProgress->hide();
}

void MainWindow::on_startButton_clicked()
{
    waveSSpinBox->setEnabled(false);
    stopButton->setEnabled(true);
    wavectrlCheckBox->setEnabled(false);
    pulseButton->setEnabled(false);
    intervalButton->setEnabled(false);
    sequentialButton->setEnabled(false);
    sendButton->setEnabled(false);
    receiveButton->setEnabled(false);
    startButton->setEnabled(false);
    searchButton->setEnabled(false);

    runProgress->begin(waveSSpinBox->value(), waveSSpinBox->maximum());
    waveRun->start(protocol->unit(), waveSSpinBox->value(), inverseCheckBox->isChecked(),
                   waveSSpinBox->maximum());
}

void MainWindow::onTimeout()
{
    // The check box is locked during a run, but a restored or received
    // record can still switch the wave controller off; its rule then locks
    // the stop button, so the run has to end here or it could not be ended.
    if (!wavectrlCheckBox->isChecked()) {
        stopTimer();
        return;
    }
    waveRun->advance();
}

void MainWindow::stopTimer()
{
    if (waveRun->isRunning())
        return waveRun->stop();
    // "stop" is offered whenever the wave controller is on and a unit is
    // there, run or no run; the unit gets its stop byte all the same.
    protocol->writeDataNoPro(QString::fromLatin1(UnitMessages::stopByte));
    endRun();
}

void MainWindow::endRun()
{
    runProgress->hide();
    stopButton->setEnabled(false);
    wavectrlCheckBox->setEnabled(true);
    pulseButton->setEnabled(true);
    intervalButton->setEnabled(true);
    sequentialButton->setEnabled(true);
    // A run also ends when its unit is lost; what needs a unit stays locked.
    const bool unit = protocol->isDetected();
    sendButton->setEnabled(unit);
    receiveButton->setEnabled(unit);
    // A record applied during the run may have switched the wave controller
    // off; its rule locked the wave time and the start, and that stands.
    const bool waveControllerOn = wavectrlCheckBox->isChecked();
    waveSSpinBox->setEnabled(waveControllerOn);
    startButton->setEnabled(waveControllerOn && unit);
    allowSearchAgain();
}

void MainWindow::on_stopButton_clicked()
{
    stopTimer();
}
