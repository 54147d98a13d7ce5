#include "mainwindow.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace
{
// A record is under a hundred bytes. A file that holds this much before its
// first NUL is no record, and is not read any further.
constexpr qint64 maxRecordFileSize = 4096;
} // namespace

void MainWindow::on_recordButton_clicked()
{
    writeSettings();
}

void MainWindow::on_restoreButton_clicked()
{
    loadSettings();
}

void MainWindow::writeSettings()
{
    // Taken before the dialog opens: the file gets the form as it was at the
    // click, whatever an adjustment run changes meanwhile.
    const QByteArray record = createDataString().toLatin1();
    const QString caption = tr("Choose a file name");
    QString fileName =
        QFileDialog::getSaveFileName(this, caption, QStringLiteral("."), tr("Settings (*.txt)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".txt"))) {
        fileName += QLatin1String(".txt");
        // The dialog asked about the name it returned, not about this one.
        if (QFileInfo::exists(fileName) &&
            QMessageBox::question(this, caption,
                                  tr("%1 already exists.\nDo you want to replace it?")
                                      .arg(QFileInfo(fileName).fileName()),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    // The old file is replaced only once the new one is complete, so a full
    // disk cannot leave the user with neither.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(record);
    // commit() does not notice a write that fails while it empties the
    // buffer, and would put the cut-off file in place; an uncommitted file
    // is thrown away.
    if (file.flush())
        file.commit();
}

void MainWindow::loadSettings()
{
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Choose a file"), QStringLiteral("."), tr("Settings (*.txt)"));
    if (const std::optional<QString> record = recordInFile(fileName))
        readDataString(*record);
}

std::optional<QString> MainWindow::recordInFile(const QString &fileName)
{
    // Only regular files: opening a FIFO would block the window until some
    // other program wrote to it.
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxRecordFileSize + 1);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    else if (bytes.size() > maxRecordFileSize)
        return std::nullopt;
    return QString::fromLatin1(bytes);
}
