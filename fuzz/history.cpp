// Any bytes as a unit's history file: reading it never crashes, and a file
// set aside as damaged leaves a new one that holds the same entries whole.
//
// Input: the file's bytes.

#include "fuzzcheck.h"
#include "unithistory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static const bool located = qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
    check(located && QDir().mkpath(UnitHistory::folder()));
    const QString identity = QStringLiteral("/dev/ttyUSB0");
    QFile file(UnitHistory::fileFor(identity));
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    file.close();

    const UnitHistory::Read first = UnitHistory::read(identity);
    for (const UnitHistory::Entry &entry : first.entries)
        check(entry.time.isValid() && !entry.record.isEmpty());
    const UnitHistory::Read again = UnitHistory::read(identity);
    check(again.setAside.isEmpty());
    check(again.entries.size() == first.entries.size());
    for (qsizetype i = 0; i < first.entries.size(); ++i)
        check(again.entries[i].record == first.entries[i].record &&
              again.entries[i].time == first.entries[i].time);
    return 0;
}
