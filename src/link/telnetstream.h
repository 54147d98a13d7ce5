#pragma once

#include <QByteArray>
#include <QIODevice>

#include <deque>

class QTcpSocket;

// The unit's bytes on a Telnet connection: reading yields only the data,
// with doubled IAC bytes taken once and commands and subnegotiations taken
// out (they come as signals instead); writing doubles every IAC byte.
// Sizes given to readers and writers (bytesAvailable(), bytesToWrite(),
// bytesWritten()) count the unit's bytes, not the bytes on the wire.
class TelnetStream : public QIODevice
{
    Q_OBJECT

public:
    static constexpr quint8 se = 240;
    static constexpr quint8 sb = 250;
    static constexpr quint8 will = 251;
    static constexpr quint8 wont = 252;
    static constexpr quint8 doOption = 253;
    static constexpr quint8 dontOption = 254;
    static constexpr quint8 iac = 255;

    // A subnegotiation longer than this is nothing a client of ours needs;
    // it is dropped so that a server cannot make the buffer grow without limit.
    static constexpr int maxSubnegotiationLength = 64;

    explicit TelnetStream(QTcpSocket *socket, QObject *parent = nullptr);

    // Each connection starts afresh: nothing of an earlier one is kept.
    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    qint64 bytesToWrite() const override;
    // Lets a program that is about to exit wait for its last message to leave.
    bool waitForBytesWritten(int msecs) override;

    // WILL, WONT, DO or DONT for an option.
    void sendCommand(quint8 verb, quint8 option);
    // IAC SB <content> IAC SE, with IAC bytes in the content doubled.
    void sendSubnegotiation(const QByteArray &content);

Q_SIGNALS:
    void commandReceived(quint8 verb, quint8 option);
    // What stood between IAC SB and IAC SE, IAC bytes taken once.
    void subnegotiationReceived(const QByteArray &content);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    void onSocketReadyRead();
    void onSocketBytesWritten(qint64 wireBytes);
    void take(quint8 byte);
    void takeIntoSubnegotiation(quint8 byte);
    bool writeToWire(const QByteArray &wire, qint64 unitBytes);

    enum class State { Data, Command, Option, Subnegotiation, SubnegotiationCommand };

    QTcpSocket *socket;
    QByteArray received;
    State state = State::Data;
    quint8 verb = 0;
    QByteArray subnegotiation;
    bool subnegotiationTooLong = false;

    // What went to the socket and has not been written yet, in pieces of
    // one write each, so that written wire bytes can be told in unit bytes.
    struct Pending {
        qint64 wireBytes;
        qint64 unitBytes;
    };
    std::deque<Pending> pending;
    qint64 pendingUnitBytes = 0;
};
