#include "unitnames.h"

#include <QSettings>
#include <QStandardPaths>

namespace
{
// A lasting name is a path, full of the slashes that QSettings reads as
// groups; each unit is an entry of a list instead.
struct Entry {
    QString identity;
    QString name;
};

QList<Entry> entries(QSettings &file)
{
    QList<Entry> list;
    const int size = file.beginReadArray(QStringLiteral("units"));
    for (int i = 0; i < size; ++i) {
        file.setArrayIndex(i);
        list.append({file.value(QStringLiteral("identity")).toString(),
                     file.value(QStringLiteral("name")).toString()});
    }
    file.endArray();
    return list;
}
} // namespace

QString UnitNames::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/kv3318/units.conf");
}

QString UnitNames::nameOf(const QString &identity)
{
    QSettings file(filePath(), QSettings::IniFormat);
    for (const Entry &entry : entries(file)) {
        if (entry.identity == identity)
            return entry.name;
    }
    return {};
}

bool UnitNames::setName(const QString &identity, const QString &name)
{
    QSettings file(filePath(), QSettings::IniFormat);
    QList<Entry> list = entries(file);
    list.removeIf([&identity](const Entry &entry) { return entry.identity == identity; });
    if (!name.trimmed().isEmpty())
        list.append({identity, name.trimmed()});
    file.beginWriteArray(QStringLiteral("units"), int(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        file.setArrayIndex(i);
        file.setValue(QStringLiteral("identity"), list[i].identity);
        file.setValue(QStringLiteral("name"), list[i].name);
    }
    file.endArray();
    file.sync();
    return file.status() == QSettings::NoError;
}
