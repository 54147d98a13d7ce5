#include "messagelog.h"

void MessageLog::add(const QString &text)
{
    if (text.isEmpty() || (!kept.isEmpty() && kept.constLast().text == text))
        return;
    kept.append({QDateTime::currentDateTime(), text});
    if (kept.size() > maxMessages)
        kept.removeFirst();
    Q_EMIT added(kept.constLast());
}
