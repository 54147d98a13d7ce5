#pragma once

#include <QString>

// The names the user gave units ("reef tank"), by each unit's lasting
// name, in one file that both programs read: kv3318/units.conf under the
// user's configuration folder.
namespace UnitNames
{
// The name given to the unit of this lasting name; empty when none is.
QString nameOf(const QString &identity);
// Gives the unit a name, or takes it away with an empty one; false when
// the file cannot be written.
bool setName(const QString &identity, const QString &name);
// The file that holds the names.
QString filePath();
} // namespace UnitNames
