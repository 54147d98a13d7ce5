#include "networkaddress.h"

#include <QUrl>

namespace
{
const QLatin1String rawScheme("socket");
const QLatin1String rfc2217Scheme("rfc2217");
} // namespace

std::optional<NetworkAddress> NetworkAddress::parse(const QString &url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    const int port = parsed.port();
    if (!parsed.isValid() || (scheme != rawScheme && scheme != rfc2217Scheme) ||
        parsed.host().isEmpty() || port < 1 || port > 65535 || !parsed.userInfo().isEmpty() ||
        (!parsed.path().isEmpty() && parsed.path() != QLatin1String("/")) || parsed.hasQuery() ||
        parsed.hasFragment())
        return std::nullopt;
    return NetworkAddress{scheme == rawScheme ? NetworkAddress::Raw : NetworkAddress::Rfc2217,
                          parsed.host(), quint16(port)};
}

bool NetworkAddress::isNamedBy(const QString &candidate)
{
    return candidate.startsWith(rawScheme + QLatin1String("://"), Qt::CaseInsensitive) ||
           candidate.startsWith(rfc2217Scheme + QLatin1String("://"), Qt::CaseInsensitive);
}
