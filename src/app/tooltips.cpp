#include "clickablelabel.h"
#include "formview.h"
#include "mainwindow.h"
#include "protocol.h"
#include "ui_mainwindow.h"

#include <QLocale>
#include <QToolButton>

namespace
{
using SettingFields::field;
using SettingFields::Id;
using SettingFields::Kind;

QString number(double value, const SettingFields::Field &of)
{
    return QLocale().toString(value, 'f', of.decimals());
}

// The range of a setting as its control shows it.
QString range(Id id)
{
    const SettingFields::Field &of = field(id);
    if (of.kind == Kind::Power)
        return MainWindow::tr("0, or %1 to %2 %")
            .arg(number(of.lowestRunning, of), number(of.maximum, of));
    return MainWindow::tr("%1 to %2 %3")
        .arg(number(of.minimum, of), number(of.maximum, of), SettingFields::translated(of.unit));
}
} // namespace

void MainWindow::createToolTips()
{
    for (int id = 0; id < SettingFields::Count; ++id) {
        if (field(Id(id)).kind != Kind::Mode && field(Id(id)).kind != Kind::Flag)
            formView->control(Id(id))->setToolTip(range(Id(id)));
    }
    pulseButton->setToolTip(tr("Pulse only mode"));
    intervalButton->setToolTip(tr("Interval mode"));
    sequentialButton->setToolTip(tr("Sequential mode"));
    ui->startButton->setToolTip(
        tr("Start a wave adjustment run: the wave time goes up by 0.01 s every 3 s"));
    ui->stopButton->setToolTip(tr("Stop the wave adjustment run"));
    ui->recordButton->setToolTip(
        tr("Record the settings to a file (%1)")
            .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
    ui->restoreButton->setToolTip(
        tr("Restore the settings from a file (%1)")
            .arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
    if (protocol->candidates().isNamed())
        searchButton->setToolTip(
            tr("Look for the unit on %1 again (F5)")
                .arg(protocol->candidates().ports().join(QLatin1String(", "))));
}

void MainWindow::sayAdjusted(Id id, double entered, double now)
{
    const SettingFields::Field &of = field(id);
    tell(tr("%1 became %2 by the form's rules (%3 entered; %4)")
             .arg(QLatin1String(of.name), number(now, of), number(entered, of), range(id)));
}
