// Per-call costs: the settings record both ways, and the link's reading path
// on random bytes and on back-to-back frames of the unit's settings.

#include "candidates.h"
#include "framecodec.h"
#include "mainwindow.h"
#include "unithistory.h"

#include <QRandomGenerator>
#include <QtTest>

namespace
{

const QString recordA = QStringLiteral("1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0");
const QString recordB = QStringLiteral("2;30;0;0;0;0;0;0;0;100;5;0;1;48;1;10;3;1;250;1");
constexpr qsizetype streamSize = 1 << 20;
const QString identity = QStringLiteral("/dev/serial/by-id/usb-Korvalin_3318-if00");

UnitHistory::Entry historyEntry(int number)
{
    return {QDateTime::currentDateTimeUtc(),
            QStringLiteral("/dev/ttyUSB0"),
            identity,
            QStringLiteral("1.0.10.2"),
            QStringLiteral("kv3318-config"),
            recordA + QLatin1Char(';') + QString::number(number)};
}

QByteArray randomBytes()
{
    QByteArray bytes(streamSize, Qt::Uninitialized);
    QRandomGenerator generator(3318); // the same stream in every run
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray frames()
{
    const QByteArray frame = "\x02" + recordA.toLatin1() + ";111;111\x03\r";
    QByteArray bytes;
    while (bytes.size() + frame.size() <= streamSize)
        bytes += frame;
    return bytes;
}

} // namespace

class Calls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(data.isValid());
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        // The form alone, no serial port.
        window = std::make_unique<MainWindow>(Candidates::named({}));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanupTestCase() { window.reset(); }

    // What keeping the unit's former settings adds to a send, with the
    // history at its limit, where every entry kept rewrites the file.
    void keepHistory()
    {
        for (int i = 0; i < UnitHistory::maxEntries; ++i)
            UnitHistory::keep(historyEntry(i));
        int number = UnitHistory::maxEntries;
        QBENCHMARK
        {
            UnitHistory::keep(historyEntry(number++));
        }
        QCOMPARE(UnitHistory::read(identity).entries.size(), UnitHistory::maxEntries);
    }

    void listHistory()
    {
        UnitHistory::Read read;
        QBENCHMARK
        {
            read = UnitHistory::read(identity);
        }
        QCOMPARE(read.entries.size(), UnitHistory::maxEntries);
    }

    void createDataString()
    {
        window->readDataString(recordA);
        QString record;
        QBENCHMARK
        {
            record = window->createDataString();
        }
        QCOMPARE(record, recordA);
    }

    void readDataString()
    {
        // Alternating, so every call changes the form and runs its rules.
        bool other = false;
        QBENCHMARK
        {
            window->readDataString(other ? recordB : recordA);
            other = !other;
        }
        QVERIFY(window->createDataString() == recordA || window->createDataString() == recordB);
    }

    void receive_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::newRow("random") << randomBytes();
        QTest::newRow("frames") << frames();
    }

    void receive()
    {
        QFETCH(QByteArray, stream);
        FrameCodec codec;
        qsizetype bodies = 0;
        QBENCHMARK
        {
            bodies += codec.feed(stream).size();
        }
        QVERIFY(bodies > 0);
    }

private:
    std::unique_ptr<MainWindow> window;
    QTemporaryDir data;
};

QTEST_MAIN(Calls)
#include "calls.moc"
