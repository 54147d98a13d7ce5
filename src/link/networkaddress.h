#pragma once

#include <QString>

#include <optional>

// Where a unit's serial port is offered on the network.
struct NetworkAddress {
    enum Kind {
        Raw,     // socket://: the port's bytes as they are
        Rfc2217, // rfc2217://: Telnet, with the port's settings set from here
    };
    Kind kind = Raw;
    QString host;
    quint16 port = 0;

    // The address a URL names; none when its scheme, host or port is not valid.
    static std::optional<NetworkAddress> parse(const QString &url);
    // Whether a candidate is meant as a network port, valid or not: it
    // starts with one of the two schemes.
    static bool isNamedBy(const QString &candidate);
};
