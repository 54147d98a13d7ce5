#include "platform.h"

#include <QFile>

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

bool Platform::mayOpen(const QString &devicePath)
{
    return ::access(QFile::encodeName(devicePath).constData(), R_OK | W_OK) == 0;
}
