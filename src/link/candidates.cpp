#include "candidates.h"

#include <QDir>
#include <QSerialPortInfo>

namespace
{
const QStringList networkSchemes{QStringLiteral("rfc2217"), QStringLiteral("socket")};
} // namespace

Candidates Candidates::named(const QStringList &ports)
{
    Candidates candidates;
    candidates.namedPorts = ports;
    return candidates;
}

Candidates Candidates::fromEnvironment()
{
    if (!qEnvironmentVariableIsSet("KV3318_PORTS"))
        return systemPorts();
    return named(splitList(qEnvironmentVariable("KV3318_PORTS")));
}

QStringList Candidates::splitList(const QString &list)
{
    const QChar separator = QDir::listSeparator();
    QStringList ports;
    qsizetype at = 0;
    while (at < list.size()) {
        qsizetype end = list.indexOf(separator, at);
        // Where the separator is a colon, a network port's URL holds it
        // too: the URL runs over its host, in brackets for IPv6, and port.
        for (const QString &scheme : networkSchemes) {
            const QString prefix = scheme + QLatin1String("://");
            if (!list.mid(at).startsWith(prefix))
                continue;
            qsizetype hostEnd = at + prefix.size();
            if (list.mid(hostEnd).startsWith(QLatin1Char('['))) {
                const qsizetype bracket = list.indexOf(QLatin1Char(']'), hostEnd);
                hostEnd = bracket < 0 ? list.size() : bracket + 1;
            } else {
                while (hostEnd < list.size() && list[hostEnd] != QLatin1Char(':') &&
                       list[hostEnd] != separator)
                    ++hostEnd;
            }
            qsizetype portEnd = hostEnd;
            if (portEnd < list.size() && list[portEnd] == QLatin1Char(':')) {
                ++portEnd;
                while (portEnd < list.size() && list[portEnd].isDigit())
                    ++portEnd;
            }
            end = list.indexOf(separator, portEnd);
        }
        if (end < 0)
            end = list.size();
        if (end > at)
            ports << list.mid(at, end - at);
        at = end + 1;
    }
    return ports;
}

QStringList Candidates::ports() const
{
    QStringList ports;
    if (namedPorts) {
        ports = *namedPorts;
    } else {
        const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
        for (const QSerialPortInfo &port : listed)
            ports << port.portName();
    }
    ports.removeIf([](const QString &name) { return name.contains(QLatin1String("LPT")); });
    ports.removeDuplicates();
    return ports;
}
