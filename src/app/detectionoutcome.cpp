#include "mainwindow.h"

#include <QDebug>
#include <QLabel>

void MainWindow::onInterfaceDetect(const QStringList &list)
{
    if (list.value(0).isEmpty()) {
        statusLabel->setText(tr("no interface detected"));
        unitVersion = 0;
        return;
    }
    statusLabel->setText(tr("interface detected on: ") + list.value(0) + "   (" + list.value(1) +
                         ")");
    const bool waveControl = wavectrlCheckBox->isChecked();
    waveAutoLabel->setEnabled(waveControl);
    startButton->setEnabled(waveControl);
    sendButton->setEnabled(true);
    receiveButton->setEnabled(true);
    unitVersion = generateVersion(list.value(1));
    if (unitVersion <= generateVersion(QStringLiteral("1.0.10.1")))
        qDebug("version<=1.0.10.1");
    else
        qDebug("version>1.0.10.1");
}
