#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

// Splits the byte stream that reaches the unit into framed messages
// (STX, body, ETX, CR) and stop bytes. Bytes may arrive in any pieces.
class UnitParser : public QObject
{
    Q_OBJECT

public:
    // A settings record is under 100 bytes; anything far beyond that is noise
    // or a sender that never ends its frame.
    static constexpr qsizetype maxBodyLength = 4096;

    using QObject::QObject;

    void feed(QByteArrayView bytes);

signals:
    void frameReceived(const QByteArray &body);
    void stopReceived();
    // A frame grew past maxBodyLength and was thrown away.
    void frameDropped();

private:
    enum class State { Idle, InBody, AwaitingCr, Discarding };

    void take(char byte);

    State state = State::Idle;
    QByteArray body;
};
