#include "transport.h"

#include "networkaddress.h"

#include <QIODevice>

bool Transport::isNetwork(const QString &candidate)
{
    return NetworkAddress::isNamedBy(candidate);
}

qint64 Transport::bytesToWrite()
{
    return device()->bytesToWrite();
}
