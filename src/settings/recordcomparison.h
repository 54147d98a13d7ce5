#pragma once

#include <QList>
#include <QString>

namespace SettingsRecord
{
// One field that holds something else in the second record than in the first.
struct Difference {
    // Counted from 0; SettingFields names what the field holds.
    int position = 0;
    QString first;
    QString second;
};

// Every field that both records hold and in which they differ, the
// reserved ones too, as a read-back compares what was sent; the number of
// fields each holds tells the rest.
QList<Difference> fieldDifferences(const QString &first, const QString &second);
// The number of fields a record holds, as reading counts them.
int fieldCount(const QString &record);
} // namespace SettingsRecord
