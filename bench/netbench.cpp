// A unit on the network: the window's receive round trip over rfc2217:// on
// localhost, through a real ser2net, beside the same round trip on the
// pseudo-terminal behind it; and the longest event-loop pause while the
// window tries a refused and an unreachable candidate.

#include "candidates.h"
#include "mainwindow.h"
#include "ser2netprocess.h"
#include "ui_mainwindow.h"
#include "virtualunitprocess.h"
#include "waituntil.h"

#include <QApplication>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

// Blocks of round trips, taken in turn on each way, so that drift in the
// machine's load hits both.
constexpr int blocks = 5;
constexpr int tripsPerBlock = 100;
constexpr int pauseRuns = 5;
constexpr int pauseSpanMs = 5000;

const QString recordA =
    QStringLiteral("1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0;111;111");
const QString recordB = QStringLiteral("2;30;0;0;0;0;0;0;0;100;5;0;1;48;1;10;3;1;250;1;111;111");

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench: %s\n", what);
    std::exit(1);
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, int percent)
{
    std::sort(values.begin(), values.end());
    return values[values.size() * percent / 100];
}

// Receive round trips in a window on `port`: the form is set to another
// record and left to settle, then the time runs from the click until the
// form holds the unit's record.
void roundTrips(const QString &port, std::vector<double> &times)
{
    MainWindow window(Candidates::named({port}));
    window.show();
    if (!QTest::qWaitFor([&window] { return window.form().receiveButton->isEnabled(); }, 5000))
        fail("the window did not find the unit");
    for (int trip = 0; trip < tripsPerBlock; ++trip) {
        const QString &sent = trip % 2 ? recordB : recordA;
        window.readDataString(sent);
        window.form().sendButton->click();
        // Send reads its record back; receive waits for that answer.
        if (!waitUntil([&window] { return window.form().receiveButton->isEnabled(); }, 5000))
            fail("a send was not read back");
        window.readDataString(trip % 2 ? recordA : recordB);
        QTest::qWait(5);
        const Clock::time_point start = Clock::now();
        window.form().receiveButton->click();
        if (!waitUntil([&] { return window.createDataString() == sent; }, 5000))
            fail("a round trip did not come back");
        times.push_back(msSince(start));
    }
}

// The longest gap between two turns of the event loop over the span, while
// the window's first search and its retries run.
double longestPause(const QStringList &ports)
{
    MainWindow window(Candidates::named(ports));
    window.show();
    // From the first frame on, as for detection: painting the window once
    // is no part of trying the candidates.
    if (!QTest::qWaitForWindowExposed(&window))
        fail("the window was never shown");
    Clock::time_point last = Clock::now();
    double longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, msSince(last));
        last = Clock::now();
    });
    ticker.start(0);
    QTest::qWait(pauseSpanMs);
    return longest;
}

void row(const char *figure, const QString &measured, const QString &baseline,
         const QString &result, const char *target)
{
    std::printf("| %s | %s | %s | %s | %s |\n", figure, qPrintable(measured), qPrintable(baseline),
                qPrintable(result), target);
}

QString ms(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral(" ms");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (Ser2netProcess::program().isEmpty())
        fail("ser2net is not installed");

    std::vector<double> pty, rfc2217;
    {
        VirtualUnitProcess unit;
        Ser2netProcess ser2net(unit.portPath());
        if (unit.portPath().isEmpty() || !ser2net.isRunning())
            fail("the unit or ser2net did not start");
        std::fprintf(stderr, "round trips...\n");
        for (int block = 0; block < blocks; ++block) {
            roundTrips(unit.portPath(), pty);
            roundTrips(ser2net.rfc2217Url(), rfc2217);
        }
    }

    std::fprintf(stderr, "pauses...\n");
    quint16 refusedPort;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        refusedPort = closed.serverPort();
    }
    // A documentation address: no route to it, which takes the system a
    // moment to find, or a connect that waits out its 3 s.
    const QStringList failing{QStringLiteral("socket://127.0.0.1:%1").arg(refusedPort),
                              QStringLiteral("rfc2217://[2001:db8::1]:2217")};
    std::vector<double> pauses, idle;
    for (int run = 0; run < pauseRuns; ++run) {
        pauses.push_back(longestPause(failing));
        // The same window with nothing to try: what the machine itself adds.
        idle.push_back(longestPause({}));
    }

    std::printf("| figure | measured | baseline in the same run | result | target |\n");
    std::printf("|---|---|---|---|---|\n");
    const double ptyMedian = percentile(pty, 50), rfcMedian = percentile(rfc2217, 50);
    row("receive round trip over rfc2217:// through ser2net",
        ms(rfcMedian) + QStringLiteral(" (median of %1; 90%: %2)")
                            .arg(rfc2217.size())
                            .arg(ms(percentile(rfc2217, 90))),
        QStringLiteral("the pseudo-terminal behind it %1 (90%: %2)")
            .arg(ms(ptyMedian), ms(percentile(pty, 90))),
        QStringLiteral("%1%2")
            .arg(rfcMedian >= ptyMedian ? "+" : "")
            .arg(ms(rfcMedian - ptyMedian)),
        "within 2 ms");
    row("longest event-loop pause, a refused and an unreachable candidate tried",
        ms(percentile(pauses, 50)) + QStringLiteral(" (median of %1; worst %2)")
                                         .arg(pauseRuns)
                                         .arg(ms(*std::max_element(pauses.begin(), pauses.end()))),
        QStringLiteral("the window with no candidate %1 (worst %2)")
            .arg(ms(percentile(idle, 50)), ms(*std::max_element(idle.begin(), idle.end()))),
        ms(percentile(pauses, 50)), "<= 20 ms");
    return 0;
}
