#include "portlink.h"
#include "ptyport.h"
#include "shutdownsignals.h"
#include "unitparser.h"
#include "unitresponder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace
{
// Whoever follows the unit reads its standard output through a pipe, so
// every line is pushed out at once.
void printLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "kv3318-virtual-unit: %s\n", qPrintable(message));
    return 1;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kv3318-virtual-unit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KV3318_VERSION));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Stands in for a Korvalin 3318 controller unit on a pseudo-terminal.\n"
                       "Prints the path of its serial port, then one line per message "
                       "received."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption firmwareOption(
        QStringLiteral("firmware"),
        QStringLiteral("Firmware version text to report (default 1.0.10.2)."),
        QStringLiteral("text"), QStringLiteral("1.0.10.2"));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Initial settings record (default: the tool's start state)."),
        QStringLiteral("text"), QString::fromLatin1(UnitResponder::startRecord));
    const QCommandLineOption silentOption(QStringLiteral("silent"),
                                          QStringLiteral("Read and log, but never answer."));
    const QCommandLineOption chunkOption(QStringLiteral("chunk"),
                                         QStringLiteral("Send replies in pieces of n bytes."),
                                         QStringLiteral("n"));
    const QCommandLineOption baudOption(
        QStringLiteral("baud"),
        QStringLiteral("Send replies at the pace of a line of this many baud, as a real unit "
                       "does (19200; 10 bits a byte)."),
        QStringLiteral("rate"));
    const QCommandLineOption linkOption(
        QStringLiteral("link"), QStringLiteral("Symbolic link to the port, removed at the end."),
        QStringLiteral("path"));
    const QCommandLineOption holdOption(
        QStringLiteral("hold"),
        QStringLiteral("Keep field n of the record (counted from 1, the reserved 21 and 22 "
                       "too) at value, whatever is sent: a unit that changes a setting on its "
                       "own. May be given several times."),
        QStringLiteral("n=value"));
    options.addOptions({firmwareOption, settingsOption, silentOption, chunkOption, baudOption,
                        linkOption, holdOption});
    options.process(app);

    int baud = 0;
    if (options.isSet(baudOption)) {
        bool isNumber = false;
        baud = options.value(baudOption).toInt(&isNumber);
        if (!isNumber || baud < 10)
            return fail(QStringLiteral("--baud needs a rate of 10 or more"));
    }
    int chunkSize = 0;
    if (options.isSet(chunkOption)) {
        bool isNumber = false;
        chunkSize = options.value(chunkOption).toInt(&isNumber);
        if (!isNumber || chunkSize < 1)
            return fail(QStringLiteral("--chunk needs a positive number of bytes"));
    }

    UnitResponder unit(options.value(firmwareOption).toLatin1());
    if (!unit.loadRecord(options.value(settingsOption).toLatin1()))
        return fail(QStringLiteral("--settings needs a record of 20 or 22 fields"));

    for (const QString &hold : options.values(holdOption)) {
        const QStringList held = hold.split(QLatin1Char('='));
        bool isNumber = false;
        const int field = held.value(0).toInt(&isNumber);
        if (held.size() != 2 || !isNumber || held[1].isEmpty() ||
            !unit.holdField(field - 1, held[1].toLatin1()))
            return fail(QStringLiteral("--hold needs n=value, n a field from 1 to 22"));
    }

    ShutdownSignals shutdown;
    if (!shutdown.install())
        return fail(QStringLiteral("cannot watch for SIGINT and SIGTERM"));

    PtyPort port;
    QString error;
    if (!port.open(&error))
        return fail(QStringLiteral("cannot open a pseudo-terminal: ") + error);
    port.setChunkSize(chunkSize);
    port.setBaudRate(baud);

    PortLink link;
    if (options.isSet(linkOption) &&
        !link.create(options.value(linkOption), port.slavePath(), &error))
        return fail(error);

    UnitParser parser;
    QObject::connect(&port, &PtyPort::bytesReceived, &parser, &UnitParser::feed);
    QObject::connect(&parser, &UnitParser::frameReceived, &unit, &UnitResponder::handleFrame);
    QObject::connect(&parser, &UnitParser::stopReceived, &unit, &UnitResponder::handleStop);
    QObject::connect(&parser, &UnitParser::frameDropped, [] {
        std::fprintf(stderr, "kv3318-virtual-unit: dropped a frame longer than %lld bytes\n",
                     static_cast<long long>(UnitParser::maxBodyLength));
    });
    QObject::connect(&unit, &UnitResponder::logged, &printLine);
    if (!options.isSet(silentOption))
        QObject::connect(&unit, &UnitResponder::replyReady, &port, &PtyPort::write);
    QObject::connect(&shutdown, &ShutdownSignals::requested, &app, &QCoreApplication::quit);
    QObject::connect(&port, &PtyPort::failed, [&app](const QString &reason) {
        std::fprintf(stderr, "kv3318-virtual-unit: line failed: %s\n", qPrintable(reason));
        app.exit(1);
    });

    printLine(port.slavePath().toLocal8Bit());
    return app.exec();
}
