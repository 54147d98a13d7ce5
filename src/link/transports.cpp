#include "transports.h"

#include "networkmodule.h"
#include "serialtransport.h"

// Kept apart from Transport, which the network module carries a copy of:
// only the programs choose, and only they know the serial transport.
Transport *Transports::create(const QString &candidate, const LinkTimings &timings, QObject *parent)
{
    if (Transport::isNetwork(candidate))
        return NetworkModule::createTransport(candidate, timings, parent);
    return new SerialTransport(candidate, parent);
}
