// Bytes from the line, in any pieces, into the frame codec, against a
// reading of the same bytes one at a time by the rules of the frame: STX
// begins a body, ETX ends it, the CR right after that delivers it once, and
// a body too long to be a message is dropped.
//
// Input: one byte n, then n & 0x0F chunk lengths, then the line's bytes. A
// length byte d cuts the next (d & 0x7F) + 1 bytes; without lengths the
// whole line is one chunk.

#include "framecodec.h"
#include "fuzzcheck.h"

#include <QByteArray>
#include <QStringList>

namespace
{
// The bodies a sound reader delivers for the whole line.
QStringList expectedBodies(const QByteArray &line)
{
    QStringList bodies;
    enum { Idle, InBody, AwaitingCr } state = Idle;
    QByteArray body;
    for (const char byte : line) {
        if (byte == '\x02') {
            body.clear();
            state = InBody;
        } else if (state == InBody && byte == '\x03') {
            state = AwaitingCr;
        } else if (state == InBody) {
            body.append(byte);
            if (body.size() > FrameCodec::maxBodyLength)
                state = Idle;
        } else if (state == AwaitingCr && byte == '\r') {
            bodies << QString::fromLatin1(body);
            state = Idle;
        }
    }
    return bodies;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype count = qMin(input.size() - 1, qsizetype(input[0] & 0x0F));
    const QByteArray lengths = input.mid(1, count);
    const QByteArray line = input.mid(1 + count);

    FrameCodec codec;
    QStringList delivered;
    qsizetype at = 0;
    for (const char length : lengths) {
        const qsizetype piece = (length & 0x7F) + 1;
        delivered << codec.feed(line.mid(at, piece));
        at += piece;
    }
    if (at < line.size())
        delivered << codec.feed(line.mid(at));
    check(delivered == expectedBodies(line));
    for (const QString &body : std::as_const(delivered))
        check(body.size() <= FrameCodec::maxBodyLength);
    return 0;
}
