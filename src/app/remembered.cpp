#include "remembered.h"

#include "mainwindow.h"

namespace
{
const QString positionKey = QStringLiteral("geometry");
} // namespace

QSettings rememberedSettings()
{
    return QSettings(QStringLiteral("kv3318"), QStringLiteral("kv3318-config"));
}

void MainWindow::restorePosition()
{
    restoreGeometry(rememberedSettings().value(positionKey).toByteArray());
}

void MainWindow::keepPosition()
{
    rememberedSettings().setValue(positionKey, saveGeometry());
}
