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
    Transport *createTransport(const QString &url, QObject *parent) override
    {
        return new NetworkTransport(url, parent);
    }
};

#include "networkplugin.moc"
