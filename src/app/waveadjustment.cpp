#include "formview.h"
#include "mainwindow.h"
#include "protocol.h"
#include "runprogress.h"
#include "unitsession.h"

#include <QStatusBar>

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
    stopOffered = false;
    // What was said before is no news beside the run's progress.
    noticeTimer.stop();
    runProgress->begin(settings.waveSeconds, end);
    beginRunStep();
    protocol->session()->startRun(settings.waveSeconds, settings.inverse, end);
    applyState();
}

void MainWindow::onRunStep(double waveSeconds)
{
    formView->set(SettingFields::WaveSeconds, waveSeconds);
    runProgress->sent(waveSeconds);
}

void MainWindow::on_stopButton_clicked()
{
    UnitSession *session = protocol->session();
    if (session->isRunning())
        return session->run().stop();
    // "stop" is offered whenever the wave controller is on and a unit is
    // there, run or no run; the unit gets its stop byte all the same.
    protocol->writeDataNoPro(QString::fromLatin1(UnitMessages::stopByte));
    endRun(WaveRun::End::Stopped);
}

void MainWindow::endRun(WaveRun::End)
{
    runProgress->hide();
    stopOffered = false;
    endRunStep();
    applyState();
}
