#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// What each unit held before each send, so that a send never loses an
// evening's tuning: one file per unit, by the name that stays with its port,
// in kv3318/history/ under the user's data folder, for both programs. Each
// line is one JSON object, its "record" the line a settings file holds; the
// newest last, at most `maxEntries` of them.
namespace UnitHistory
{
constexpr int maxEntries = 200;

struct Entry {
    QDateTime time;
    QString port;
    QString identity;
    QString firmware;
    // Which program sent, replacing this.
    QString program;
    QString record;
};

struct Written {
    enum Kind {
        Kept,
        // The newest entry holds this record already.
        Same,
        // The history's folder could not be made.
        NoFolder,
        // Another program held the file's lock too long.
        Locked,
        // The file could not be written; `reason` is the system's.
        Failed,
    };
    Kind kind = Kept;
    // The file or folder, and the system's reason where it gave one.
    QString path;
    QString reason;
    // The file held lines that are no entry: it was set aside beside
    // itself, and a new one begun with the entries it held.
    QString setAside;
};

struct Read {
    // Newest first.
    QList<Entry> entries;
    // As with Written.
    QString setAside;
};

QString folder();
QString fileFor(const QString &identity);
// Keeps the entry, under a lock that another program writing at once waits
// for, so that neither entry is lost.
Written keep(const Entry &entry);
Read read(const QString &identity);
// Every unit that has a history, by the name its file is kept under.
QStringList identities();
// An entry from one line of a history file; nothing for a line that is none.
std::optional<Entry> parse(const QByteArray &line);
} // namespace UnitHistory
