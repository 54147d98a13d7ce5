#include "portwatch.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

namespace
{
// Where udev puts serial devices and the names that stay with an adapter.
const QStringList systemFolders{QStringLiteral("/dev"), QStringLiteral("/dev/serial/by-id"),
                                QStringLiteral("/dev/serial/by-path")};

// A node made by the kernel gets its group and mode from udev a moment
// later; a look this much after the first change sees the finished node.
constexpr int settleMs = 25;
// Where no folder can be watched, a look this often is the fallback.
constexpr int fallbackLookMs = 10000;

// The folder itself when it exists, else the nearest one above it that
// does, whose change tells when it appears.
QString nearestExisting(QString folder)
{
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    return folder;
}
} // namespace

struct PortWatch::Private {
    QFileSystemWatcher watcher;
    QTimer settle;
    QTimer fallback;
    // The folders the ports may appear in, whether they exist yet or not.
    QStringList wanted;
    bool active = false;

    void watchWanted()
    {
        QStringList watched;
        for (const QString &folder : wanted)
            watched << nearestExisting(folder);
        watched.removeDuplicates();
        const QStringList current = watcher.directories();
        QStringList gone = current;
        gone.removeIf([&watched](const QString &folder) { return watched.contains(folder); });
        if (!gone.isEmpty())
            watcher.removePaths(gone);
        QStringList added = watched;
        added.removeIf([&current](const QString &folder) { return current.contains(folder); });
        if (!added.isEmpty())
            watcher.addPaths(added);
        const QStringList now = watcher.directories();
        const bool allWatched =
            std::all_of(watched.cbegin(), watched.cend(),
                        [&now](const QString &folder) { return now.contains(folder); });
        if (allWatched)
            fallback.stop();
        else if (!fallback.isActive())
            fallback.start();
    }
};

PortWatch::PortWatch(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->settle.setSingleShot(true);
    d->settle.setInterval(settleMs);
    d->fallback.setInterval(fallbackLookMs);
    connect(&d->watcher, &QFileSystemWatcher::directoryChanged, &d->settle,
            qOverload<>(&QTimer::start));
    connect(&d->settle, &QTimer::timeout, this, [this] {
        // A folder that was missing may be there now.
        d->watchWanted();
        Q_EMIT changed();
    });
    connect(&d->fallback, &QTimer::timeout, this, &PortWatch::changed);
}

PortWatch::~PortWatch() = default;

void PortWatch::start(const QStringList &devicePaths, bool systemPorts)
{
    QStringList folders = systemPorts ? systemFolders : QStringList();
    for (const QString &path : devicePaths) {
        const QFileInfo device(path);
        folders << device.absolutePath();
        // A link's change of target shows in the target's folder.
        if (device.isSymLink() && !device.canonicalFilePath().isEmpty())
            folders << QFileInfo(device.canonicalFilePath()).absolutePath();
    }
    folders.removeDuplicates();
    d->wanted = folders;
    d->watchWanted();
    d->active = true;
}

void PortWatch::stop()
{
    if (!d->watcher.directories().isEmpty())
        d->watcher.removePaths(d->watcher.directories());
    d->settle.stop();
    d->fallback.stop();
    d->active = false;
}

bool PortWatch::isActive() const
{
    return d->active;
}
