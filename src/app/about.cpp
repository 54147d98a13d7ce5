#include "mainwindow.h"

#include "protocol.h"
#include "unitsession.h"

#include "handbook.h"

#include <QMessageBox>

void MainWindow::showAbout()
{
    const UnitSession *session = protocol->isDetected() ? protocol->session() : nullptr;
    const QString unit =
        session ? tr("Unit in use: %1, firmware %2")
                      .arg(unitTitle().toHtmlEscaped(), session->firmware().toHtmlEscaped())
                : tr("No unit in use.");
    QMessageBox::about(
        this, tr("About Korvalin 3318"),
        tr("<h3>Korvalin 3318 configuration tool %1</h3>"
           "<p>Configures the Korvalin 3318 flow pump controller over its serial line.</p>"
           "<p>%2</p>"
           "<p>Built with Qt %3, running on Qt %4.</p>"
           "<p>Free software under the GNU General Public License, version 3 or later: you may "
           "share and change it; it comes without any warranty.</p>"
           "<p><a href=\"%5\">%5</a></p>")
            .arg(QStringLiteral(KV3318_VERSION), unit, QStringLiteral(QT_VERSION_STR),
                 QString::fromLatin1(qVersion()), QStringLiteral(KV3318_HOMEPAGE)));
}

void MainWindow::showHandbook()
{
    if (!handbook) {
        handbook = new Handbook(this);
        handbook->setAttribute(Qt::WA_DeleteOnClose);
    }
    handbook->show();
    handbook->raise();
    handbook->activateWindow();
}
