#include "settingsfile.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

namespace
{
std::optional<QString> fail(SettingsFile::Failure *failure, SettingsFile::Failure::Kind kind,
                            const QString &reason = QString())
{
    *failure = {kind, reason};
    return std::nullopt;
}
} // namespace

std::optional<QString> SettingsFile::read(const QString &fileName, Failure *failure)
{
    // Only regular files: opening a FIFO would wait until some other program
    // wrote to it.
    const QFileInfo info(fileName);
    if (!info.exists())
        return fail(failure, Failure::Missing);
    if (!info.isFile())
        return fail(failure, Failure::NotRegularFile);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(failure, Failure::Unreadable, file.errorString());
    const std::optional<QString> record = read(file, failure);
    if (file.error() != QFileDevice::NoError)
        return fail(failure, Failure::Unreadable, file.errorString());
    return record;
}

std::optional<QString> SettingsFile::read(QIODevice &device, Failure *failure)
{
    // A pipe gives what has arrived so far; the record is whole only at its
    // end.
    QByteArray bytes;
    while (bytes.size() <= maxSize) {
        const QByteArray piece = device.read(maxSize + 1 - bytes.size());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    else if (bytes.size() > maxSize)
        return fail(failure, Failure::TooLarge);
    // An editor, or `kv3318ctl get > file`, ends the line; that one line end
    // is no part of the record.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    return QString::fromLatin1(bytes);
}

bool SettingsFile::writeWhole(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}
