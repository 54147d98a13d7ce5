#include "mainwindow.h"

#include "protocol.h"

#include <QLabel>
#include <QStatusBar>

namespace
{
// Long enough to read a line, short enough not to stand for what is now.
constexpr int noticeMs = 6000;
} // namespace

void MainWindow::createNotices()
{
    noticeLabel = new QLabel();
    // However long a notice, the window keeps its size; the whole text is in
    // the tooltip.
    noticeLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    noticeLabel->setAccessibleName(tr("what happened"));
    statusBar()->addWidget(noticeLabel, 1);
    noticeTimer.setSingleShot(true);
    noticeTimer.setInterval(noticeMs);
    connect(&noticeTimer, &QTimer::timeout, this, &MainWindow::showNotice);
}

void MainWindow::tell(const QString &text)
{
    showNoticeText(text);
    noticeTimer.start();
}

// An empty notice takes no room from the unit's status beside it.
void MainWindow::showNoticeText(const QString &text)
{
    noticeLabel->setText(text);
    noticeLabel->setToolTip(text);
    noticeLabel->setVisible(!text.isEmpty());
}

void MainWindow::showNotice()
{
    if (noticeTimer.isActive())
        return;
    showNoticeText(standingNotice());
}

// What stays said until it changes: the search, why no unit is there, or
// that the form holds what the unit does not.
QString MainWindow::standingNotice() const
{
    if (protocol->isProbing())
        return tr("searching for the unit...");
    if (protocol->isDetected())
        return isModified() ? tr("the form holds changes that the unit does not have") : QString();
    if (!lostNotice.isEmpty())
        return lostNotice;
    const SearchReport &report = protocol->lastReport();
    QStringList said;
    for (const SearchReport::Failure &failed : report.openFailures) {
        if (failed.failure.kind == OpenFailure::PermissionDenied)
            said << tr("%1: %2 (add yourself to the group dialout, then log in again)")
                        .arg(failed.port, failed.failure.translated());
        else
            said << tr("%1: %2").arg(failed.port, failed.failure.translated());
    }
    if (!report.silent.isEmpty())
        said << tr("a unit switched on later is found with \"search again\" (F5)");
    return said.join(QLatin1String("; "));
}
