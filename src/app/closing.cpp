#include "mainwindow.h"

#include "protocol.h"
#include "unitsession.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool MainWindow::mayClose()
{
    if (!isModified())
        return true;
    const bool unit = protocol->isDetected();
    QMessageBox question(QMessageBox::Question, windowTitle().remove(QLatin1String("[*]")),
                         unit ? tr("The form holds changes that the unit does not have. Send them "
                                   "to the unit before closing?")
                              : tr("The form holds changes that no unit has. Record them to a "
                                   "file before closing?"),
                         QMessageBox::Discard | QMessageBox::Cancel, this);
    QPushButton *keep =
        question.addButton(unit ? tr("Send") : tr("Record..."), QMessageBox::AcceptRole);
    question.setDefaultButton(keep);
    question.exec();
    // Ended from outside while it asked: nobody answered.
    if (protocol->isLeaving() || question.clickedButton() == question.button(QMessageBox::Cancel))
        return false;
    if (question.clickedButton() != keep)
        return true;
    if (!unit)
        return writeSettings();
    // Sent as the Send button sends, read back and compared: the window goes
    // once the unit has confirmed, and stays to say what differs otherwise.
    closingAfterSend = true;
    on_sendButton_clicked();
    return false;
}

void MainWindow::leave()
{
    // Whatever dialog is open stays unanswered: every event loop ends.
    connect(protocol, &Protocol::left, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (protocol->hasLeft())
        QCoreApplication::quit();
    protocol->leave();
}

// The window goes once the unit has been let go: a run ended with its stop
// byte, and that and whatever else was written has left, or a second passed,
// while the event loop keeps turning to write it.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (protocol->hasLeft()) {
        keepPosition();
        event->accept();
        return;
    }
    event->ignore();
    if (protocol->isLeaving() || closingAfterSend)
        return;
    // The unit does not go on adjusting while the user is asked.
    if (UnitSession *session = protocol->session(); session && session->isRunning())
        session->run().stop();
    if (mayClose())
        protocol->leave();
}
