#include "mainwindow.h"

#include "protocol.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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
    // Ended from outside while it asked: nobody answered.
    if (protocol->isLeaving() || question.clickedButton() == question.button(QMessageBox::Cancel))
        return false;
    if (question.clickedButton() == send)
        protocol->writeData(createDataString());
    return true;
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
        event->accept();
        return;
    }
    event->ignore();
    if (protocol->isLeaving() || !mayClose())
        return;
    protocol->leave();
}
