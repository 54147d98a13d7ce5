#include "networkmodule.h"
#include "serialtransport.h"
#include "transport.h"

// Kept apart from the rest of Transport, which the network module carries a
// copy of: only the programs choose, and only they know the serial transport.
Transport *Transport::create(const QString &candidate, QObject *parent)
{
    if (isNetwork(candidate))
        return NetworkModule::createTransport(candidate, parent);
    return new SerialTransport(candidate, parent);
}
