#include "recordcomparison.h"

#include "settingsrecord.h"

#include <QStringList>

namespace
{
// Split as reading a record splits it.
QStringList fieldsOf(const QString &record)
{
    return record.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
} // namespace

QList<SettingsRecord::Difference> SettingsRecord::fieldDifferences(const QString &first,
                                                                   const QString &second)
{
    const QStringList a = fieldsOf(first);
    const QStringList b = fieldsOf(second);
    QList<Difference> found;
    for (qsizetype position = 0; position < qMin(a.size(), b.size()); ++position) {
        if (a[position] != b[position])
            found.append({int(position), a[position], b[position]});
    }
    return found;
}

int SettingsRecord::fieldCount(const QString &record)
{
    return int(fieldsOf(record).size());
}
