#include "detectedwindow.h"
#include "mainwindow.h"
#include "pseudoterminal.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <thread>

namespace
{

#if defined(__SANITIZE_ADDRESS__)
constexpr bool builtWithAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool builtWithAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool builtWithAddressSanitizer = false;
#endif

QByteArray frame(const QByteArray &body)
{
    return '\x02' + body + "\x03\r";
}

// The flood's debug lines ("bytes: ..." for every read) are formatted as
// usual but not printed.
void dropDebug(QtMsgType, const QMessageLogContext &, const QString &) {}

qint64 residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Writes pieces of 64 KiB of noise from a thread of its own, so the
// program under test reads while its event loop keeps running: random bytes
// (frames begin and end at random), or one message that never ends.
class Flood
{
public:
    enum Kind { Random, Unterminated };

    Flood(PseudoTerminal &far, Kind kind, int pieces)
        : writer([this, &far, kind, pieces] {
              QByteArray piece(64 * 1024, 'A');
              if (kind == Unterminated)
                  far.write("\x02");
              for (int i = 0; i < pieces; ++i) {
                  if (kind == Random)
                      QRandomGenerator::global()->fillRange(
                          reinterpret_cast<quint32 *>(piece.data()), piece.size() / 4);
                  if (!far.write(piece))
                      break;
              }
              done = true;
          })
    {
    }
    ~Flood() { writer.join(); }

    // Runs the event loop until the flood is written, counting how often a
    // 10 ms timer got its turn meanwhile.
    int ticksUntilDone()
    {
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(10);
        while (!done)
            QTest::qWait(10);
        return ticks;
    }

private:
    std::atomic<bool> done{false};
    std::thread writer;
};

} // namespace

class LinkFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { qInstallMessageHandler(dropDebug); }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        qputenv("KV3318_PORTS", "");
    }

    void floodDuringDetection();
    void floodAfterDetection();
};

void LinkFaultsTest::floodDuringDetection()
{
    PseudoTerminal far;
    qputenv("KV3318_PORTS", far.slavePath().toLocal8Bit());
    MainWindow window;
    QCOMPARE(far.read(4), QByteArray("\x02?\x03\r"));
    {
        // Small enough to be read within the candidate's second.
        Flood noise(far, Flood::Random, 8);
        QVERIFY(noise.ticksUntilDone() > 0);
    }
    {
        Flood endless(far, Flood::Unterminated, 8);
        QVERIFY(endless.ticksUntilDone() > 0);
    }
    QVERIFY(far.write(frame("KV3318 1.0.10.2")));
    QTRY_VERIFY(window.sendButton->isEnabled());
}

void LinkFaultsTest::floodAfterDetection()
{
    PseudoTerminal far;
    const std::unique_ptr<MainWindow> detected = windowDetectedOn(far);
    QVERIFY(detected);
    MainWindow &window = *detected;

    const qint64 before = residentKiB();
    for (Flood::Kind kind : {Flood::Random, Flood::Unterminated}) {
        Flood flood(far, kind, 256);
        QVERIFY(flood.ticksUntilDone() > 10);
    }
    // 32 MiB went through; what stays is bounded by the reader, not the flood.
    // (AddressSanitizer keeps freed memory in quarantine, so it cannot tell.)
    if (!builtWithAddressSanitizer)
        QVERIFY2(residentKiB() - before < 16 * 1024,
                 qPrintable(QString("grew by %1 KiB").arg(residentKiB() - before)));

    QMetaObject::invokeMethod(&window, "on_receiveButton_clicked");
    QCOMPARE(far.read(8), QByteArray("\x02"
                                     "0data\x03\r"));
    const QByteArray settings = "2;30;40;50;60;70;80;90;100;250;7;1;1;50;1;125;4;0;180;0;111;111";
    QVERIFY(far.write(frame(settings)));
    QTRY_COMPARE(window.createDataString(), QString::fromLatin1(settings));
}

QTEST_MAIN(LinkFaultsTest)
#include "tst_linkfaults.moc"
