#pragma once

#include <QStringList>

#include <optional>

// The ports a program probes for the unit: those the user named, or the
// serial ports the system lists at the time. Each program settles this once,
// at its edge, from its options and KV3318_PORTS, and hands it on.
class Candidates
{
public:
    static Candidates systemPorts() { return Candidates(); }
    static Candidates named(const QStringList &ports);
    // The ports in KV3318_PORTS when it is set (set but empty names none),
    // else the system's.
    static Candidates fromEnvironment();
    // A list of ports as KV3318_PORTS holds it: separated as the platform
    // separates paths, but never inside a network port's URL.
    static QStringList splitList(const QString &list);

    bool isNamed() const { return namedPorts.has_value(); }
    // The ports to probe now, in order, each once, without those whose name
    // holds "LPT": a printer port is never the unit's.
    QStringList ports() const;

private:
    std::optional<QStringList> namedPorts;
};
