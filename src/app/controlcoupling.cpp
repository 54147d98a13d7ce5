#include "mainwindow.h"

#include "protocol.h"

#include <QSpinBox>

namespace
{

// A pump runs at 30 % or more, or not at all: one step up from 0 lands on
// 30, one step down from 30 lands on 0.
void snapPower(QSpinBox *box, int value)
{
    if (value == 1)
        box->setValue(30);
    else if (value >= 2 && value <= 29)
        box->setValue(0);
}

} // namespace

void MainWindow::on_stormCheckBox_toggled(bool value)
{
    stormDSpinBox->setEnabled(value);
    stormHSpinBox->setEnabled(value);
    stormHLabel->setEnabled(value);
    stormDLabel->setEnabled(value);
}

// The interval time and the storm period never become zero; it is always the
// smaller unit that is raised.
void MainWindow::on_intervalHSpinBox_valueChanged(int value)
{
    if (value == 0 && intervalMSpinBox->value() == 0)
        intervalMSpinBox->setValue(1);
}

void MainWindow::on_intervalMSpinBox_valueChanged(int value)
{
    if (value == 0 && intervalHSpinBox->value() == 0)
        intervalMSpinBox->setValue(1);
}

void MainWindow::on_stormDSpinBox_valueChanged(int value)
{
    if (value == 0 && stormHSpinBox->value() == 0)
        stormHSpinBox->setValue(1);
}

void MainWindow::on_stormHSpinBox_valueChanged(int value)
{
    if (value == 0 && stormDSpinBox->value() == 0)
        stormHSpinBox->setValue(1);
}

void MainWindow::on_power11SpinBox_valueChanged(int value)
{
    snapPower(power11SpinBox, value);
}

void MainWindow::on_power12SpinBox_valueChanged(int value)
{
    snapPower(power12SpinBox, value);
}

void MainWindow::on_power13SpinBox_valueChanged(int value)
{
    snapPower(power13SpinBox, value);
}

void MainWindow::on_power14SpinBox_valueChanged(int value)
{
    snapPower(power14SpinBox, value);
}

void MainWindow::on_power21SpinBox_valueChanged(int value)
{
    snapPower(power21SpinBox, value);
}

void MainWindow::on_power22SpinBox_valueChanged(int value)
{
    snapPower(power22SpinBox, value);
}

void MainWindow::on_power23SpinBox_valueChanged(int value)
{
    snapPower(power23SpinBox, value);
}

void MainWindow::on_power24SpinBox_valueChanged(int value)
{
    snapPower(power24SpinBox, value);
}

// Inverse swaps the two power levels of socket 4.
void MainWindow::on_inverseCheckBox_toggled()
{
    const int power1 = power14SpinBox->value();
    const int power2 = power24SpinBox->value();
    power14SpinBox->setValue(power2);
    power24SpinBox->setValue(power1);
}

// In sequential mode a pulse must fit into the sequential time.
void MainWindow::on_pulseSSpinBox_valueChanged(double value)
{
    if (stackedWidget->currentIndex() != 2)
        return;
    if (value > sequentialSSpinBox->value())
        sequentialSSpinBox->setValue(int(value + 1.0));
}

void MainWindow::on_sequentialSSpinBox_valueChanged(int value)
{
    if (stackedWidget->currentIndex() != 2)
        return;
    if (pulseSSpinBox->value() > value)
        pulseSSpinBox->setValue(value);
}

void MainWindow::on_wavectrlCheckBox_toggled(bool value)
{
    waveLabel->setEnabled(value);
    waveSSpinBox->setEnabled(value);
    waveSLabel->setEnabled(value);

    if (value) {
        inverseCheckBox->setEnabled(true);
        waveAutoLabel->setEnabled(protocol->isDetected());
        startButton->setEnabled(protocol->isDetected());
        stopButton->setEnabled(protocol->isDetected());
    } else {
        inverseCheckBox->setChecked(false);
        inverseCheckBox->setEnabled(false);
        waveAutoLabel->setEnabled(false);
        startButton->setEnabled(false);
        stopButton->setEnabled(false);
    }

    // The wave controller drives sockets 3 and 4 itself.
    power13SpinBox->setEnabled(!value);
    power14SpinBox->setEnabled(!value);
    power23SpinBox->setEnabled(!value);
    power24SpinBox->setEnabled(!value);
    if (value) {
        power13SpinBox->setValue(0);
        power14SpinBox->setValue(0);
        power23SpinBox->setValue(100);
        power24SpinBox->setValue(100);
    } else {
        power23SpinBox->setValue(0);
        power24SpinBox->setValue(0);
    }

    if (stackedWidget->currentIndex() == 1) {
        if (value) {
            power23Line->hide();
            power12Line->show();
        } else {
            power12Line->hide();
            power23Line->show();
        }
    }

    renewIntervalSpacer(!value);
    renewSequentialSpacer(!value);
}

void MainWindow::on_stackedWidget_currentChanged(int index)
{
    const bool wide = !wavectrlCheckBox->isChecked();
    if (index == 0) {
        tabWidget->setTabText(0, tr("pulse"));
        power12Line->hide();
        power23Line->hide();
    } else if (index == 1) {
        tabWidget->setTabText(0, tr("interval"));
        power12Line->setVisible(!wide);
        power23Line->setVisible(wide);
        renewIntervalSpacer(wide);
    } else {
        tabWidget->setTabText(0, tr("sequential"));
        if (index == 2)
            renewSequentialSpacer(wide);
        power12Line->hide();
        power23Line->hide();
    }
}

// The fixed spacer in front of a page's controls sets how far right they
// stand; with the wave controller off they move further right.
void MainWindow::renewIntervalSpacer(bool wide)
{
    const int width = int(stackedWidget->geometry().width() * (wide ? 0.48 : 0.37));
    intervalSpacer->changeSize(width, 20, QSizePolicy::Fixed, QSizePolicy::Fixed);
    intervalLayout->invalidate();
}

void MainWindow::renewSequentialSpacer(bool wide)
{
    const int width = int(stackedWidget->geometry().width() * (wide ? 0.5 : 0.38));
    sequentialSpacer->changeSize(width, 20, QSizePolicy::Fixed, QSizePolicy::Fixed);
    sequentialLayout->invalidate();
}
