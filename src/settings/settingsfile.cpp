#include "settingsfile.h"

#include <QFile>
#include <QFileInfo>

namespace
{
// A record is under a hundred bytes. A file that holds this much before its
// first NUL is no record, and is not read any further.
constexpr qint64 maxRecordFileSize = 4096;
} // namespace

std::optional<QString> SettingsFile::read(const QString &fileName, QString *error)
{
    // Only regular files: opening a FIFO would wait until some other program
    // wrote to it.
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(fileName);
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("%1: not a regular file").arg(fileName);
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    const std::optional<QString> record = read(file, error);
    if (!record)
        *error = QStringLiteral("%1: %2").arg(fileName, *error);
    return record;
}

std::optional<QString> SettingsFile::read(QIODevice &device, QString *error)
{
    QByteArray bytes = device.read(maxRecordFileSize + 1);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes.truncate(nul);
    } else if (bytes.size() > maxRecordFileSize) {
        *error = QStringLiteral("more than %1 bytes, too long for a settings record")
                     .arg(maxRecordFileSize);
        return std::nullopt;
    }
    return QString::fromLatin1(bytes);
}
