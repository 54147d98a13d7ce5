#include "mainwindow.h"

#include "formview.h"
#include "historylist.h"
#include "historywording.h"
#include "protocol.h"
#include "unitsession.h"

#include <QLocale>

void MainWindow::showHistory()
{
    const UnitHistory::Read history = UnitHistory::read(protocol->session()->identity());
    if (!history.setAside.isEmpty())
        warn(HistoryWording::setAside(history.setAside));
    if (history.entries.isEmpty()) {
        tell(tr("nothing has been sent to this unit yet, so it has no history"));
        return;
    }
    auto *list = new HistoryList(history.entries, formView->settings(),
                                 SettingsRecord::Length(recordLength()), this);
    list->setAttribute(Qt::WA_DeleteOnClose);
    connect(list, &HistoryList::chosen, this, [this](const UnitHistory::Entry &entry) {
        // One step, marked as unsent: nothing goes to the unit until Send.
        applyRecord(entry.record, SettingsRecord::Length(fieldCount(entry.record)));
        formSource.clear();
        tell(tr("the settings the unit held on %1 are in the form; they go to the unit with Send")
                 .arg(QLocale().toString(entry.time.toLocalTime(), QLocale::ShortFormat)));
    });
    list->open();
}
