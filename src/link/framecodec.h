#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The line's framing, without the line: bytes in, message bodies out. A
// message is STX, the body, ETX, CR; bytes outside a message are noise, and
// an STX always begins a new message. The bytes may come in any pieces.
class FrameCodec
{
public:
    // A body longer than this is no message of the unit's (its longest is a
    // settings record of under 100 characters); it is dropped, so that a
    // sender that never ends a message cannot make the buffer grow without
    // limit.
    static constexpr int maxBodyLength = 4096;

    enum class State {
        Idle,       // between messages
        InBody,     // after STX
        AwaitingCr, // after the ETX that ended a body
    };

    // The bodies that these bytes complete, in order, each as Latin-1 text.
    QStringList feed(QByteArrayView bytes);
    // Forgets a message begun before, as when another line is opened.
    void reset();
    State state() const { return current; }

    // One message as it goes on the line: each character as its Latin-1 byte.
    static QByteArray frame(const QString &body);

private:
    State current = State::Idle;
    QString body;
};
