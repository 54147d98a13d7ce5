#pragma once

#include "settingsrecord.h"
#include "unithistory.h"

#include <QDialog>

class QTreeWidget;

// What a unit held before each send, newest first, with the settings in
// which each differs from the form; the one chosen goes into the form.
class HistoryList : public QDialog
{
    Q_OBJECT

public:
    HistoryList(const QList<UnitHistory::Entry> &entries, const Settings &form,
                SettingsRecord::Length length, QWidget *parent);

Q_SIGNALS:
    void chosen(const UnitHistory::Entry &entry);

private:
    void choose();

    QTreeWidget *list;
    QList<UnitHistory::Entry> entries;
};
