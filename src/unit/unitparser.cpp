#include "unitparser.h"

namespace
{
constexpr char stx = 0x02;
constexpr char etx = 0x03;
constexpr char eot = 0x04;
constexpr char cr = 0x0D;
} // namespace

void UnitParser::feed(QByteArrayView bytes)
{
    for (const char byte : bytes)
        take(byte);
}

void UnitParser::take(char byte)
{
    switch (state) {
    case State::InBody:
        if (byte == etx) {
            state = State::AwaitingCr;
        } else if (byte == stx && !body.isEmpty()) {
            // A new frame abandons the unfinished one.
            body.clear();
        } else if (body.size() < maxBodyLength) {
            // An STX right after the frame's own STX is kept: the adjust
            // message starts with that character.
            body.append(byte);
        } else {
            body.clear();
            state = State::Discarding;
            emit frameDropped();
        }
        return;
    case State::AwaitingCr:
        if (byte == cr) {
            state = State::Idle;
            emit frameReceived(body);
            body.clear();
            return;
        }
        // The frame was not closed properly; the byte counts as outside it.
        body.clear();
        state = State::Idle;
        break;
    case State::Discarding:
        if (byte == etx)
            state = State::Idle;
        else if (byte == stx)
            state = State::InBody;
        return;
    case State::Idle:
        break;
    }
    if (byte == stx)
        state = State::InBody;
    else if (byte == eot)
        emit stopReceived();
}
