#include "linklog.h"

Q_LOGGING_CATEGORY(linkLog, "kv3318.link")
