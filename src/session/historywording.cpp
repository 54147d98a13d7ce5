#include "historywording.h"

#include <QCoreApplication>
#include <QDir>

namespace
{
class Text
{
    Q_DECLARE_TR_FUNCTIONS(HistoryWording)
};
} // namespace

QString HistoryWording::note(const SendOutcome &outcome)
{
    const UnitHistory::Written &history = outcome.history;
    const QString path = QDir::toNativeSeparators(history.path);
    QStringList said;
    if (!history.setAside.isEmpty())
        said << setAside(history.setAside);
    if (outcome.heldUnknown)
        said << Text::tr("the unit did not say what it held, so its former settings were not kept");
    else if (history.kind == UnitHistory::Written::NoFolder)
        said << Text::tr("the unit's former settings were not kept: the folder %1 cannot be made")
                    .arg(path);
    else if (history.kind == UnitHistory::Written::Locked)
        said << Text::tr("the unit's former settings were not kept: another program holds %1")
                    .arg(path);
    else if (history.kind == UnitHistory::Written::Failed)
        said << Text::tr("the unit's former settings were not kept in %1: %2")
                    .arg(path, history.reason);
    return said.join(QLatin1String("; "));
}

QString HistoryWording::setAside(const QString &damaged)
{
    return Text::tr("the unit's history was damaged; it was set aside as %1 and a new one begun")
        .arg(QDir::toNativeSeparators(damaged));
}
