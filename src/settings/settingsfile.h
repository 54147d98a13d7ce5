#pragma once

#include <QString>

#include <optional>

class QIODevice;

// Reading a settings file as restoring one in the window does: the text up to
// the first NUL byte, as Latin-1, from a regular file that holds no more than
// a record could.
namespace SettingsFile
{
// On failure, nothing, and `error` says why.
std::optional<QString> read(const QString &fileName, QString *error);
// The same from an open stream, such as standard input.
std::optional<QString> read(QIODevice &device, QString *error);
} // namespace SettingsFile
