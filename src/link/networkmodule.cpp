#include "networkmodule.h"

#include "ownwording.h"
#include "transport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace
{
// Stands in for a network transport when the module is missing or broken:
// the candidate fails to open with the reason, as one that cannot be reached does.
class UnavailableTransport : public Transport
{
public:
    UnavailableTransport(const QString &url, const OpenFailure &reason, QObject *parent)
        : Transport(parent), url(url), reason(reason)
    {
    }

    QString name() const override { return url; }
    void open() override
    {
        opening = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!opening)
                    return;
                opening = false;
                Q_EMIT openFailed(reason);
            },
            Qt::QueuedConnection);
    }
    void close() override { opening = false; }
    bool isOpen() const override { return false; }
    QIODevice *device() override { return &nothing; }

private:
    const QString url;
    const OpenFailure reason;
    bool opening = false;
    QBuffer nothing;
};

// The module's path without its suffix: where the install puts it, relative
// to the program's own folder. The build tree keeps the same layout.
QString modulePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QLatin1String(KV3318_NETWORK_MODULE));
}
} // namespace

Transport *NetworkModule::createTransport(const QString &url, const LinkTimings &timings,
                                          QObject *parent)
{
    // Never unloaded: the transports made by the module may live until the
    // program ends.
    static QPluginLoader loader(modulePath());
    if (auto *factory = qobject_cast<NetworkTransportFactory *>(loader.instance()))
        return factory->createTransport(url, timings, parent);
    // Where it was looked for, since Qt does not always say.
    const QString error = ownWording(loader.errorString());
    const char *const reason =
        QT_TRANSLATE_NOOP("OpenFailure", "network support could not be loaded from %1: %2");
    const QString path = QDir::toNativeSeparators(modulePath());
    return new UnavailableTransport(
        url,
        {OpenFailure::Other, QString::fromLatin1(reason).arg(path, error),
         QCoreApplication::translate("OpenFailure", reason).arg(path, error)},
        parent);
}
