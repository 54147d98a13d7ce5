#pragma once

#include "linktimings.h"
#include "networkaddress.h"
#include "transport.h"

#include <QTimer>

#include <optional>

class ComPortControl;
class QTcpSocket;
class TelnetStream;

// A unit reached through a serial port that a computer offers on the
// network (ser2net and the like), as a plain TCP connection or as Telnet
// with COM Port Control, which lets this side set the far line.
class NetworkTransport : public Transport
{
    Q_OBJECT

public:
    // The unit's line: 19200 baud, 10 bits a byte.
    static constexpr int lineBytesPerSecond = 1920;
    // What the server takes to hand bytes to its port, beyond the line's time.
    static constexpr int serverMarginMs = 50;

    // `url` is rfc2217://HOST:PORT or socket://HOST:PORT; anything else
    // fails to open, with the reason.
    explicit NetworkTransport(const QString &url, const LinkTimings &timings = {},
                              QObject *parent = nullptr);

    QString name() const override { return url; }
    void open() override;
    void close() override;
    bool isOpen() const override { return state == State::Open; }
    QIODevice *device() override;
    // A server drops what its port has yet to send when the connection
    // closes (ser2net flushes the port), so bytes count as written only
    // once the far line has had time to send them.
    qint64 bytesToWrite() override;
    bool waitForWritten(int ms) override;
    // A server that was down, or a computer switched off, may come back.
    bool triedAgainWhenUnreachable() const override { return address.has_value(); }

private:
    enum class State { Closed, Connecting, Negotiating, Open };

    void connectToServer();
    void onConnected();
    void onSocketError();
    void fail(const OpenFailure &failure);
    void onBytesWritten(qint64 bytes);
    void shutDown();

    const QString url;
    const std::optional<NetworkAddress> address;
    State state = State::Closed;
    QTcpSocket *socket;
    TelnetStream *stream;
    ComPortControl *comPort;
    QTimer connectTimer;
    // Runs while the far line may still be sending what was written.
    QTimer farLine;
    // The last line of plain text the server sent.
    QString serverSaid;
};
