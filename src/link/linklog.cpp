#include "linklog.h"

Q_LOGGING_CATEGORY(linkLog, "kv3318.link")
Q_LOGGING_CATEGORY(bytesLog, "kv3318.bytes", QtInfoMsg)
