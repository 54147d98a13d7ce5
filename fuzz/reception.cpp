// Bytes from the line, in any pieces, into the reading paths of two links,
// one detecting and one not; each link reads the pieces it is given as one
// stream.
//
// Input: one byte n, then n & 0x0F chunk descriptors, then the line's bytes.
// A descriptor d cuts the next (d & 0x7F) + 1 bytes and hands them to the
// detecting link when its top bit is set. Without descriptors the whole
// line is one chunk, detecting when n's top bit is set.

#include "fuzzcheck.h"
#include "protocol.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace
{
struct Chunk {
    qsizetype begin;
    qsizetype length;
    bool detection;
};

// What one link may deliver for the bytes it was given: each body by the
// position of the ETX that ends it, all of them, and those that hold the
// unit id.
struct Expected {
    QHash<qsizetype, QByteArray> framed;
    QSet<QByteArray> bodies;
    QList<QByteArray> replies;
};

struct Harness {
    Protocol idle;
    Protocol detecting;
    Expected idleExpected;
    Expected detectingExpected;
    // The bodies that must come out of the idle link, in order, and how many
    // of them have so far.
    QList<QByteArray> owed;
    qsizetype paid = 0;
    bool inDetection = false;
};

Harness *harness = nullptr;

void delivered(const Expected &expected, const QString &text)
{
    const QByteArray body = text.toLatin1();
    check(body.size() <= Protocol::maxBodyLength && expected.bodies.contains(body));
}

// The bytes after each STX up to the next ETX, when no other STX comes first:
// the only bodies a sound reader can deliver.
Expected expectedFrom(const QByteArray &line)
{
    Expected expected;
    qsizetype begin = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == Protocol::stx) {
            begin = i + 1;
        } else if (line[i] == Protocol::etx && begin >= 0) {
            const QByteArray body = line.mid(begin, i - begin);
            expected.framed.insert(i, body);
            expected.bodies.insert(body);
            if (body.contains(Protocol::control))
                expected.replies << body;
            begin = -1;
        }
    }
    return expected;
}

QList<Chunk> chunks(const QByteArray &descriptors, char first, qsizetype size)
{
    if (descriptors.isEmpty())
        return {{0, size, bool(first & 0x80)}};
    QList<Chunk> list;
    for (qsizetype at = 0, i = 0; at < size; ++i) {
        const char descriptor = descriptors[i % descriptors.size()];
        const qsizetype length = qMin(qsizetype(descriptor & 0x7F) + 1, size - at);
        list.append({at, length, bool(descriptor & 0x80)});
        at += length;
    }
    return list;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(ignoreMessages);
    // The one candidate does not exist: its open fails, and the detection
    // timer stays active as long as no event loop turns, which here is never.
    qputenv("KV3318_PORTS", "/nonexistent/kv3318-fuzz");
    static int argc = 1;
    static char name[] = "fuzz_reception";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    harness = new Harness;
    QObject::connect(&harness->idle, &Protocol::receiveComplete, [](const QString &body) {
        delivered(harness->idleExpected, body);
        if (harness->paid < harness->owed.size() && body.toLatin1() == harness->owed[harness->paid])
            ++harness->paid;
    });
    QObject::connect(&harness->detecting, &Protocol::receiveComplete, [](const QString &body) {
        // Until the unit answers, a body belongs to the detection alone.
        check(!harness->inDetection);
        delivered(harness->detectingExpected, body);
    });
    QObject::connect(
        &harness->detecting, &Protocol::interfaceDetected, [](const QStringList &list) {
            check(harness->inDetection);
            harness->inDetection = false;
            const QByteArray version = list.value(1).toLatin1();
            const QList<QByteArray> &replies = harness->detectingExpected.replies;
            check(std::any_of(replies.cbegin(), replies.cend(),
                              [&](const QByteArray &body) { return body.endsWith(version); }));
        });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype count = qMin(input.size() - 1, qsizetype(input[0] & 0x0F));
    const QByteArray line = input.mid(1 + count);
    const QList<Chunk> pieces = chunks(input.mid(1, count), input[0], line.size());

    // Each link keeps its reception state from one input to the next: an
    // overlong message leaves it idle and empty, whatever came before.
    const QByteArray reset = Protocol::stx + QByteArray(Protocol::maxBodyLength + 1, 'x');
    harness->idle.receive(reset);
    harness->detecting.receive(reset);

    // Each link reads its own chunks as one stream.
    QByteArray idleLine, detectingLine;
    for (const Chunk &chunk : pieces)
        (chunk.detection ? detectingLine : idleLine) += line.mid(chunk.begin, chunk.length);
    harness->idleExpected = expectedFrom(idleLine);
    harness->detectingExpected = expectedFrom(detectingLine);

    // Every framed body short enough whose CR follows its ETX at once must
    // come out of the idle link, whatever came before it.
    harness->owed.clear();
    harness->paid = 0;
    for (qsizetype at = 1; at < idleLine.size(); ++at) {
        const auto body = harness->idleExpected.framed.constFind(at - 1);
        if (idleLine[at] == Protocol::cr && body != harness->idleExpected.framed.cend() &&
            body->size() <= Protocol::maxBodyLength)
            harness->owed << *body;
    }

    for (const Chunk &chunk : pieces) {
        Protocol &link = chunk.detection ? harness->detecting : harness->idle;
        if (chunk.detection)
            link.checkInterface();
        harness->inDetection = chunk.detection;
        link.receive(line.mid(chunk.begin, chunk.length));
    }
    check(harness->paid == harness->owed.size());
    return 0;
}
