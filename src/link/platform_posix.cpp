#include "platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

QString Platform::portIdentity(const QString &devicePath)
{
    struct stat node {
    };
    if (::stat(QFile::encodeName(devicePath).constData(), &node) != 0)
        return {};
    // The change time tells a node made anew from the one seen before.
    return QStringLiteral("%1:%2:%3.%4")
        .arg(node.st_dev)
        .arg(node.st_rdev)
        .arg(node.st_ctim.tv_sec)
        .arg(node.st_ctim.tv_nsec);
}

bool Platform::hasHungUp(qintptr handle)
{
    pollfd line{int(handle), POLLIN, 0};
    return ::poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL));
}

QString Platform::lastingName(const QString &devicePath)
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &name : byId.entryInfoList(QDir::System | QDir::Files)) {
        if (!device.isEmpty() && name.canonicalFilePath() == device)
            return name.filePath();
    }
    return devicePath;
}

QString Platform::lockFilePath(const QString &devicePath)
{
    QString name = devicePath.startsWith(QLatin1String("/dev/")) ? devicePath.mid(5) : devicePath;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char *folder : {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                               "/tmp", "/var/tmp", "/var/lock/lockdev", "/run/lock"}) {
        const QFileInfo where{QString::fromLatin1(folder)};
        const QString path = where.filePath() + QLatin1String("/LCK..") + name;
        if (where.isReadable() && (QFile::exists(path) || where.isWritable()))
            return path;
    }
    return {};
}

bool Platform::mayOpen(const QString &devicePath)
{
    return ::access(QFile::encodeName(devicePath).constData(), R_OK | W_OK) == 0;
}
