#include "clickablelabel.h"
#include "formview.h"
#include "mainwindow.h"
#include "protocol.h"
#include "settingsrecord.h"
#include "ui_mainwindow.h"
#include "unitsession.h"
#include "windowactions.h"

#include <QAction>
#include <QActionGroup>
#include <QToolButton>
#include <QUndoStack>

void MainWindow::applyState()
{
    const Settings &settings = formView->settings();
    const bool wave = settings.waveController;
    const bool unit = protocol->isDetected();
    const UnitSession *session = protocol->session();
    const bool running = session && session->isRunning();

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
    ui->stopButton->setEnabled(running || (stopOffered && wave && unit));
    // What would disturb a run waits for its end.
    ui->wavectrlCheckBox->setEnabled(!running);
    for (ClickableLabel *mode : {pulseButton, intervalButton, sequentialButton})
        mode->setEnabled(!running);
    // One exchange with the unit at a time.
    const bool exchanging = session && session->isBusy();
    actions->send->setEnabled(unit && !running && !exchanging);
    actions->receive->setEnabled(unit && !running && !exchanging);
    // A run needs its unit to stay where it is.
    actions->search->setEnabled(!protocol->isProbing() && !running);
    searchButton->setEnabled(actions->search->isEnabled());
    actions->units->setEnabled(!protocol->isProbing() && !running && !exchanging);
    // A run is one step, taken once it has ended.
    actions->undo->setEnabled(undoStack->canUndo() && !running);
    actions->redo->setEnabled(undoStack->canRedo() && !running);
    actions->history->setEnabled(session != nullptr);
    showNotice();
}

void MainWindow::onSettingsChanged(const Settings &before, const Settings &after, int field)
{
    recordStep(before, after, field);
    UnitSession *session = protocol->session();
    if (before.waveController != after.waveController)
        stopOffered = after.waveController && protocol->isDetected();
    if (session && session->isRunning()) {
        // A record restored or received during a run changes what it works
        // on; one that switches the wave controller off ends it at once.
        if (!after.waveController) {
            session->run().stop();
        } else {
            session->run().setWaveSeconds(after.waveSeconds);
            session->run().setInverse(after.inverse);
        }
    }
    if (!showingUnit)
        untouched = !isModified();
    updateModified();
    applyState();
}

bool MainWindow::isModified() const
{
    const UnitSession *session = protocol->session();
    const Settings held = session && session->held() ? *session->held() : Settings();
    const auto length = SettingsRecord::Length(recordLength());
    return SettingsRecord::write(formView->settings(), length) !=
           SettingsRecord::write(held, length);
}

void MainWindow::updateModified()
{
    if (isWindowModified() == isModified())
        return;
    setWindowModified(isModified());
    // What stands has changed: it is said now rather than after what was
    // said last.
    noticeTimer.stop();
    showNotice();
}
