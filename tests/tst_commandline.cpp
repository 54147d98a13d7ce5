#include "candidates.h"
#include "commandline.h"

#include <QDir>
#include <QTest>

namespace
{
// Lists are written here with ',' for the separator, which is the
// platform's: ':' as in PATH on Linux, ';' on Windows.
QString listed(QString list)
{
    return list.replace(QLatin1Char(','), QDir::listSeparator());
}
} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void handle_data();
    void handle();
    void portListsKeepPathsAndUrlsWhole_data();
    void portListsKeepPathsAndUrlsWhole();
};

// -1 stands for "the window starts". --version and --help are checked on the installed
// programs, where they must work without a display.
void CommandLineTest::handle_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("ports");

    QTest::newRow("ports in order, over the environment")
        << QStringList{"--port", "/dev/ttyUSB1", "--port=/tmp/unit"} << -1
        << QStringList{"/dev/ttyUSB1", "/tmp/unit"};
    // The names that stay with an adapter hold colons; --port takes them whole.
    const QString byPath = "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0";
    QTest::newRow("path with colons") << QStringList{"--port", byPath} << -1 << QStringList{byPath};
    QTest::newRow("Qt's options left for Qt")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "--port", "a"} << -1
        << QStringList{"a"};
    QTest::newRow("no port keeps the environment")
        << QStringList{} << -1 << QStringList{"env1", "env2"};
    QTest::newRow("unknown option") << QStringList{"--port", "a", "--colour"} << 1 << QStringList{};
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << 1 << QStringList{};
    QTest::newRow("argument of no option") << QStringList{"/dev/ttyUSB0"} << 1 << QStringList{};
}

void CommandLineTest::handle()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, ports);

    qputenv("KV3318_PORTS", listed("env1,env2").toUtf8());
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Candidates candidates = Candidates::named({});
    const std::optional<int> exitStatus = CommandLine::handle(
        QStringList{"kv3318-config"} + arguments, outStream, errStream, &candidates);

    QCOMPARE(exitStatus.value_or(-1), status);
    QCOMPARE(candidates.ports(), ports);
    QVERIFY(out.isEmpty());
    QCOMPARE(err.count('\n'), status == 1 ? 1 : 0);
    QVERIFY2(status != 1 || err.startsWith("kv3318-config: "), qPrintable(err));
}

void CommandLineTest::portListsKeepPathsAndUrlsWhole_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("ports");
    QTest::newRow("paths") << "/dev/ttyUSB0,,/tmp/unit,"
                           << QStringList{"/dev/ttyUSB0", "/tmp/unit"};
    QTest::newRow("URLs between paths")
        << "/dev/a,rfc2217://tank.local:4001,socket://10.0.0.7:5000,/dev/b"
        << QStringList{"/dev/a", "rfc2217://tank.local:4001", "socket://10.0.0.7:5000", "/dev/b"};
    QTest::newRow("IPv6 host") << "socket://[::1]:5000,/dev/a"
                               << QStringList{"socket://[::1]:5000", "/dev/a"};
    // Printer ports are never the unit's, and a port named twice is probed once.
    QTest::newRow("LPT and twice")
        << "/dev/a,LPT1,/dev/lpt0,/dev/a" << QStringList{"/dev/a", "/dev/lpt0"};
}

void CommandLineTest::portListsKeepPathsAndUrlsWhole()
{
    QFETCH(QString, list);
    QFETCH(QStringList, ports);
    QCOMPARE(Candidates::named(Candidates::splitList(listed(list))).ports(), ports);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
