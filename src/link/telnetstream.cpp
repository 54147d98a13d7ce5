#include "telnetstream.h"

#include <QTcpSocket>

#include <cstring>

TelnetStream::TelnetStream(QTcpSocket *socket, QObject *parent) : QIODevice(parent), socket(socket)
{
    connect(socket, &QTcpSocket::readyRead, this, &TelnetStream::onSocketReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &TelnetStream::onSocketBytesWritten);
}

bool TelnetStream::open(OpenMode mode)
{
    received.clear();
    state = State::Data;
    subnegotiation.clear();
    subnegotiationTooLong = false;
    pending.clear();
    pendingUnitBytes = 0;
    // Our own buffer holds the decoded bytes; a second one in QIODevice
    // would only copy them again.
    return QIODevice::open(mode | Unbuffered);
}

void TelnetStream::close()
{
    QIODevice::close();
    received.clear();
    pending.clear();
    pendingUnitBytes = 0;
}

qint64 TelnetStream::bytesAvailable() const
{
    return received.size() + QIODevice::bytesAvailable();
}

qint64 TelnetStream::bytesToWrite() const
{
    return pendingUnitBytes;
}

bool TelnetStream::waitForBytesWritten(int msecs)
{
    return isOpen() && socket->waitForBytesWritten(msecs);
}

void TelnetStream::sendCommand(quint8 verb, quint8 option)
{
    const char command[] = {char(iac), char(verb), char(option)};
    writeToWire(QByteArray(command, sizeof command), 0);
}

void TelnetStream::sendSubnegotiation(const QByteArray &content)
{
    QByteArray wire;
    wire.reserve(content.size() + 4);
    wire.append(char(iac)).append(char(sb));
    for (const char byte : content) {
        wire.append(byte);
        if (quint8(byte) == iac)
            wire.append(byte);
    }
    wire.append(char(iac)).append(char(se));
    writeToWire(wire, 0);
}

qint64 TelnetStream::readData(char *data, qint64 maxSize)
{
    const qint64 count = qMin(maxSize, qint64(received.size()));
    std::memcpy(data, received.constData(), size_t(count));
    received.remove(0, count);
    return count;
}

qint64 TelnetStream::writeData(const char *data, qint64 maxSize)
{
    QByteArray wire;
    wire.reserve(maxSize + 8);
    for (qint64 i = 0; i < maxSize; ++i) {
        wire.append(data[i]);
        if (quint8(data[i]) == iac)
            wire.append(data[i]);
    }
    return writeToWire(wire, maxSize) ? maxSize : -1;
}

bool TelnetStream::writeToWire(const QByteArray &wire, qint64 unitBytes)
{
    if (!isOpen() || socket->write(wire) != wire.size())
        return false;
    pending.push_back({wire.size(), unitBytes});
    pendingUnitBytes += unitBytes;
    return true;
}

void TelnetStream::onSocketBytesWritten(qint64 wireBytes)
{
    qint64 unitBytes = 0;
    while (wireBytes > 0 && !pending.empty()) {
        Pending &front = pending.front();
        const qint64 done = qMin(wireBytes, front.wireBytes);
        front.wireBytes -= done;
        wireBytes -= done;
        if (front.wireBytes == 0) {
            unitBytes += front.unitBytes;
            pendingUnitBytes -= front.unitBytes;
            pending.pop_front();
        }
    }
    if (unitBytes > 0)
        Q_EMIT bytesWritten(unitBytes);
}

void TelnetStream::onSocketReadyRead()
{
    if (!isOpen())
        return;
    const QByteArray wire = socket->readAll();
    const qsizetype before = received.size();
    const char *const end = wire.constEnd();
    for (const char *byte = wire.constBegin(); byte != end && isOpen(); ++byte) {
        if (state == State::Data) {
            // Plain data up to the next IAC goes over in one piece.
            const char *runEnd =
                static_cast<const char *>(std::memchr(byte, char(iac), size_t(end - byte)));
            if (!runEnd)
                runEnd = end;
            received.append(byte, runEnd - byte);
            byte = runEnd;
            if (byte == end)
                break;
        }
        take(quint8(*byte));
    }
    // A handler of a command may have closed the stream meanwhile.
    if (isOpen() && received.size() > before)
        Q_EMIT readyRead();
}

void TelnetStream::take(quint8 byte)
{
    switch (state) {
    case State::Data:
        // Only an IAC ends a run of data.
        state = State::Command;
        break;
    case State::Command:
        if (byte == iac) {
            received.append(char(byte));
            state = State::Data;
        } else if (byte >= will && byte <= dontOption) {
            verb = byte;
            state = State::Option;
        } else if (byte == sb) {
            subnegotiation.clear();
            subnegotiationTooLong = false;
            state = State::Subnegotiation;
        } else {
            // NOP, go-ahead, break and the like mean nothing on this line.
            state = State::Data;
        }
        break;
    case State::Option:
        state = State::Data;
        Q_EMIT commandReceived(verb, byte);
        break;
    case State::Subnegotiation:
        if (byte == iac)
            state = State::SubnegotiationCommand;
        else
            takeIntoSubnegotiation(byte);
        break;
    case State::SubnegotiationCommand:
        if (byte == iac) {
            state = State::Subnegotiation;
            takeIntoSubnegotiation(byte);
            break;
        }
        // Anything but SE here is a broken subnegotiation; it is dropped.
        state = State::Data;
        if (byte == se && !subnegotiationTooLong)
            Q_EMIT subnegotiationReceived(subnegotiation);
        break;
    }
}

void TelnetStream::takeIntoSubnegotiation(quint8 byte)
{
    if (subnegotiation.size() < maxSubnegotiationLength)
        subnegotiation.append(char(byte));
    else
        subnegotiationTooLong = true;
}
