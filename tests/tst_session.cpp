// One unit's session, as both programs use it: what the unit holds as far
// as it is known, requests with their deadlines, send with read-back, the
// adjustment run, and the unit let go or lost.
#include "pseudoterminal.h"
#include "records.h"
#include "unitfinder.h"
#include "unithistory.h"
#include "unitlink.h"
#include "unitsession.h"
#include "virtualunitprocess.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace
{
// An answer's time a test can wait out.
const SessionTimings quick{200, 300};

// A session with the unit on `port`; `answer`, when given, answers the probe
// as the unit would.
std::unique_ptr<UnitSession> sessionOn(const QString &port,
                                       const std::function<bool()> &answer = nullptr)
{
    UnitFinder finder(Candidates::named({port}), LinkTimings{20, 1000});
    std::unique_ptr<UnitSession> session;
    QObject::connect(&finder, &UnitFinder::unitFound, [&](UnitLink *unit) {
        finder.claim(unit);
        session = std::make_unique<UnitSession>(unit, quick);
    });
    finder.search();
    if ((answer && !answer()) || !QTest::qWaitFor([&session] { return session != nullptr; }))
        return nullptr;
    return session;
}

// A session with the unit on `far`, which answers the probe as a unit with
// this firmware.
std::unique_ptr<UnitSession> sessionOn(PseudoTerminal &far, const QByteArray &firmware = "1.0.10.1")
{
    return sessionOn(far.slavePath(), [&] {
        return far.read(4) == frame("?") && far.write(frame("KV3318 " + firmware));
    });
}
} // namespace

class SessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every test begins with no history.
    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    }

    // Only the first message after a request answers it, and only within
    // its time; a probe's late reply answers nothing.
    void requestsAndTheirDeadlines()
    {
        PseudoTerminal far;
        const auto session = sessionOn(far);
        QVERIFY(session);
        QSignalSpy received(session.get(), &UnitSession::received);
        QVERIFY(!session->held());

        QVERIFY(far.write(frame(exampleRecord)));
        far.readFor(50);
        QVERIFY(received.isEmpty());

        session->requestSettings();
        QVERIFY(session->isBusy());
        QCOMPARE(far.read(8), frame("0data"));
        QVERIFY(far.write(frame("KV3318 1.0.10.1") + frame(exampleRecord) + frame(otherRecord)));
        QVERIFY(received.wait());
        QCOMPARE(received.size(), 1);
        const auto answer = received.first().first().value<SettingsAnswer>();
        QCOMPARE(answer.kind, SettingsAnswer::Received);
        QCOMPARE(answer.record.toLatin1(), exampleRecord);
        QCOMPARE(SettingsRecord::write(*session->held(), SettingsRecord::Basic).toLatin1(),
                 exampleRecord);
        QVERIFY(!session->isBusy());

        session->requestSettings();
        QVERIFY(received.wait());
        QCOMPARE(received.last().first().value<SettingsAnswer>().kind, SettingsAnswer::NoAnswer);
        QVERIFY(far.write(frame(otherRecord)));
        far.readFor(50);
        QCOMPARE(received.size(), 2);
        QCOMPARE(SettingsRecord::write(*session->held(), SettingsRecord::Basic).toLatin1(),
                 exampleRecord);
    }

    // Megabytes of random bytes (frames begin and end at random), then a
    // message that never ends, read while they are written: the answer
    // after them is still taken.
    void answerAfterAFlood()
    {
        PseudoTerminal far;
        const auto session = sessionOn(far);
        QVERIFY(session);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QRandomGenerator noise(3318);
        QByteArray piece(64 * 1024, '\0');
        for (int i = 0; i < 64; ++i) {
            noise.fillRange(reinterpret_cast<quint32 *>(piece.data()), piece.size() / 4);
            QVERIFY(far.write(piece));
        }
        piece.fill('x');
        QVERIFY(far.write("\x02"));
        for (int i = 0; i < 64; ++i)
            QVERIFY(far.write(piece));
        QSignalSpy received(session.get(), &UnitSession::received);
        session->requestSettings();
        QVERIFY(far.write(frame(otherRecord)));
        QVERIFY(received.wait());
        qInstallMessageHandler(nullptr);
        QCOMPARE(received.first().first().value<SettingsAnswer>().record.toLatin1(), otherRecord);
    }

    // The unit keeps a value of its own: the send is no confirmation, and
    // what the unit holds is taken from its read-back. (What the programs
    // say of it, field by field, their own tests check.)
    void sendReadsBackAndCompares()
    {
        VirtualUnitProcess unit({"--firmware", "1.0.10.1", "--hold", "11=12"});
        const auto session = sessionOn(unit.portPath());
        QVERIFY(session);
        QSignalSpy sent(session.get(), &UnitSession::sent);
        session->send(QString::fromLatin1(exampleRecord));
        QVERIFY(sent.wait());
        QCOMPARE(sent.first().first().value<SendOutcome>().kind, SendOutcome::Differs);
        QCOMPARE(session->held()->foodMinutes, 12);
        // Nothing was known of what the unit held: it was asked first.
        QCOMPARE(unit.lines(),
                 QStringList({"probe", "request", "settings " + exampleRecord, "request"}));
        const QString tuned = QString(exampleRecord).replace(";38;10;", ";38;12;");

        // Each send keeps what the unit held before it, a record once.
        for (int i = 0; i < 3; ++i) {
            session->send(tuned);
            QVERIFY(sent.wait());
            QCOMPARE(sent.last().first().value<SendOutcome>().kind, SendOutcome::Confirmed);
        }
        const QList<UnitHistory::Entry> kept = UnitHistory::read(session->identity()).entries;
        QCOMPARE(kept.size(), 2);
        QCOMPARE(kept[0].record, tuned);
        QCOMPARE(kept[1].port, unit.portPath());
        QCOMPARE(kept[1].firmware, "1.0.10.1");
        QVERIFY(kept[1].record != tuned);
    }

    // A unit that does not say what it holds before a send still gets the
    // record, and the outcome says that nothing was kept. A read-back of
    // another length is no confirmation, whatever its first fields hold.
    void sendWithoutWhatTheUnitHeldOrOfAnotherLength()
    {
        PseudoTerminal far;
        const auto session = sessionOn(far, "1.0.10.2");
        QVERIFY(session);
        QSignalSpy sent(session.get(), &UnitSession::sent);
        const QByteArray record = exampleRecord + ";111;111";
        session->send(QString::fromLatin1(record));
        QVERIFY(sent.wait());
        QVERIFY(sent.first().first().value<SendOutcome>().heldUnknown);
        QCOMPARE(far.readFor(50), frame("0data") + frame(record) + frame("0data"));
        QVERIFY(UnitHistory::identities().isEmpty());

        session->send(QString::fromLatin1(record));
        QCOMPARE(far.read(frame("0data").size()), frame("0data"));
        QVERIFY(far.write(frame(exampleRecord + ";0;0")));
        QVERIFY(far.write(frame(exampleRecord)));
        QVERIFY(sent.wait());
        const auto outcome = sent.last().first().value<SendOutcome>();
        QCOMPARE(outcome.kind, SendOutcome::Differs);
        QCOMPARE(outcome.heldFields, 20);
        QCOMPARE(outcome.sentFields, 22);
    }

    // Every step goes out as it is taken and is what the unit holds; the
    // end, however it comes, sends the stop byte.
    void runStepsStopsAndLoss()
    {
        PseudoTerminal far;
        const auto session = sessionOn(far);
        QVERIFY(session);
        session->requestSettings();
        QVERIFY(far.write(frame(exampleRecord)));
        QTRY_VERIFY(session->held());
        QSignalSpy ended(&session->run(), &WaveRun::ended);

        session->startRun(2.48, false, 2.50);
        QVERIFY(session->isRunning());
        session->run().advance();
        QCOMPARE(session->held()->waveSeconds, 2.49);
        session->run().advance();
        QVERIFY(!session->isRunning());
        QCOMPARE(far.readFor(100).mid(8),
                 adjustFrame(248) + adjustFrame(249) + adjustFrame(250) + stopByte);
        QCOMPARE(ended.last().first().value<WaveRun::End>(), WaveRun::End::Reached);

        session->startRun(0.30, false, 2.50);
        session->run().stop();
        QCOMPARE(far.readFor(100), adjustFrame(30) + stopByte);

        // A unit lost ends everything that waited on it, and says whether a
        // run ended with it.
        QSignalSpy received(session.get(), &UnitSession::received);
        QSignalSpy lost(session.get(), &UnitSession::lost);
        session->startRun(0.30, false, 2.50);
        session->requestSettings();
        far.closeMaster();
        QVERIFY(lost.wait());
        QCOMPARE(lost.first().at(1).toBool(), true);
        QCOMPARE(received.first().first().value<SettingsAnswer>().kind, SettingsAnswer::Lost);
        QVERIFY(!session->isRunning() && !session->isPresent() && !session->isBusy());
    }

    // Leaving ends a run with its stop byte and waits for it.
    void leavingSendsTheStopByte()
    {
        PseudoTerminal far;
        const auto session = sessionOn(far);
        QVERIFY(session);
        // What had reached the line when the session said it had left.
        QByteArray onTheLine;
        bool allWritten = false;
        connect(session.get(), &UnitSession::left, this, [&](bool all) {
            allWritten = all;
            onTheLine = far.readFor(0);
        });
        session->startRun(0.30, false, 2.50);
        session->leave();
        QTRY_VERIFY(allWritten);
        QCOMPARE(onTheLine, adjustFrame(30) + stopByte);
        QVERIFY(!session->isPresent());
    }

private:
    std::unique_ptr<QTemporaryDir> data;
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
