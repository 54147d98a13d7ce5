#include "historylist.h"

#include "fieldnames.h"
#include "settingsrecord.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
QString differingNames(const QString &record, const Settings &form, SettingsRecord::Length length)
{
    Settings held = form;
    if (!SettingsRecord::read(held, record, length))
        return HistoryList::tr("no settings record");
    QStringList names;
    for (int id = 0; id < SettingFields::Count; ++id) {
        if (held.value(SettingFields::Id(id)) != form.value(SettingFields::Id(id)))
            names << FieldNames::name(SettingFields::Id(id));
    }
    return names.isEmpty() ? HistoryList::tr("as the form") : names.join(QLatin1String(", "));
}
} // namespace

HistoryList::HistoryList(const QList<UnitHistory::Entry> &entries, const Settings &form,
                         SettingsRecord::Length length, QWidget *parent)
    : QDialog(parent), list(new QTreeWidget), entries(entries)
{
    setWindowTitle(tr("History of the unit"));
    list->setAccessibleName(tr("settings the unit held before each send"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Time"), tr("Sent by"), tr("Differs from the form in")});
    for (const UnitHistory::Entry &entry : entries)
        new QTreeWidgetItem(list,
                            {QLocale().toString(entry.time.toLocalTime(), QLocale::ShortFormat),
                             entry.program, differingNames(entry.record, form, length)});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setCurrentItem(list->topLevelItem(0));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *put = buttons->addButton(tr("&Put into the form"), QDialogButtonBox::AcceptRole);
    put->setEnabled(!entries.isEmpty());
    connect(buttons, &QDialogButtonBox::accepted, this, &HistoryList::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QTreeWidget::itemActivated, this, &HistoryList::choose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(720, 360);
}

void HistoryList::choose()
{
    const int row = list->indexOfTopLevelItem(list->currentItem());
    if (row < 0)
        return;
    Q_EMIT chosen(entries.at(row));
    accept();
}
