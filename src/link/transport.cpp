#include "transport.h"

#include "serialtransport.h"

Transport *Transport::create(const QString &candidate, QObject *parent)
{
    return new SerialTransport(candidate, parent);
}

bool Transport::isNetwork(const QString &)
{
    return false;
}
