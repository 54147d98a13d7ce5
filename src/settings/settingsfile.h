#pragma once

#include <QString>

#include <optional>

class QFileDevice;
class QIODevice;

// Reading a settings file: the text up to the first NUL byte, as Latin-1,
// from a regular file that holds no more than a record could, without one
// line end (LF or CRLF) at its end.
namespace SettingsFile
{
// A record is under a hundred bytes. A file that holds this much before its
// first NUL is no record, and is not read any further.
constexpr qint64 maxSize = 4096;

// Why a file gave no record; each program words it for its own users.
struct Failure {
    enum Kind { Missing, NotRegularFile, Unreadable, TooLarge };
    Kind kind = Missing;
    // For an unreadable file, the system's reason.
    QString reason;
};

// On failure, nothing, and `failure` says why.
std::optional<QString> read(const QString &fileName, Failure *failure);
// The same from an open stream, such as standard input.
std::optional<QString> read(QIODevice &device, Failure *failure);
// Writes all of `bytes` to a file opened unbuffered, trying again for the
// rest of a write that stopped short, so that a full disk fails with its own
// reason in errorString(): a single write that stops short sets none.
bool writeWhole(QFileDevice &file, const QByteArray &bytes);
} // namespace SettingsFile
