#pragma once

#include <QLoggingCategory>

// Every byte on the line and every step of finding the unit, on by default;
// QT_LOGGING_RULES="kv3318.link.debug=false" silences it. Unlike qDebug(), a
// disabled line is never formatted, which keeps the reading path fast.
Q_DECLARE_LOGGING_CATEGORY(linkLog)

// Every byte written to the line as it goes out, the probe and the framing
// included; off unless asked for (kv3318ctl --verbose, or
// QT_LOGGING_RULES="kv3318.bytes.debug=true").
Q_DECLARE_LOGGING_CATEGORY(bytesLog)
