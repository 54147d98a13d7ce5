#include "transport.h"

#include "networktransport.h"
#include "serialtransport.h"

#include <QCoreApplication>
#include <QIODevice>

QString OpenFailure::translated() const
{
    // The link's own texts are marked for the catalog where they are made;
    // the system's texts come translated, or not at all.
    return QCoreApplication::translate("OpenFailure", text.toUtf8().constData());
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
