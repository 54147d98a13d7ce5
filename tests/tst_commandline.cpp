#include "commandline.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void handle_data();
    void handle();
};

// -1 stands for "the window starts". --version and --help are checked on the installed
// programs, where they must work without a display.
void CommandLineTest::handle_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("ports");

    QTest::newRow("ports in order, over the environment")
        << QStringList{"--port", "/dev/ttyUSB1", "--port=/tmp/unit"} << -1
        << QByteArray("/dev/ttyUSB1:/tmp/unit");
    QTest::newRow("Qt's options left for Qt")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "--port", "a"} << -1
        << QByteArray("a");
    QTest::newRow("no port keeps the environment") << QStringList{} << -1 << QByteArray("env");
    QTest::newRow("unknown option")
        << QStringList{"--port", "a", "--colour"} << 1 << QByteArray("env");
    QTest::newRow("Qt option without its value")
        << QStringList{"-platform"} << 1 << QByteArray("env");
    QTest::newRow("argument of no option") << QStringList{"/dev/ttyUSB0"} << 1 << QByteArray("env");
}

void CommandLineTest::handle()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, ports);

    qputenv("KV3318_PORTS", "env");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const std::optional<int> exitStatus =
        CommandLine::handle(QStringList{"kv3318-config"} + arguments, outStream, errStream);

    QCOMPARE(exitStatus.value_or(-1), status);
    QCOMPARE(qgetenv("KV3318_PORTS"), ports);
    QVERIFY(out.isEmpty());
    QCOMPARE(err.count('\n'), status == 1 ? 1 : 0);
    QVERIFY2(status != 1 || err.startsWith("kv3318-config: "), qPrintable(err));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
