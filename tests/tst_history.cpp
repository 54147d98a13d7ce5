// What each unit held before each send: kept by several programs at once,
// limited, and a damaged file never lost or fatal.
#include "unithistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace
{
const QString identity = QStringLiteral("/dev/serial/by-id/usb-Korvalin_3318-if00");

UnitHistory::Entry entry(const QString &record)
{
    return {QDateTime::currentDateTimeUtc(), "/dev/ttyUSB0", identity, "1.0.10.1", "test", record};
}

QStringList records()
{
    QStringList kept;
    for (const UnitHistory::Entry &entry : UnitHistory::read(identity).entries)
        kept << entry.record;
    return kept;
}
} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        data.emplace();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    }

    // Two processes keeping entries at once, the file at its limit so that
    // each keep rewrites it: neither loses the other's.
    void writersAtOnceLoseNothing()
    {
        for (int i = 0; i < UnitHistory::maxEntries - 10; ++i)
            QCOMPARE(UnitHistory::keep(entry(QString::number(i))).kind, UnitHistory::Written::Kept);
        QList<pid_t> writers;
        for (const char *name : {"a", "b"}) {
            const pid_t pid = fork();
            if (pid == 0) {
                bool kept = true;
                for (int i = 0; i < 40; ++i)
                    kept &= UnitHistory::keep(entry(name + QString::number(i))).kind ==
                            UnitHistory::Written::Kept;
                _exit(kept ? 0 : 1);
            }
            writers << pid;
        }
        for (const pid_t pid : writers) {
            int status = -1;
            QCOMPARE(waitpid(pid, &status, 0), pid);
            QCOMPARE(status, 0);
        }
        const QStringList kept = records();
        QCOMPARE(kept.size(), UnitHistory::maxEntries);
        for (const QString name : {"a", "b"}) {
            for (int i = 0; i < 40; ++i)
                QVERIFY2(kept.contains(name + QString::number(i)), qPrintable(name));
        }
    }

    // A torn last line and a line that is no entry: the file is set aside
    // once, and the entries it held go on in a new one.
    void damagedFileIsSetAside()
    {
        QCOMPARE(UnitHistory::keep(entry("1")).kind, UnitHistory::Written::Kept);
        QCOMPARE(UnitHistory::keep(entry("1")).kind, UnitHistory::Written::Same);
        QFile file(UnitHistory::fileFor(identity));
        QVERIFY(file.open(QIODevice::Append));
        file.write("not json\n{\"time\":\"2026-12-0");
        file.close();

        const UnitHistory::Written written = UnitHistory::keep(entry("2"));
        QCOMPARE(written.kind, UnitHistory::Written::Kept);
        QCOMPARE(written.setAside, file.fileName() + ".damaged");
        QVERIFY(QFile::exists(written.setAside));
        QCOMPARE(records(), QStringList({"2", "1"}));
        QVERIFY(UnitHistory::read(identity).setAside.isEmpty());
    }

private:
    std::optional<QTemporaryDir> data;
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
