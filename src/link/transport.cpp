#include "transport.h"

#include "networktransport.h"
#include "serialtransport.h"

#include <QCoreApplication>
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

Transport *Transport::create(const QString &candidate, QObject *parent)
{
    if (isNetwork(candidate))
        return new NetworkTransport(candidate, parent);
    return new SerialTransport(candidate, parent);
}

bool Transport::isNetwork(const QString &candidate)
{
    return NetworkTransport::namesNetworkPort(candidate);
}

qint64 Transport::bytesToWrite()
{
    return device()->bytesToWrite();
}
