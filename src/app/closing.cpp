#include "mainwindow.h"

#include "protocol.h"
#include "waverun.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace
{
// How long a closing window waits for the stop byte to leave.
constexpr int leaveMs = 1000;
} // namespace

bool MainWindow::mayClose()
{
    if (!isModified())
        return true;
    QMessageBox question(QMessageBox::Question, windowTitle().remove(QLatin1String("[*]")),
                         tr("The form holds changes that the unit does not have. Send them to "
                            "the unit before closing?"),
                         QMessageBox::Discard | QMessageBox::Cancel, this);
    QPushButton *send = question.addButton(tr("Send"), QMessageBox::AcceptRole);
    question.setDefaultButton(send);
    question.exec();
    if (question.clickedButton() == question.button(QMessageBox::Cancel))
        return false;
    if (question.clickedButton() == send)
        protocol->writeData(createDataString());
    return true;
}

void MainWindow::leave()
{
    leaving = true;
    close();
}

// A run still under way ends with its stop byte, and the window goes once
// that and whatever else was written has left, or after a second, while
// the event loop keeps turning to write it.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!leaving && !mayClose()) {
        event->ignore();
        return;
    }
    leaving = true;
    waveRun->stop();
    UnitLink *unit = protocol->unit();
    if (!unit || unit->bytesToWrite() == 0 || leaveTimedOut) {
        event->accept();
        return;
    }
    event->ignore();
    if (waitingToLeave)
        return;
    waitingToLeave = true;
    connect(unit, &UnitLink::allWritten, this, &QWidget::close, Qt::QueuedConnection);
    QTimer::singleShot(leaveMs, this, [this] {
        leaveTimedOut = true;
        close();
    });
}
