// A long session of the tool, driven from inside through its own slots: the
// unit found, a full adjustment run fired without waiting, then send and
// receive round trips, each receive timed from the click until the form
// holds the unit's settings.

#include "mainwindow.h"
#include "probe.h"
#include "protocol.h"
#include "ui_mainwindow.h"
#include "unitsession.h"
#include "waituntil.h"

#include <QAbstractEventDispatcher>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

constexpr int adjustSteps = 221;
constexpr int roundTrips = 1000;

// Extended records: the bench starts the virtual unit with a firmware above
// 1.0.10.1. Both are records the form reproduces exactly.
const QString recordA =
    QStringLiteral("1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0;111;111");
const QString recordB = QStringLiteral("2;30;0;0;0;0;0;0;0;100;5;0;1;48;1;10;3;1;250;1;111;111");

// Until nothing is left to do: the form has settled and repainted, as it
// has by the time a person clicks.
void settle()
{
    while (QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents)) {
    }
}

void fail(const char *what)
{
    std::printf("failed %s\n", what);
    std::fflush(stdout);
}

// The longest stretch in which the event loop did not turn, from the first
// frame until the unit is detected: a zero-interval timer fires at every
// turn, so the gaps between its ticks are the pauses.
void printLongestPause(MainWindow *window)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point last = Clock::now();
    Clock::duration longest{};
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, now - last);
        last = now;
    });
    ticker.start(0);
    if (!waitUntil([window] { return window->form().receiveButton->isEnabled(); }, 10000))
        return fail("detection");
    std::printf("pause-longest %.3f\n", std::chrono::duration<double, std::milli>(longest).count());
    std::fflush(stdout);
}

using Clock = std::chrono::steady_clock;
Clock::time_point settled;

void noteSettled(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QLatin1String("listening for data on")))
        settled = Clock::now();
}

// From the end of the line's settle to the form showing the unit's food
// timer, which the bench's unit holds at another value than the form's start.
void printFilled(MainWindow *window)
{
    qInstallMessageHandler(noteSettled);
    if (!waitUntil([window] { return window->form().foodMSpinBox->value() != 1; }, 5000) ||
        settled == Clock::time_point())
        return fail("filled");
    std::printf("filled %.3f\n",
                std::chrono::duration<double, std::milli>(Clock::now() - settled).count());
    std::fflush(stdout);
}
} // namespace

void runSession(QWidget *widget)
{
    auto *window = qobject_cast<MainWindow *>(widget);
    if (window && qEnvironmentVariable("KV3318_BENCH") == QLatin1String("pauses"))
        return printLongestPause(window);
    if (window && qEnvironmentVariable("KV3318_BENCH") == QLatin1String("filled"))
        return printFilled(window);
    if (!window || !waitUntil([window] { return window->form().receiveButton->isEnabled(); }, 5000))
        return fail("detection");
    printPeakMemory("detected");

    window->form().wavectrlCheckBox->setChecked(true);
    window->form().waveSSpinBox->setValue(window->form().waveSSpinBox->minimum());
    window->form().startButton->click();
    WaveRun &run = window->connection().session()->run();
    for (int step = 1; step < adjustSteps; ++step)
        run.advance();
    if (!window->form().startButton->isEnabled())
        return fail("adjustment");

    std::vector<double> times;
    for (int trip = 0; trip < roundTrips; ++trip) {
        const QString &sent = trip % 2 ? recordB : recordA;
        window->readDataString(sent);
        window->form().sendButton->click();
        // Send reads its record back; receive waits for that answer.
        if (!waitUntil([window] { return window->form().receiveButton->isEnabled(); }, 5000))
            return fail("send");
        window->readDataString(trip % 2 ? recordA : recordB);
        settle();
        const auto start = std::chrono::steady_clock::now();
        window->form().receiveButton->click();
        if (!waitUntil([&] { return window->createDataString() == sent; }, 5000))
            return fail("round trip");
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        // Halfway as well: growth over the second half is what long use adds.
        if (trip + 1 == roundTrips / 2)
            printPeakMemory("half");
    }
    printPeakMemory("used");
    std::sort(times.begin(), times.end());
    std::printf("roundtrip %.3f %.3f\n", times[times.size() / 2], times[times.size() * 9 / 10]);
    std::fflush(stdout);
}
