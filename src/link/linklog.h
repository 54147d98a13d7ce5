#pragma once

#include <QLoggingCategory>

// Every byte on the line and every step of finding the unit, on by default;
// QT_LOGGING_RULES="kv3318.link.debug=false" silences it. Unlike qDebug(), a
// disabled line is never formatted, which keeps the reading path fast.
Q_DECLARE_LOGGING_CATEGORY(linkLog)
