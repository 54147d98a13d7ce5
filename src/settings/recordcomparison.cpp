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

QList<SettingsRecord::Difference> compared(const QStringList &a, const QStringList &b, int fields)
{
    QList<SettingsRecord::Difference> found;
    for (int position = 0; position < fields; ++position) {
        if (a.value(position) != b.value(position))
            found.append({position, a.value(position), b.value(position)});
    }
    return found;
}
} // namespace

QList<SettingsRecord::Difference> SettingsRecord::differences(const QString &first,
                                                              const QString &second)
{
    return compared(fieldsOf(first), fieldsOf(second), Basic);
}

QList<SettingsRecord::Difference> SettingsRecord::fieldDifferences(const QString &first,
                                                                   const QString &second)
{
    const QStringList a = fieldsOf(first);
    const QStringList b = fieldsOf(second);
    return compared(a, b, int(qMin(a.size(), b.size())));
}

int SettingsRecord::fieldCount(const QString &record)
{
    return int(fieldsOf(record).size());
}
