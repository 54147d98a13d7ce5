#include "formview.h"
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
        // The unit takes each step as it comes.
        if (confirmed)
            confirmed->waveSeconds = waveSeconds;
        formView->set(SettingFields::WaveSeconds, waveSeconds);
        runProgress->sent(waveSeconds);
    });
    connect(waveRun, &WaveRun::ended, this, &MainWindow::endRun);
}

void MainWindow::createRunProgress()
{
    runProgress = new RunProgress(WaveRun::step, WaveRun::stepInterval);
    statusBar()->addWidget(runProgress);
    runProgress->hide();
}

void MainWindow::on_startButton_clicked()
{
    const Settings &settings = formView->settings();
    const double end = SettingFields::field(SettingFields::WaveSeconds).maximum;
    state.running = true;
    state.stopOffered = false;
    // What was said before is no news beside the run's progress.
    noticeTimer.stop();
    applyState();
    runProgress->begin(settings.waveSeconds, end);
    waveRun->start(protocol->unit(), settings.waveSeconds, settings.inverse, end);
}

void MainWindow::onTimeout()
{
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
    state.running = false;
    state.stopOffered = false;
    applyState();
}

void MainWindow::on_stopButton_clicked()
{
    stopTimer();
}
