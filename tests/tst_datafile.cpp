// Settings files: the name chosen, what is written and read, and every
// failure said with the system's reason while the older file stays whole.
#include "candidates.h"
#include "detectedwindow.h"
#include "dialoganswers.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"
#include "unithistory.h"
#include "virtualunitprocess.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

#include <csignal>
#include <linux/capability.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Root writes into any folder and past its write bits; without the
// capability to pass over them, root is refused as everybody else is.
void passOverFolderPermissions(bool allowed)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    syscall(SYS_capget, &header, caps);
    caps[0].effective =
        allowed ? caps[0].permitted
                : caps[0].effective & ~(1u << CAP_DAC_OVERRIDE) & ~(1u << CAP_DAC_READ_SEARCH);
    syscall(SYS_capset, &header, caps);
}

// A file size limit stops a write part-way, as a full disk does.
struct FullDisk {
    explicit FullDisk(rlim_t bytes = 8)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    rlimit saved{};
    void (*previous)(int) = nullptr;
};
} // namespace

class DataFileTest : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> folder;

    QString path(const QString &name) const { return folder->filePath(name); }

private Q_SLOTS:
    void init() { QVERIFY(folder.emplace().isValid()); }

    // A failure is named with the system's own reason; the older file stays
    // whole and no half-written one is left beside it.
    void record_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("answer"); // when asked about replacing an older settings.txt
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("suffix added")
            << "settings" << QString() << 0 << "settings.txt" << startRecord;
        QTest::newRow("suffix kept")
            << "settings.txt" << QString() << 0 << "settings.txt" << startRecord;
        QTest::newRow("suffix case")
            << "settings.TXT" << QString() << 0 << "settings.TXT.txt" << startRecord;
        QTest::newRow("keep older") << "settings"
                                    << "No" << 0 << "settings.txt" << QByteArray("old");
        QTest::newRow("replace older") << "settings"
                                       << "Yes" << 0 << "settings.txt" << startRecord;
        QTest::newRow("read-only folder") << "settings.txt"
                                          << "Yes" << EACCES << "settings.txt" << QByteArray("old");
        QTest::newRow("full disk") << "settings.txt"
                                   << "Yes" << EFBIG << "settings.txt" << QByteArray("old");
    }
    void record()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        QFETCH(int, failure);
        QFETCH(QString, written);
        if (!answer.isEmpty())
            writeFile(path("settings.txt"), "old");
        MainWindow window(Candidates::named({}));
        DialogAnswers answers(&window, {path(chosen), answer});
        {
            std::optional<FullDisk> full;
            if (failure == EFBIG)
                full.emplace();
            else if (failure == EACCES)
                QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::ExeOwner);
            passOverFolderPermissions(false);
            window.form().recordButton->click();
            passOverFolderPermissions(true);
            QFile::setPermissions(folder->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(answers.warnings.size(), failure ? 1 : 0);
        for (const QString &part : {path("settings.txt"), qt_error_string(failure)})
            QVERIFY2(!failure || answers.warnings[0].contains(part),
                     qPrintable(answers.warnings.value(0)));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
        QFile file(path(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "content");
    }

    // A record of either length restores and says which; what cannot be
    // restored is warned of with its reason, and the form stays.
    void restore_data()
    {
        QTest::addColumn<QString>("firmware");
        // The file's bytes: "|" makes it a pipe, which no read may wait on,
        // and none an unreadable file.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QString>("said");
        const QString restored = "settings restored from";
        QTest::newRow("record") << "" << otherRecord << otherRecord << restored;
        QTest::newRow("with its line end") << "" << otherRecord + "\r\n" << otherRecord << restored;
        QTest::newRow("NUL in the middle")
            << "" << otherRecord.left(20) + '\0' + otherRecord.mid(20) << exampleRecord
            << "no settings record";
        // More than a record before the first NUL is no record.
        QTest::newRow("huge") << "" << otherRecord + QByteArray(1 << 20, ';') << exampleRecord
                              << "too large";
        // Twenty fields of noise: each reads as 0 and the controls clamp it.
        QTest::newRow("noise") << "" << QByteArray("\xff\x02\x80\x03\r\n;", 7).repeated(20)
                               << startRecord << restored;
        QTest::newRow("22 fields, no unit")
            << "" << otherRecord + ";111;111" << otherRecord << "reserved fields are left out";
        QTest::newRow("20 fields, newer unit")
            << "1.0.10.2" << otherRecord << otherRecord + ";111;111"
            << "take the firmware's two reserved fields";
        QTest::newRow("unreadable")
            << "" << QByteArray() << exampleRecord << qt_error_string(EACCES);
        QTest::newRow("a pipe") << "" << QByteArray("|") << exampleRecord << "not a regular file";
    }
    void restore()
    {
        QFETCH(QString, firmware);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        if (bytes == "|")
            QCOMPARE(mkfifo(QFile::encodeName(path("settings.txt")).constData(), 0600), 0);
        else
            writeFile(path("settings.txt"), bytes);
        if (bytes.isEmpty())
            QVERIFY(QFile::setPermissions(path("settings.txt"), QFile::Permissions()));
        PseudoTerminal line;
        std::unique_ptr<MainWindow> window =
            firmware.isEmpty() ? std::make_unique<MainWindow>(Candidates::named({}))
                               : windowDetectedOn(line, firmware.toLatin1());
        QVERIFY(window);
        window->readDataString(exampleRecord);
        DialogAnswers answers(window.get(), {path("settings.txt")});
        passOverFolderPermissions(false);
        window->form().restoreButton->click();
        passOverFolderPermissions(true);
        QTEST(window->createDataString().toLatin1(), "form");
        const QString told = answers.warnings.isEmpty() ? notice(*window) : answers.warnings[0];
        QVERIFY2(answers.warnings.size() <= 1 && told.contains(said), qPrintable(told));
    }

    // Every value the form could not hold is named, with the file's and the
    // form's value; the message is kept whole, however long, in the list of
    // messages.
    void restoreSaysWhatItChanged()
    {
        writeFile(path("settings.txt"), "7;20;80;0;0;50;50;30;30;38;99;1;1;26;0;90;5;0;125;0");
        MainWindow window(Candidates::named({}));
        DialogAnswers answers(&window, {path("settings.txt")});
        window.form().restoreButton->click();
        const QString said = notice(window);
        for (const char *part : {"power 1, socket 1: 20 percent in the file, 0 percent in the form",
                                 "foodtimer: 99 minutes in the file, 15 minutes in the form",
                                 "mode: 7 in the file, 0 in the form"})
            QVERIFY2(said.contains(part), qPrintable(said));
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == "&Messages...")
                action->trigger();
        }
        auto *list = window.findChild<QPlainTextEdit *>();
        QVERIFY(list);
        QVERIFY(list->toPlainText().contains(said));
    }

    // The last eight files are offered again, the newest first; one that is
    // gone is dropped with a word.
    void recentFilesKeepTheLastEight()
    {
        MainWindow window(Candidates::named({}));
        for (int i = 1; i <= 9; ++i) {
            writeFile(path(QString("%1.txt").arg(i)), exampleRecord);
            DialogAnswers answers(&window, {path(QString("%1.txt").arg(i))});
            window.form().restoreButton->click();
        }
        auto *recent = window.findChild<QMenu *>("recentFiles");
        QCOMPARE(recent->actions().size(), 8);
        QVERIFY(recent->actions()[0]->text().endsWith("/9.txt"));
        QVERIFY(recent->actions()[7]->text().endsWith("/2.txt"));
        QVERIFY(QFile::remove(path("9.txt")));
        recent->actions()[0]->trigger();
        QVERIFY(notice(window).contains("9.txt is gone"));
        QCOMPARE(recent->actions().size(), 7);
    }

    // A history that cannot be kept is said, and the send is done all the same.
    void historyThatCannotBeKeptIsSaid_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << true << qt_error_string(EFBIG);
        QTest::newRow("read-only folder") << false << "cannot be made";
    }
    void historyThatCannotBeKeptIsSaid()
    {
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        VirtualUnitProcess unit;
        MainWindow window(Candidates::named({unit.portPath()}));
        QTRY_VERIFY(window.form().sendButton->isEnabled());
        window.form().foodMSpinBox->setValue(9);
        QVERIFY(QDir().mkpath(path("data")));
        if (!fullDisk)
            QVERIFY(QFile::setPermissions(path("data"), QFile::ReadOwner | QFile::ExeOwner));
        // Room for the history's lock, none for an entry.
        std::optional<FullDisk> full;
        if (fullDisk)
            full.emplace(180);
        passOverFolderPermissions(false);
        window.form().sendButton->click();
        QTRY_VERIFY(notice(window).contains("confirmed"));
        passOverFolderPermissions(true);
        full.reset();
        QVERIFY2(notice(window).contains("former settings were not kept") &&
                     notice(window).contains(reason),
                 qPrintable(notice(window)));
        // A torn entry is taken back, so the file stays whole.
        QVERIFY(UnitHistory::read(unit.portPath()).setAside.isEmpty());
    }
};

QTEST_MAIN(DataFileTest)
#include "tst_datafile.moc"
