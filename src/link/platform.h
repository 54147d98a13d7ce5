#pragma once

#include <QString>

// What the link needs of the operating system beyond Qt, each in a file per
// platform.
namespace Platform
{
// What a port's device leads to now: the same text while it is the same
// device node, another once the node is made anew (an adapter replugged, a
// new pseudo-terminal under a reused name); empty when there is none.
QString portIdentity(const QString &devicePath);
// Whether the serial line open on `handle` has hung up.
bool hasHungUp(qintptr handle);
// Whether this user may open the device for reading and writing at all.
bool mayOpen(const QString &devicePath);
// The name that stays with the device wherever it is plugged in (its
// /dev/serial/by-id name), or the path itself where there is none.
QString lastingName(const QString &devicePath);
// Where the lock file of a port opened by this path lies, named as Qt Serial
// Port and other programs name it; empty where ports have none.
QString lockFilePath(const QString &devicePath);
} // namespace Platform
