#include "recordcomparison.h"

#include "settingsrecord.h"

#include <QStringList>

QList<SettingsRecord::Difference> SettingsRecord::differences(const QString &first,
                                                              const QString &second)
{
    // Split as reading a record splits it.
    const QStringList a = first.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QStringList b = second.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QList<Difference> found;
    for (int position = 0; position < Basic; ++position) {
        if (a.value(position) != b.value(position))
            found.append({position, a.value(position), b.value(position)});
    }
    return found;
}
