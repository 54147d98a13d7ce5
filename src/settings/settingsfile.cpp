#include "settingsfile.h"

#include <QFile>
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
    QByteArray bytes = device.read(maxSize + 1);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    else if (bytes.size() > maxSize)
        return fail(failure, Failure::TooLarge);
    return QString::fromLatin1(bytes);
}
