#include "elidedlabel.h"
#include "mainwindow.h"
#include "messagelist.h"
#include "messagelog.h"
#include "protocol.h"

#include <QStatusBar>

namespace
{
// Long enough to read a line, short enough not to stand for what is now.
constexpr int noticeMs = 6000;
} // namespace

void MainWindow::createNotices()
{
    messageLog = new MessageLog(this);
    noticeLabel = new ElidedLabel();
    noticeLabel->setAccessibleName(tr("what happened"));
    noticeLabel->setToolTip(tr("Every message, whole: Unit > Messages"));
    statusBar()->addWidget(noticeLabel, 1);
    connect(noticeLabel, &ElidedLabel::clicked, this, &MainWindow::showMessages);
    noticeTimer.setSingleShot(true);
    noticeTimer.setInterval(noticeMs);
    connect(&noticeTimer, &QTimer::timeout, this, &MainWindow::showNotice);
}

void MainWindow::tell(const QString &text)
{
    showNoticeText(text);
    noticeTimer.start();
}

void MainWindow::warn(const QString &text)
{
    actingNotice = text;
    noticeTimer.stop();
    showNotice();
}

// An empty notice takes no room from the unit's status beside it. Each text
// shown is kept, whole, for the list of messages.
void MainWindow::showNoticeText(const QString &text)
{
    noticeLabel->setText(text);
    noticeLabel->setVisible(!text.isEmpty());
    messageLog->add(text);
}

void MainWindow::showNotice()
{
    if (noticeTimer.isActive())
        return;
    showNoticeText(actingNotice.isEmpty() ? standingNotice() : actingNotice);
}

// What stays said while it holds: the search, that the form holds what the
// unit does not, that several units answered.
QString MainWindow::standingNotice() const
{
    if (protocol->isProbing())
        return tr("searching for the unit...");
    if (protocol->isDetected() && isModified())
        return tr("the form holds changes that the unit does not have");
    if (protocol->units().size() > 1)
        return tr("%n unit(s) answered; the Unit menu lists them", nullptr,
                  int(protocol->units().size()));
    if (!protocol->isDetected() && !protocol->lastReport().silent.isEmpty())
        return tr("a unit switched on later is found with \"search again\" (F5)");
    return {};
}

void MainWindow::showMessages()
{
    auto *list = new MessageList(*messageLog, this);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
}
