#include "mainwindow.h"

#include "linklog.h"
#include "protocol.h"
#include "settingsrecord.h"
#include "unitsession.h"

#include <QLabel>

void MainWindow::onInterfaceDetect(const QStringList &list)
{
    if (list.value(0).isEmpty()) {
        // The record length stays that of the last unit found, so a file
        // recorded now still fits the unit just unplugged.
        statusLabel->setText(tr("no interface detected"));
        QStringList failures;
        for (const SearchReport::Failure &failed : protocol->lastReport().openFailures)
            failures << tr("%1: %2").arg(failed.port, failed.failure.advised());
        if (!failures.isEmpty())
            warn(failures.join(QLatin1String("; ")));
        showNotice();
        return;
    }
    statusLabel->setText(tr("interface detected on: %1   (%2)").arg(list.value(0), list.value(1)));
    // What was said of the last unit does not hold for this one.
    actingNotice.clear();
    connectSession();
    rememberUnit(protocol->session()->identity());
    showUnitName();
    updateModified();
    unitVersion = generateVersion(list.value(1));
    if (recordLength() == SettingsRecord::Basic)
        qCDebug(linkLog, "version<=1.0.10.1");
    else
        qCDebug(linkLog, "version>1.0.10.1");
    applyState();
}

void MainWindow::onInterfaceLost(const QString &port, bool duringRun)
{
    // What was said of that unit, "confirmed" or a difference, goes with it.
    noticeTimer.stop();
    showNoUnit();
    QString lost =
        duringRun
            ? tr("the unit on %1 was lost during an adjustment run, which ended there").arg(port)
            : tr("the unit on %1 was lost").arg(port);
    // Another unit is offered, never taken by itself.
    for (const SearchReport::Unit &other : protocol->units()) {
        if (other.port != port) {
            lost =
                tr("%1; another unit answered on %2: the Unit menu takes it").arg(lost, other.port);
            break;
        }
    }
    warn(lost);
}

void MainWindow::showNoUnit()
{
    // The form keeps every value, and unitVersion the lost unit's firmware,
    // so a file recorded now still has that unit's record length.
    statusLabel->setText(tr("no interface detected"));
    stopOffered = false;
    showUnitName();
    updateModified();
    applyState();
}

void MainWindow::searchAgain()
{
    const UnitSession *session = protocol->session();
    if (protocol->isProbing() || (session && session->isRunning()))
        return;
    // The search lets go of the unit found before.
    showNoUnit();
    actingNotice.clear();
    protocol->checkInterface();
}
