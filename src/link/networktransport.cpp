#include "networktransport.h"

#include "comportcontrol.h"
#include "ownwording.h"
#include "telnetstream.h"

#include <QElapsedTimer>

#include <QTcpSocket>
#include <QThread>
#include <algorithm>

namespace
{
// Qt's own words for a socket's error, all in lower case, as the system's
// words for these are.
QString lowerCaseText(const QAbstractSocket &socket)
{
    return ownWording(socket.errorString().toLower());
}

QString connectFailureText(const QAbstractSocket &socket)
{
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "connection refused"));
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "host not found"));
    case QAbstractSocket::NetworkError:
        // Qt tells EHOSTUNREACH only by its text; the system's words for it
        // are the ones users look up.
        if (socket.errorString() == QLatin1String("Host unreachable"))
            return QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "no route to host"));
        [[fallthrough]];
    default:
        return lowerCaseText(socket);
    }
}

// Qt reports a connection the far end closed or reset as an error of its
// own, before disconnected(), so errors alone tell of a lost connection. A
// server that says why before it closes (ser2net: "Port already in use") is
// taken at its word.
QString closedText(const QAbstractSocket &socket, const QString &serverSaid)
{
    if (socket.error() != QAbstractSocket::RemoteHostClosedError)
        return lowerCaseText(socket);
    if (!serverSaid.isEmpty())
        return serverSaid;
    return QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "the server closed the connection"));
}

// A line of plain text among what came, as a server writes why it will
// close; the unit's own messages are framed and never look like one.
QString textLineIn(const QByteArray &bytes)
{
    QString found;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        const bool plain = text.size() >= 3 && std::all_of(text.cbegin(), text.cend(), [](char c) {
                               return c >= 0x20 && c < 0x7f;
                           });
        if (plain)
            found = QString::fromLatin1(text);
    }
    return found;
}
} // namespace

NetworkTransport::NetworkTransport(const QString &url, const LinkTimings &timings, QObject *parent)
    : Transport(parent), url(url), address(NetworkAddress::parse(url)),
      socket(new QTcpSocket(this)), stream(nullptr), comPort(nullptr)
{
    // Looked at before anyone reads it, and left for them.
    connect(socket, &QTcpSocket::readyRead, this, [this] {
        const QString said = textLineIn(socket->peek(socket->bytesAvailable()));
        if (!said.isEmpty())
            serverSaid = said;
    });
    if (address && address->kind == NetworkAddress::Rfc2217) {
        stream = new TelnetStream(socket, this);
        comPort = new ComPortControl(stream, timings.negotiationMs, this);
        connect(comPort, &ComPortControl::confirmed, this, [this] {
            state = State::Open;
            Q_EMIT opened();
        });
        connect(comPort, &ComPortControl::failed, this, &NetworkTransport::fail);
    }
    connectTimer.setSingleShot(true);
    connectTimer.setInterval(timings.connectMs);
    connect(&connectTimer, &QTimer::timeout, this, [this] {
        if (state == State::Connecting)
            fail({OpenFailure::Unreachable,
                  QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "timed out"))});
    });
    farLine.setSingleShot(true);
    farLine.setTimerType(Qt::PreciseTimer);
    connect(&farLine, &QTimer::timeout, this, &Transport::farEndWritten);
    // Before any user of the device, so that bytesToWrite() counts the far
    // line by the time they hear of the bytes written.
    connect(device(), &QIODevice::bytesWritten, this, &NetworkTransport::onBytesWritten);
    connect(socket, &QTcpSocket::connected, this, &NetworkTransport::onConnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &NetworkTransport::onSocketError);
}

QIODevice *NetworkTransport::device()
{
    if (stream)
        return stream;
    return socket;
}

qint64 NetworkTransport::bytesToWrite()
{
    const qint64 buffered = device()->bytesToWrite();
    if (!farLine.isActive())
        return buffered;
    return buffered + qMax<qint64>(1, farLine.remainingTime() * lineBytesPerSecond / 1000);
}

bool NetworkTransport::waitForWritten(int ms)
{
    QElapsedTimer clock;
    clock.start();
    if (!Transport::waitForWritten(ms) && device()->bytesToWrite() > 0)
        return false;
    // The far line's time, which no event tells the end of.
    const qint64 left = ms - clock.elapsed();
    if (farLine.isActive())
        QThread::msleep(ulong(qBound(qint64(0), qint64(farLine.remainingTime()), left)));
    return farLine.remainingTime() <= 0;
}

void NetworkTransport::onBytesWritten(qint64 bytes)
{
    const qint64 lineMs = (bytes * 1000 + lineBytesPerSecond - 1) / lineBytesPerSecond;
    const qint64 aheadMs = farLine.isActive() ? farLine.remainingTime() : serverMarginMs;
    farLine.start(int(aheadMs + lineMs));
}

void NetworkTransport::open()
{
    if (state != State::Closed)
        return;
    state = State::Connecting;
    serverSaid.clear();
    // Connecting from the event loop keeps every outcome, even one the
    // socket knows at once, after open() has returned.
    QTimer::singleShot(0, this, &NetworkTransport::connectToServer);
}

void NetworkTransport::connectToServer()
{
    if (state != State::Connecting || socket->state() != QAbstractSocket::UnconnectedState)
        return;
    if (!address) {
        fail({OpenFailure::Other,
              QStringLiteral(QT_TRANSLATE_NOOP(
                  "OpenFailure", "expected rfc2217://host:port or socket://host:port"))});
        return;
    }
    connectTimer.start();
    // The name is looked up on Qt's own thread; nothing here waits for it.
    socket->connectToHost(address->host, address->port);
}

void NetworkTransport::onConnected()
{
    if (state != State::Connecting)
        return;
    connectTimer.stop();
    // A unit's messages are a few bytes each; they go out at once.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (!comPort) {
        state = State::Open;
        Q_EMIT opened();
        return;
    }
    state = State::Negotiating;
    stream->open(QIODevice::ReadWrite);
    comPort->start();
}

void NetworkTransport::onSocketError()
{
    switch (state) {
    case State::Closed:
        break;
    case State::Connecting:
        fail({OpenFailure::Unreachable, connectFailureText(*socket)});
        break;
    case State::Negotiating:
        fail({OpenFailure::Unreachable, closedText(*socket, serverSaid)});
        break;
    case State::Open: {
        const QString reason = closedText(*socket, serverSaid);
        shutDown();
        Q_EMIT lost(reason);
        break;
    }
    }
}

void NetworkTransport::close()
{
    if (state != State::Closed)
        shutDown();
}

void NetworkTransport::fail(const OpenFailure &failure)
{
    shutDown();
    Q_EMIT openFailed(failure);
}

void NetworkTransport::shutDown()
{
    state = State::Closed;
    connectTimer.stop();
    farLine.stop();
    if (comPort) {
        comPort->stop();
        stream->close();
    }
    socket->abort();
}
