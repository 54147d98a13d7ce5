#pragma once

#include <QString>

// A message of the system's or of Qt's, worded as this program words its
// own: no full stop, and lower case first, as it stands after a colon.
inline QString ownWording(QString text, bool lowerFirst = true)
{
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (lowerFirst && !text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}
