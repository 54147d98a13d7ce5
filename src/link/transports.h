#pragma once

#include "linktimings.h"

class QObject;
class QString;
class Transport;

namespace Transports
{
// A serial port for a path or a system port name; a network connection,
// from the network module, for rfc2217://HOST:PORT and socket://HOST:PORT.
Transport *create(const QString &candidate, const LinkTimings &timings, QObject *parent);
} // namespace Transports
