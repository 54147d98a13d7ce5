// Bytes in any pieces into the virtual unit, which stands in for the
// controller in tests and for people without one: it must take apart only
// what was framed, and answer only what the tool can read back.
//
// Input: one byte whose lowest bit picks a firmware that speaks the extended
// record and whose other bits give the chunk size less one, then the bytes
// the tool would send.

#include "fuzzcheck.h"
#include "unitparser.h"
#include "unitresponder.h"

#include <QSet>

namespace
{
constexpr char stx = 0x02;
constexpr char etx = 0x03;
constexpr char eot = 0x04;

// The bodies that may come out: from an STX to the ETX that a CR follows at
// once, with no other ETX between and no STX but perhaps a leading one (the
// adjust message's first character). Those whose STX does not itself follow
// an STX must come out whatever came before them.
struct Frames {
    QSet<QByteArray> possible;
    QList<QByteArray> owed;
};

Frames frames(const QByteArray &line)
{
    Frames found;
    qsizetype lastStx = -1;
    qsizetype lastEtx = -1;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == stx)
            lastStx = i;
        if (line[i] != etx)
            continue;
        const qsizetype previousEtx = lastEtx;
        lastEtx = i;
        if (line[i + 1] != '\r' || lastStx < 0 || previousEtx > lastStx)
            continue;
        const QByteArray body = line.mid(lastStx + 1, i - lastStx - 1);
        const bool afterStx = lastStx > 0 && line[lastStx - 1] == stx;
        found.possible.insert(body);
        if (afterStx)
            found.possible.insert(stx + body);
        const bool afterTwo = afterStx && lastStx > 1 && line[lastStx - 2] == stx;
        if (!afterStx && body.size() <= UnitParser::maxBodyLength)
            found.owed << body;
        else if (afterStx && !afterTwo && body.size() < UnitParser::maxBodyLength)
            found.owed << stx + body;
    }
    return found;
}

void checkReply(const QByteArray &reply, qsizetype recordFields)
{
    check(reply.startsWith(stx) && reply.endsWith("\x03\r"));
    const QByteArray body = reply.mid(1, reply.size() - 3);
    check(!body.contains(stx) && !body.contains(etx));
    if (body.startsWith("KV3318"))
        return;
    QByteArrayList fields = body.split(';');
    fields.removeAll(QByteArray());
    check(fields.size() == recordFields);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool extended = data[0] & 1;
    const qsizetype chunk = (data[0] >> 1) + 1;
    const QByteArray line(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);

    UnitParser parser;
    UnitResponder unit(extended ? "1.0.10.2" : "1.0.10.1");
    QObject::connect(&parser, &UnitParser::frameReceived, &unit, &UnitResponder::handleFrame);
    QObject::connect(&parser, &UnitParser::stopReceived, &unit, &UnitResponder::handleStop);

    const Frames expected = frames(line);
    QList<QByteArray> received;
    int stops = 0;
    QObject::connect(&parser, &UnitParser::frameReceived, [&](const QByteArray &body) {
        check(body.size() <= UnitParser::maxBodyLength && expected.possible.contains(body));
        received << body;
    });
    QObject::connect(&parser, &UnitParser::stopReceived, [&] { ++stops; });
    QObject::connect(&unit, &UnitResponder::replyReady,
                     [&](const QByteArray &reply) { checkReply(reply, extended ? 22 : 20); });
    // A log line is one printable line, whatever arrived.
    QObject::connect(&unit, &UnitResponder::logged, [](const QByteArray &log) {
        for (const char byte : log)
            check(byte >= 0x20 && byte < 0x7F);
    });

    for (qsizetype at = 0; at < line.size(); at += chunk)
        parser.feed(QByteArrayView(line).sliced(at, qMin(chunk, line.size() - at)));

    check(isSubsequence(expected.owed, received));
    check(stops <= line.count(eot));
    return 0;
}
