#include "networkmodule.h"
#include "networktransport.h"

#include <QObject>

// The network module's one entry, found by the program's loader.
class NetworkPlugin : public QObject, public NetworkTransportFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID NetworkTransportFactory_iid)
    Q_INTERFACES(NetworkTransportFactory)

public:
    Transport *createTransport(const QString &url, const LinkTimings &timings,
                               QObject *parent) override
    {
        return new NetworkTransport(url, timings, parent);
    }
};

#include "networkplugin.moc"
