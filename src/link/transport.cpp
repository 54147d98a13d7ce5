#include "transport.h"

#include "networkaddress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>

namespace
{
QString translated(const char *text)
{
    return QCoreApplication::translate("OpenFailure", text);
}
} // namespace

OpenFailure OpenFailure::said(Kind kind, const char *text, const char *argument)
{
    return {kind, QString::fromUtf8(text).arg(QString::fromUtf8(argument)),
            ::translated(text).arg(::translated(argument))};
}

QString OpenFailure::translated() const
{
    if (!local.isEmpty())
        return local;
    // The link's own texts are marked for the catalog where they are made;
    // the system's come translated by Qt, or not at all.
    return ::translated(text.toUtf8().constData());
}

QString OpenFailure::advised() const
{
    if (kind != PermissionDenied)
        return translated();
    return QCoreApplication::translate("OpenFailure",
                                       "%1 (add yourself to the group dialout, then log in again)")
        .arg(translated());
}

bool Transport::isNetwork(const QString &candidate)
{
    return NetworkAddress::isNamedBy(candidate);
}

qint64 Transport::bytesToWrite()
{
    return device()->bytesToWrite();
}

bool Transport::waitForWritten(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (isOpen() && bytesToWrite() > 0 && clock.elapsed() < ms) {
        if (!device()->waitForBytesWritten(int(ms - clock.elapsed())))
            break;
    }
    return !isOpen() || bytesToWrite() == 0;
}
