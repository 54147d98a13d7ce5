#pragma once

#include "linktimings.h"

#include <QtPlugin>

class QObject;
class QString;
class Transport;

// The network transports live in a module of their own, loaded the first
// time a candidate names a network port, so that a program that only opens
// serial ports never loads Qt Network and the resolver, proxy and Kerberos
// libraries that come with it. This is what the module offers.
class NetworkTransportFactory
{
public:
    virtual ~NetworkTransportFactory() = default;
    // A transport for rfc2217://HOST:PORT or socket://HOST:PORT.
    virtual Transport *createTransport(const QString &url, const LinkTimings &timings,
                                       QObject *parent) = 0;
};

#define NetworkTransportFactory_iid "org.kv3318.NetworkTransportFactory/2"
Q_DECLARE_INTERFACE(NetworkTransportFactory, NetworkTransportFactory_iid)

namespace NetworkModule
{
// A transport from the module, loaded the first time it is needed. When the
// module cannot be loaded, the transport fails to open and says why.
Transport *createTransport(const QString &url, const LinkTimings &timings, QObject *parent);
} // namespace NetworkModule
