#include "clickablelabel.h"
#include "mainwindow.h"
#include "protocol.h"
#include "runprogress.h"

#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <chrono>

namespace
{

// Ends a run on the unit's side; it travels alone, outside any frame.
const QChar stopCharacter(0x04);

// Each step of a run raises the wave time by this much.
constexpr double waveStep = 0.01;
constexpr std::chrono::milliseconds stepInterval(3000);

} // namespace

void MainWindow::initTimer()
{
    adjustTimer = new QTimer(nullptr);
    adjustTimer->setInterval(stepInterval);
    // The unit sees a step every 3 s, not merely about every 3 s as a
    // coarse timer would allow.
    adjustTimer->setTimerType(Qt::PreciseTimer);
    connect(adjustTimer, &QTimer::timeout, this, &MainWindow::onTimeout);
}

void MainWindow::createRunProgress()
{
    runProgress = new RunProgress(waveStep, stepInterval);
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

    sendAdjust();
    runProgress->begin(waveSSpinBox->value(), waveSSpinBox->maximum());
    if (waveSSpinBox->maximum() > waveSSpinBox->value())
        adjustTimer->start();
    else
        stopTimer();
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
    waveSSpinBox->setValue(waveSSpinBox->value() + waveStep);
    sendAdjust();
    runProgress->sent(waveSSpinBox->value());
    if (waveSSpinBox->value() >= waveSSpinBox->maximum())
        stopTimer();
}

void MainWindow::sendAdjust()
{
    const QString inverse = QString::number(inverseCheckBox->isChecked() ? 1 : 0);
    const QString waveTime = QString::number(waveSSpinBox->value() * 100.0, 'g', 6);
    // The message carries an STX of its own, inside the frame's.
    protocol->writeData(QChar(0x02) + waveTime + ';' + inverse);
}

void MainWindow::stopTimer()
{
    protocol->writeDataNoPro(QString(stopCharacter));
    endRun();
}

void MainWindow::endRun()
{
    adjustTimer->stop();
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
