#include "unithistory.h"

#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <cerrno>

namespace
{
const QString suffix = QStringLiteral(".jsonl");
// Another program holds the lock for a few milliseconds at most; one that
// died holding it leaves a stale lock, taken over after this.
constexpr int lockWaitMs = 2000;
constexpr int staleLockMs = 10000;

struct Loaded {
    QList<UnitHistory::Entry> entries;
    bool damaged = false;
    QString failure;
};

QByteArray lineOf(const UnitHistory::Entry &entry)
{
    const QJsonObject object{
        {QStringLiteral("time"), entry.time.toString(Qt::ISODateWithMs)},
        {QStringLiteral("port"), entry.port},
        {QStringLiteral("identity"), entry.identity},
        {QStringLiteral("firmware"), entry.firmware},
        {QStringLiteral("program"), entry.program},
        {QStringLiteral("record"), entry.record},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

Loaded load(const QString &path)
{
    Loaded loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.failure = file.errorString();
        return loaded;
    }
    const QByteArray content = file.readAll();
    // The last line ends like every other; one that does not was torn.
    loaded.damaged = !content.isEmpty() && !content.endsWith('\n');
    for (const QByteArray &line : content.split('\n')) {
        if (line.isEmpty())
            continue;
        if (const std::optional<UnitHistory::Entry> entry = UnitHistory::parse(line))
            loaded.entries.append(*entry);
        else
            loaded.damaged = true;
    }
    return loaded;
}

// Held while a history file is read to be changed: another program keeps
// its entries meanwhile.
bool lockFor(QLockFile &lock)
{
    lock.setStaleLockTime(staleLockMs);
    return lock.tryLock(lockWaitMs);
}

// The whole file anew, replacing the old one only once it is complete.
bool rewrite(const QString &path, const QList<UnitHistory::Entry> &entries, QString *failure)
{
    QByteArray content;
    for (const UnitHistory::Entry &entry : entries)
        content += lineOf(entry);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        SettingsFile::writeWhole(file, content) && file.commit())
        return true;
    *failure = file.errorString();
    return false;
}

// A damaged file is kept beside itself for whoever wants to look, and its
// entries go on in a new one.
QString setAside(const QString &path, const QList<UnitHistory::Entry> &entries, QString *failure)
{
    const QString damaged = path + QLatin1String(".damaged");
    QFile::remove(damaged);
    if (!QFile::rename(path, damaged)) {
        *failure = QFile(path).errorString();
        return {};
    }
    rewrite(path, entries, failure);
    return damaged;
}
} // namespace

QString UnitHistory::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("/kv3318/history");
}

QString UnitHistory::fileFor(const QString &identity)
{
    return folder() + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(identity)) +
           suffix;
}

std::optional<UnitHistory::Entry> UnitHistory::parse(const QByteArray &line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    const QJsonObject object = document.object();
    Entry entry;
    entry.time = QDateTime::fromString(object.value(QLatin1String("time")).toString(), Qt::ISODate);
    entry.record = object.value(QLatin1String("record")).toString();
    if (!document.isObject() || !entry.time.isValid() || entry.record.isEmpty())
        return std::nullopt;
    entry.port = object.value(QLatin1String("port")).toString();
    entry.identity = object.value(QLatin1String("identity")).toString();
    entry.firmware = object.value(QLatin1String("firmware")).toString();
    entry.program = object.value(QLatin1String("program")).toString();
    return entry;
}

UnitHistory::Written UnitHistory::keep(const Entry &entry)
{
    Written written;
    const QString path = fileFor(entry.identity);
    written.path = path;
    if (!QDir().mkpath(folder())) {
        written.kind = Written::NoFolder;
        written.path = folder();
        return written;
    }
    QLockFile lock(path + QLatin1String(".lock"));
    if (!lockFor(lock)) {
        written.kind =
            lock.error() == QLockFile::LockFailedError ? Written::Locked : Written::Failed;
        written.reason = qt_error_string(lock.error() == QLockFile::PermissionError ? EACCES : -1);
        return written;
    }
    Loaded now = load(path);
    QString failure = now.failure;
    if (now.damaged)
        written.setAside = setAside(path, now.entries, &failure);
    if (failure.isEmpty() && !now.entries.isEmpty() &&
        now.entries.constLast().record == entry.record) {
        written.kind = Written::Same;
        return written;
    }
    now.entries.append(entry);
    bool done = false;
    if (failure.isEmpty() && now.entries.size() > maxEntries) {
        now.entries = now.entries.mid(now.entries.size() - maxEntries);
        done = rewrite(path, now.entries, &failure);
    } else if (failure.isEmpty()) {
        // One write of one whole line: a reader never sees half an entry
        // among whole ones, and one torn by a full disk spoils no other.
        QFile file(path);
        done = file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
        const qint64 whole = file.size();
        done = done && SettingsFile::writeWhole(file, lineOf(entry));
        if (!done) {
            failure = file.errorString();
            // What a full disk let through is taken back: the file ends
            // with its last whole entry.
            file.resize(whole);
        }
    }
    if (!done) {
        written.kind = Written::Failed;
        written.reason = failure;
    }
    return written;
}

UnitHistory::Read UnitHistory::read(const QString &identity)
{
    Read result;
    const QString path = fileFor(identity);
    Loaded loaded = load(path);
    if (loaded.damaged) {
        QLockFile lock(path + QLatin1String(".lock"));
        QString failure;
        if (lockFor(lock)) {
            // Read again: another program may have set it aside meanwhile.
            loaded = load(path);
            if (loaded.damaged)
                result.setAside = setAside(path, loaded.entries, &failure);
        }
    }
    result.entries = loaded.entries;
    std::reverse(result.entries.begin(), result.entries.end());
    return result;
}

QStringList UnitHistory::identities()
{
    QStringList found;
    const QDir history(folder());
    for (const QString &name : history.entryList({QLatin1Char('*') + suffix}, QDir::Files))
        found << QUrl::fromPercentEncoding(name.chopped(suffix.size()).toLatin1());
    return found;
}
