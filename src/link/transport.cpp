#include "transport.h"

#include "networktransport.h"
#include "serialtransport.h"

#include <QIODevice>

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
