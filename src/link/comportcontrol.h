#pragma once

#include "transport.h"

#include <QObject>
#include <QTimer>

class TelnetStream;

// The Telnet COM Port Control side of a network transport: agrees on the
// option with the server, sets the far serial port to the unit's line
// (19200 baud, 8 data bits, no parity, 1 stop bit, no flow control) and
// tells when the server has confirmed every setting. Every other Telnet
// option the server offers or asks for is declined, for the whole connection.
class ComPortControl : public QObject
{
    Q_OBJECT

public:
    static constexpr quint8 option = 44;
    // The server answers a client's command with the command's code + 100.
    static constexpr quint8 serverOffset = 100;
    // `answerMs`: how long a server may take to agree and confirm every setting.
    ComPortControl(TelnetStream *stream, int answerMs, QObject *parent = nullptr);

    // Offers the option and, once the server agrees, sends the settings.
    void start();
    // Stops waiting for the server; no signal follows.
    void stop();

Q_SIGNALS:
    void confirmed();
    void failed(const OpenFailure &failure);

private:
    struct Setting {
        quint8 command;
        QByteArray value;
        const char *name;
    };

    void onCommand(quint8 verb, quint8 option);
    void onSubnegotiation(const QByteArray &content);
    void onTimeout();
    void sendSettings();
    void fail(const OpenFailure &failure);

    TelnetStream *stream;
    QTimer answerTimer;
    bool waiting = false;
    bool agreed = false;
    bool serverOptionAccepted = false;
    // The settings sent and not yet confirmed, in the order they were sent.
    QList<Setting> unconfirmed;
};
