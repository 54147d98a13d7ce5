#include "mainwindow.h"

#include "fieldnames.h"
#include "formview.h"
#include "settingsfile.h"
#include "settingsrecord.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

void MainWindow::on_recordButton_clicked()
{
    writeSettings();
}

void MainWindow::on_restoreButton_clicked()
{
    loadSettings();
}

bool MainWindow::writeSettings()
{
    // Taken before the dialog opens: the file gets the form as it was at the
    // click, whatever an adjustment run changes meanwhile.
    const QByteArray record = createDataString().toLatin1();
    const QString caption = tr("Choose a file name");
    QString fileName =
        QFileDialog::getSaveFileName(this, caption, lastFolder(), tr("Settings (*.txt)"));
    if (fileName.isEmpty())
        return false;
    if (!fileName.endsWith(QLatin1String(".txt"))) {
        fileName += QLatin1String(".txt");
        // The dialog asked about the name it returned, not about this one.
        if (QFileInfo::exists(fileName) &&
            QMessageBox::question(this, caption,
                                  tr("%1 already exists.\nDo you want to replace it?")
                                      .arg(QFileInfo(fileName).fileName()),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    // The old file is replaced only once the new one is complete, so a full
    // disk cannot leave the user with neither; an uncommitted file is
    // thrown away.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !SettingsFile::writeWhole(file, record) || !file.commit()) {
        warnAboutFile(tr("record to data file"), fileName,
                      tr("The settings could not be recorded: %1").arg(file.errorString()));
        return false;
    }
    tell(tr("settings recorded to %1").arg(QDir::toNativeSeparators(fileName)));
    rememberFile(fileName);
    return true;
}

void MainWindow::loadSettings()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Choose a file"), lastFolder(),
                                                          tr("Settings (*.txt)"));
    if (!fileName.isEmpty())
        restoreFrom(fileName);
}

void MainWindow::restoreFrom(const QString &fileName)
{
    QString failure;
    const std::optional<QString> record = recordInFile(fileName, &failure);
    const qsizetype fields = record ? fieldCount(*record) : 0;
    if (record && !isRecordLength(fields))
        failure = tr("The file holds no settings record.");
    if (!record || !isRecordLength(fields)) {
        warnAboutFile(tr("restore from data file"), fileName, failure);
        return;
    }
    // A record of either length restores: its settings are the same, and
    // the two reserved fields of the longer one carry nothing.
    applyRecord(*record, SettingsRecord::Length(fields));
    // The form now holds a file's settings, no unit's.
    formSource.clear();
    rememberFile(fileName);
    const QString name = QDir::toNativeSeparators(fileName);
    QString said;
    if (fields == recordLength())
        said = tr("settings restored from %1").arg(name);
    else if (fields < recordLength())
        said = tr("settings restored from %1; its 20 fields take the firmware's two reserved "
                  "fields when sent")
                   .arg(name);
    else
        said = tr("settings restored from %1; its two reserved fields are left out for this "
                  "firmware")
                   .arg(name);
    // Nothing the file held is changed without a word.
    QStringList changed;
    for (const SettingsRecord::Adjustment &value :
         SettingsRecord::adjustments(*record, formView->settings()))
        changed << tr("%1: %2 in the file, %3 in the form")
                       .arg(FieldNames::name(value.id), FieldNames::value(value.id, value.inRecord),
                            FieldNames::value(value.id, value.held));
    if (changed.isEmpty())
        tell(said);
    else
        warn(tr("%1; the form could not hold every value: %2")
                 .arg(said, changed.join(QLatin1String("; "))));
}

void MainWindow::warnAboutFile(const QString &title, const QString &fileName, const QString &reason)
{
    QMessageBox::warning(this, title,
                         QDir::toNativeSeparators(fileName) + QLatin1Char('\n') + reason);
}

std::optional<QString> MainWindow::recordInFile(const QString &fileName, QString *failure)
{
    SettingsFile::Failure why;
    const std::optional<QString> record = SettingsFile::read(fileName, &why);
    if (record || !failure)
        return record;
    switch (why.kind) {
    case SettingsFile::Failure::Missing:
        *failure = tr("The file does not exist.");
        break;
    case SettingsFile::Failure::NotRegularFile:
        *failure = tr("The file is not a regular file.");
        break;
    case SettingsFile::Failure::Unreadable:
        *failure = tr("The file cannot be read: %1").arg(why.reason);
        break;
    case SettingsFile::Failure::TooLarge:
        *failure = tr("The file is too large to be a settings record.");
        break;
    }
    return std::nullopt;
}
