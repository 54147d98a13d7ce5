// Linked beside a program's own main(): it watches the program from inside
// without changing a line of it, told what to do by KV3318_BENCH, since the
// program's own command line takes no options of ours. With "frame" the
// program reports when its window's first frame reached the screen and
// quits; with "session" it reports its peak memory at that moment and then
// runs runSession(); "pauses" and "filled" run it as well, to watch the
// event loop or the form.

#include "probe.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace
{

class FirstFrame : public QObject
{
public:
    FirstFrame(bool session, QObject *parent) : QObject(parent), session(session) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || !watched->isWindowType() ||
            !static_cast<QWindow *>(watched)->isExposed())
            return false;
        qApp->removeEventFilter(this);
        // The window paints and hands its frame to the display while it
        // handles this event, so the frame is shown once that has returned.
        watched->event(event);
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("frame %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QWidget *window = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == watched)
                window = widget;
        // Queued: the event loop may not run yet, and quitting before it
        // does would be lost.
        QTimer::singleShot(0, qApp, [this, window] {
            if (session) {
                printPeakMemory("shown");
                runSession(window);
            }
            QCoreApplication::quit();
        });
        return true;
    }

private:
    bool session;
};

void installProbe()
{
    // Never the machine's own serial ports, even when started by hand.
    if (!qEnvironmentVariableIsSet("KV3318_PORTS"))
        qputenv("KV3318_PORTS", "");
    const QString mode = qEnvironmentVariable("KV3318_BENCH");
    const bool session = mode == QLatin1String("session") || mode == QLatin1String("pauses") ||
                         mode == QLatin1String("filled");
    if (session || mode == QLatin1String("frame"))
        qApp->installEventFilter(new FirstFrame(session, qApp));
}

} // namespace

void printPeakMemory(const char *moment)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak-%s %ld\n", moment, usage.ru_maxrss);
    std::fflush(stdout);
}

Q_COREAPP_STARTUP_FUNCTION(installProbe)
