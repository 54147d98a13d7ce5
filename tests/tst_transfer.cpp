#include "candidates.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "protocol.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"

#include <QRandomGenerator>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

namespace
{
// The flood's debug lines ("bytes: ..." for every read) are formatted as
// usual but not printed.
void dropDebug(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

class TransferTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // An answer of the wrong length is said and uses up the request; while
    // an answer is awaited, receive waits too.
    void oneAnswerPerRequest()
    {
        PseudoTerminal line;
        const std::unique_ptr<MainWindow> detected = windowDetectedOn(line, "1.0.10.1");
        QVERIFY(detected);
        MainWindow &window = *detected;
        const QString start = window.createDataString();

        window.form().receiveButton->click();
        QCOMPARE(line.read(8), frame("0data"));
        QVERIFY(line.write(frame(exampleRecord + ";111;111") + frame(exampleRecord)));
        QTRY_VERIFY(notice(window).contains("no settings record of 20 field"));
        line.readFor(100);
        QCOMPARE(window.createDataString(), start);

        window.form().receiveButton->click();
        QVERIFY(!window.form().receiveButton->isEnabled());
        window.form().receiveButton->click();
        QCOMPARE(line.readFor(200).count("0data"), 1);
        QVERIFY(line.write(frame(exampleRecord)));
        QTRY_COMPARE(window.createDataString().toLatin1(), exampleRecord);
    }

    // An answer asked of a unit that was then let go, by a search or a
    // hang-up, is never taken from whatever answers next.
    void pendingReceiveIsForgottenWhenTheUnitGoes()
    {
        PseudoTerminal line;
        const std::unique_ptr<MainWindow> detected = windowDetectedOn(line);
        QVERIFY(detected);
        MainWindow &window = *detected;
        const QString start = window.createDataString();
        auto *search = window.statusBar()->findChild<QToolButton *>();

        // The same unit is found again and sends a record unasked.
        const auto foundAgainAndSent = [&] {
            QCOMPARE(line.read(4), QByteArray(Protocol::request));
            QVERIFY(line.write(frame("KV3318 1.0.10.2")));
            QTRY_VERIFY(window.form().sendButton->isEnabled());
            QVERIFY(line.write(frame(otherRecord + ";111;111")));
            line.readFor(100);
            QCOMPARE(window.createDataString(), start);
        };

        window.form().receiveButton->click();
        QCOMPARE(line.read(8), frame("0data"));
        search->click();
        // The unit found before is let go: nothing can be sent to it now.
        QVERIFY(!window.form().sendButton->isEnabled() &&
                !window.form().receiveButton->isEnabled());
        foundAgainAndSent();

        window.form().receiveButton->click();
        QCOMPARE(line.read(8), frame("0data"));
        // A hang-up that leaves the line in place: it is probed again at once.
        QVERIFY(line.hangUp());
        foundAgainAndSent();
    }

    void settingsArriveAfterAFlood()
    {
        PseudoTerminal far;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(far);
        QVERIFY(window);
        qInstallMessageHandler(dropDebug);

        // Megabytes of random bytes (frames begin and end at random), then a
        // message that never ends; the window reads while they are written.
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

        window->form().receiveButton->click();
        QCOMPARE(far.read(8), frame("0data"));
        const QByteArray settings = otherRecord + ";111;111";
        QVERIFY(far.write(frame(settings)));
        QTRY_COMPARE(window->createDataString(), QString::fromLatin1(settings));
        qInstallMessageHandler(nullptr);
    }
};

QTEST_MAIN(TransferTest)
#include "tst_transfer.moc"
