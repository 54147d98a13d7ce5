#pragma once

#include "settings.h"

#include <QString>

// The one line of text that carries every setting: to and from the unit, and
// in a settings file. Its length follows the unit's firmware.
namespace SettingsRecord
{
enum Length { Basic = 20, Extended = 22 };

// Packs a version text a.b.c.d into ((a*256+b)*256+c)*256+d, letters
// ignored; 0 when it does not hold four parts.
unsigned int packedVersion(QString text);
// Firmware newer than 1.0.10.1 speaks the extended record.
Length lengthFor(const QString &firmware);
Length lengthFor(unsigned int packedVersion);

QString write(const Settings &settings, Length length);
// Applies the record to `settings` as restoring it into the form does: the
// fields in the form's order, each through the form's rules, a field that
// does not convert read as 0. A record of any other length changes nothing
// and gives false.
bool read(Settings &settings, const QString &record, Length length);

// A value of a record that the form could not hold as it stood.
struct Adjustment {
    SettingFields::Id id;
    double inRecord;
    double held;
};
// The values of `record` that `settings`, read from it, holds otherwise:
// limited to a range, moved by the rules, a page that is none.
QList<Adjustment> adjustments(const QString &record, const Settings &settings);
} // namespace SettingsRecord
