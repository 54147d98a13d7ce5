#include "candidates.h"
#include "dialoganswers.h"
#include "mainwindow.h"
#include "records.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace
{
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
} // namespace

class DataFileTest : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> folder;

    QString path(const QString &name) const { return folder->filePath(name); }

private Q_SLOTS:
    void init() { QVERIFY(folder.emplace().isValid()); }

    void record_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("answer"); // when asked about replacing an older settings.txt
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("content");
        const auto row = [](const char *name, QString chosen, QString answer, bool diskFull,
                            QString written, QByteArray content) {
            QTest::newRow(name) << chosen << answer << diskFull << written << content;
        };
        row("suffix added", "settings", "", false, "settings.txt", startRecord);
        row("suffix kept", "settings.txt", "", false, "settings.txt", startRecord);
        row("suffix case", "settings.TXT", "", false, "settings.TXT.txt", startRecord);
        row("keep older", "settings", "No", false, "settings.txt", "old");
        row("replace older", "settings", "Yes", false, "settings.txt", startRecord);
        // The older file is replaced only by a complete new one.
        row("disk full", "settings", "Yes", true, "settings.txt", "old");
    }

    void record()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        QFETCH(bool, diskFull);
        QFETCH(QString, written);
        QFETCH(QByteArray, content);
        if (!answer.isEmpty())
            writeFile(path("settings.txt"), "old");
        MainWindow window(Candidates::named({}));
        answerDialogs(&window, {path(chosen), answer});
        // A file size limit makes the write fail part-way, as a full disk does.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{diskFull ? rlim_t(8) : saved.rlim_cur, saved.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        window.form().recordButton->click();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
        QFile file(path(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    void restore_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("form");
        QTest::newRow("record") << otherRecord << otherRecord;
        QTest::newRow("up to the NUL")
            << otherRecord + '\0' + QByteArray(1 << 20, 'x') << otherRecord;
        QTest::newRow("NUL in the middle")
            << otherRecord.left(20) + '\0' + otherRecord.mid(20) << exampleRecord;
        // More than a record before the first NUL is no record, and only the
        // start of such a file is read: a record behind a megabyte is never
        // reached, whatever follows it.
        const QByteArray megabyte(1 << 20, ';');
        QTest::newRow("huge") << otherRecord + megabyte << exampleRecord;
        QTest::newRow("far behind") << megabyte + otherRecord + '\0' << exampleRecord;
        // Twenty fields of noise: each reads as 0 and the controls clamp it.
        QTest::newRow("noise") << QByteArray("\xff\x02\x80\x03\r\n;", 7).repeated(20)
                               << startRecord;
    }

    void restore()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, form);
        writeFile(path("settings.txt"), bytes);
        MainWindow window(Candidates::named({}));
        window.readDataString(exampleRecord);
        answerDialogs(&window, {path("settings.txt")});
        window.form().restoreButton->click();
        QCOMPARE(window.createDataString().toLatin1(), form);
    }

    void restoreFromFifoDoesNotBlock()
    {
        QVERIFY(mkfifo(QFile::encodeName(path("pipe.txt")).constData(), 0600) == 0);
        MainWindow window(Candidates::named({}));
        answerDialogs(&window, {path("pipe.txt")});
        window.form().restoreButton->click();
        QCOMPARE(window.createDataString().toLatin1(), startRecord);
    }
};

QTEST_MAIN(DataFileTest)
#include "tst_datafile.moc"
