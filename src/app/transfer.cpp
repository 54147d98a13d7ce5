#include "mainwindow.h"
#include "protocol.h"

void MainWindow::on_sendButton_clicked()
{
    protocol->writeData(createDataString());
}

void MainWindow::on_receiveButton_clicked()
{
    // Set even when the port is closed: the next message, whenever it
    // comes, is taken as the answer.
    state.answerAwaited = true;
    protocol->writeData(QString::fromLatin1(UnitMessages::settingsRequest));
}

void MainWindow::onReceiveComplete(const QString &data)
{
    // Only the first message after a request is an answer; the unit's other
    // messages must never touch the form.
    if (!state.answerAwaited)
        return;
    state.answerAwaited = false;
    readDataString(data);
}
