#include "ser2netprocess.h"

#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

namespace
{
// Whether something listens on 127.0.0.1:port, read from the kernel's table
// so that asking does not open a connection (which would open the device).
bool isListening(quint16 port)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray local =
        "0100007F:" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // Field 3 is the state; 0A is LISTEN.
        if (fields.size() > 3 && fields.at(1) == local && fields.at(3) == "0A")
            return true;
    }
    return false;
}
} // namespace

QString Ser2netProcess::program()
{
    QString path = QStandardPaths::findExecutable(QStringLiteral("ser2net"));
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            QStringLiteral("ser2net"),
            {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    return path;
}

Ser2netProcess::Ser2netProcess(const QString &devicePath)
{
    {
        // Both listeners held at once, so the two ports differ.
        QTcpServer first;
        QTcpServer second;
        if (!first.listen(QHostAddress::LocalHost) || !second.listen(QHostAddress::LocalHost))
            return;
        rfc2217Port = first.serverPort();
        socketPort = second.serverPort();
    }
    const QString connector = QStringLiteral("serialdev,%1,19200n81,local").arg(devicePath);
    QFile config(folder.filePath(QStringLiteral("ser2net.yaml")));
    if (!config.open(QIODevice::WriteOnly)) {
        rfc2217Port = socketPort = 0;
        return;
    }
    // As the README sets it up: the unit's messages go out as soon as they
    // end, not after ser2net's wait for more bytes from the port.
    config.write(QStringLiteral("connection: &rfc2217\n"
                                "  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n"
                                "  connector: %3\n"
                                "  options:\n"
                                "    sendon: \\x03\\r\n"
                                "connection: &socket\n"
                                "  accepter: tcp,127.0.0.1,%2\n"
                                "  connector: %3\n"
                                "  options:\n"
                                "    sendon: \\x03\\r\n")
                     .arg(rfc2217Port)
                     .arg(socketPort)
                     .arg(connector)
                     .toUtf8());
    config.close();
    ser2net.setProcessChannelMode(QProcess::MergedChannels);
    start();
}

void Ser2netProcess::start()
{
    if (rfc2217Port == 0 || ser2net.state() != QProcess::NotRunning)
        return;
    listening = false;
    // -n stays in the foreground, -u takes no UUCP lock in the machine's
    // lock folder, -P keeps the pid file out of /run.
    ser2net.start(program(), {QStringLiteral("-n"), QStringLiteral("-u"), QStringLiteral("-P"),
                              folder.filePath(QStringLiteral("ser2net.pid")), QStringLiteral("-c"),
                              folder.filePath(QStringLiteral("ser2net.yaml"))});
    if (!ser2net.waitForStarted(3000))
        return;
    listening = QTest::qWaitFor(
        [this] {
            return ser2net.state() == QProcess::Running && isListening(rfc2217Port) &&
                   isListening(socketPort);
        },
        5000);
}

Ser2netProcess::~Ser2netProcess()
{
    stop();
}

bool Ser2netProcess::isRunning() const
{
    return listening && ser2net.state() == QProcess::Running;
}

QString Ser2netProcess::rfc2217Url() const
{
    return QStringLiteral("rfc2217://127.0.0.1:%1").arg(rfc2217Port);
}

QString Ser2netProcess::socketUrl() const
{
    return QStringLiteral("socket://127.0.0.1:%1").arg(socketPort);
}

QString Ser2netProcess::output()
{
    return QString::fromLocal8Bit(ser2net.readAll());
}

void Ser2netProcess::stop()
{
    if (ser2net.state() == QProcess::NotRunning)
        return;
    ser2net.terminate();
    if (!ser2net.waitForFinished(3000)) {
        ser2net.kill();
        ser2net.waitForFinished(1000);
    }
}
