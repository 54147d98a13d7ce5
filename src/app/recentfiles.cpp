#include "mainwindow.h"

#include "remembered.h"
#include "windowactions.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace
{
constexpr int recentCount = 8;
const QString recentKey = QStringLiteral("recentFiles");
const QString folderKey = QStringLiteral("lastFolder");
} // namespace

QString MainWindow::lastFolder()
{
    return rememberedSettings().value(folderKey, QStringLiteral(".")).toString();
}

void MainWindow::rememberFile(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QSettings settings = rememberedSettings();
    QStringList recent = settings.value(recentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(recentKey, recent.mid(0, recentCount));
    settings.setValue(folderKey, QFileInfo(path).absolutePath());
    listRecentFiles();
}

void MainWindow::listRecentFiles()
{
    actions->recent->clear();
    const QStringList recent = rememberedSettings().value(recentKey).toStringList();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        QAction *entry = actions->recent->addAction(
            tr("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(recent[i])));
        connect(entry, &QAction::triggered, this, [this, path = recent[i]] { openRecent(path); });
    }
    actions->recent->setEnabled(!recent.isEmpty());
}

void MainWindow::openRecent(const QString &fileName)
{
    if (QFileInfo::exists(fileName))
        return restoreFrom(fileName);
    QSettings settings = rememberedSettings();
    QStringList recent = settings.value(recentKey).toStringList();
    recent.removeAll(fileName);
    settings.setValue(recentKey, recent);
    listRecentFiles();
    warn(tr("%1 is gone; it was taken off the recent files")
             .arg(QDir::toNativeSeparators(fileName)));
}
