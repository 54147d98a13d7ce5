#include "framecodec.h"

#include <QTest>

namespace
{
// The rows spell the line's control bytes as '[' for STX, ']' for ETX and
// '|' for CR.
QByteArray wire(QByteArray text)
{
    return text.replace('[', '\x02').replace(']', '\x03').replace('|', '\r');
}
} // namespace

// The line's framing alone, without a port: it runs wherever the programs
// are built, Windows under Wine included.
class FrameCodecTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reception_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("noise before STX") << QByteArrayList{"A[abc]|"} << QStringList{"abc"};
        QTest::newRow("STX restarts") << QByteArrayList{"[a[b]|"} << QStringList{"b"};
        QTest::newRow("no STX") << QByteArrayList{"]|"} << QStringList{};
        // A message is delivered once: line ends after it are noise.
        QTest::newRow("CR after a delivery")
            << QByteArrayList{"[abc]|", "|", "noise|\n", "]|"} << QStringList{"abc"};
        QTest::newRow("two frames, one read")
            << QByteArrayList{"[one]|[two]|"} << QStringList{"one", "two"};
        QTest::newRow("empty body") << QByteArrayList{"[]|"} << QStringList{""};
        const QByteArray longest(FrameCodec::maxBodyLength, 'L');
        QTest::newRow("longest body")
            << QByteArrayList{"[" + longest + "]|"} << QStringList{longest};
        // Megabytes of a message that never ends, fed the way a port delivers,
        // are dropped; the next message arrives.
        QByteArrayList endless(64, QByteArray(64 * 1024, 'f'));
        endless.prepend("[");
        endless.append("]|[after]|");
        QTest::newRow("endless message") << endless << QStringList{"after"};
    }

    void reception()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QStringList, expected);
        FrameCodec codec;
        QStringList received;
        for (const QByteArray &chunk : chunks)
            received << codec.feed(wire(chunk));
        QCOMPARE(received, expected);
    }

    // Every byte a body may hold, CR and Latin-1 letters too, goes out as
    // one byte and comes back as the same character, however the line cuts
    // it: here into a read for each byte.
    void framedBodiesComeBackWhole()
    {
        QString body;
        for (int code = 0; code < 256; ++code) {
            if (code != 0x02 && code != 0x03)
                body += QChar(code);
        }
        const QByteArray framed = FrameCodec::frame(body);
        QCOMPARE(framed, wire("[") + body.toLatin1() + wire("]|"));
        FrameCodec codec;
        QStringList received;
        for (const char byte : framed)
            received << codec.feed(QByteArrayView(&byte, 1));
        QCOMPARE(received, QStringList{body});
        QCOMPARE(codec.state(), FrameCodec::State::Idle);
    }
};

QTEST_GUILESS_MAIN(FrameCodecTest)
#include "tst_framecodec.moc"
