#include "commandline.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void handle_data();
    void handle();
};

namespace
{
constexpr int windowStarts = -1;
const QByteArray unset;
} // namespace

void CommandLineTest::handle_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("portsBefore");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("portsAfter");
    QTest::addColumn<QString>("printedPart");

    QTest::newRow("ports in order, over the environment")
        << QStringList{"--port", "/dev/ttyUSB1", "--port=/tmp/unit"} << QByteArray("/dev/ttyS0")
        << windowStarts << QByteArray("/dev/ttyUSB1:/tmp/unit") << QString();
    QTest::newRow("Qt's options left for Qt")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "--port", "a"}
        << unset << windowStarts << QByteArray("a") << QString();
    QTest::newRow("no port keeps the environment")
        << QStringList{} << QByteArray("/dev/ttyS0") << windowStarts << QByteArray("/dev/ttyS0")
        << QString();
    QTest::newRow("no port, no environment")
        << QStringList{} << unset << windowStarts << unset << QString();
    QTest::newRow("version") << QStringList{"-platform", "xcb", "--version"} << unset << 0 << unset
                             << QString("kv3318-config " KV3318_VERSION "\n");
    QTest::newRow("help") << QStringList{"-h"} << unset << 0 << unset
                          << QString("  --port <port>  ");
    QTest::newRow("unknown option")
        << QStringList{"--port", "a", "--colour"} << QByteArray("/dev/ttyS0") << 1
        << QByteArray("/dev/ttyS0") << QString("kv3318-config: Unknown option 'colour'.\n");
    QTest::newRow("port without its name")
        << QStringList{"--port"} << unset << 1 << unset << QString("kv3318-config: Missing value");
    QTest::newRow("Qt option without its value")
        << QStringList{"-platform"} << unset << 1 << unset << QString("kv3318-config: Missing");
    QTest::newRow("argument of no option") << QStringList{"/dev/ttyUSB0"} << unset << 1 << unset
                                           << QString("kv3318-config: unexpected argument");
}

void CommandLineTest::handle()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, portsBefore);
    QFETCH(int, status);
    QFETCH(QByteArray, portsAfter);
    QFETCH(QString, printedPart);

    if (portsBefore.isNull())
        qunsetenv("KV3318_PORTS");
    else
        qputenv("KV3318_PORTS", portsBefore);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const std::optional<int> exitStatus =
        CommandLine::handle(QStringList{"kv3318-config"} + arguments, outStream, errStream);

    QCOMPARE(exitStatus.value_or(windowStarts), status);
    QCOMPARE(qEnvironmentVariableIsSet("KV3318_PORTS"), !portsAfter.isNull());
    QCOMPARE(qgetenv("KV3318_PORTS"), portsAfter);
    const QString printed = status == 1 ? err : out;
    QVERIFY2(printed.contains(printedPart), qPrintable(printed));
    QVERIFY((status == 1 ? out : err).isEmpty());
    if (status == windowStarts)
        QVERIFY(out.isEmpty());
    if (status == 1)
        QCOMPARE(err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
