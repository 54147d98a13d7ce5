#include "portlink.h"

#include <QFile>
#include <QFileInfo>

PortLink::~PortLink()
{
    if (!linkPath.isEmpty() && QFileInfo(linkPath).symLinkTarget() == linkTarget)
        QFile::remove(linkPath);
}

bool PortLink::create(const QString &path, const QString &target, QString *error)
{
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
        return false;
    }
    if (!QFile::link(target, path)) {
        *error = QStringLiteral("cannot create the link %1").arg(path);
        return false;
    }
    linkPath = path;
    linkTarget = QFileInfo(path).symLinkTarget();
    return true;
}
