#include "framecodec.h"

#include <algorithm>

namespace
{
constexpr char stx = 0x02;
constexpr char etx = 0x03;
constexpr char cr = 0x0D;
} // namespace

QStringList FrameCodec::feed(QByteArrayView bytes)
{
    QStringList bodies;
    const char *const end = bytes.data() + bytes.size();
    for (const char *byte = bytes.data(); byte != end; ++byte) {
        if (*byte == stx) {
            body.resize(0); // keeps the buffer for the next body
            current = State::InBody;
        } else if (current == State::AwaitingCr) {
            // Only the CR completes the message; a second CR, or any other
            // byte, is noise until the next STX.
            if (*byte == cr) {
                bodies << body;
                current = State::Idle;
            }
        } else if (current == State::InBody) {
            if (*byte == etx) {
                current = State::AwaitingCr;
                continue;
            }
            // Everything up to the next STX or ETX is body: one append for
            // the run rather than one per byte.
            const char *runEnd =
                std::find_if(byte, end, [](char next) { return next == stx || next == etx; });
            if (body.size() + (runEnd - byte) <= maxBodyLength) {
                body.append(QLatin1String(byte, runEnd - byte));
            } else {
                body.resize(0);
                current = State::Idle;
            }
            byte = runEnd - 1;
        }
    }
    return bodies;
}

void FrameCodec::reset()
{
    body.resize(0);
    current = State::Idle;
}

QByteArray FrameCodec::frame(const QString &body)
{
    return stx + body.toLatin1() + etx + cr;
}
