#include "mainwindow.h"

#include "formview.h"
#include "settingsrecord.h"

#include <QUndoStack>

unsigned int MainWindow::generateVersion(QString text)
{
    return SettingsRecord::packedVersion(text);
}

QString MainWindow::createDataString()
{
    return SettingsRecord::write(formView->settings(), SettingsRecord::Length(recordLength()));
}

qsizetype MainWindow::recordLength() const
{
    return SettingsRecord::lengthFor(unitVersion);
}

qsizetype MainWindow::fieldCount(const QString &text)
{
    return text.split(QLatin1Char(';'), Qt::SkipEmptyParts).size();
}

bool MainWindow::isRecordLength(qsizetype fields)
{
    return fields == SettingsRecord::Basic || fields == SettingsRecord::Extended;
}

void MainWindow::readDataString(const QString &text)
{
    applyRecord(text, SettingsRecord::Length(recordLength()));
}

bool MainWindow::showFoundRecord(const QString &record, bool found)
{
    showingUnit = true;
    const bool shown = applyRecord(record, SettingsRecord::Length(recordLength()));
    showingUnit = false;
    if (shown)
        untouched = true;
    // What a unit just found holds is what the form is compared with, no
    // step to take back; the steps before it were another unit's.
    if (shown && found)
        undoStack->clear();
    return shown;
}

bool MainWindow::applyRecord(const QString &text, SettingsRecord::Length length)
{
    Settings next = formView->settings();
    if (!SettingsRecord::read(next, text, length))
        return false;
    formView->show(next);
    return true;
}
