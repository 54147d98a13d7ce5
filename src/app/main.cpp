#include "catalogs.h"
#include "commandline.h"
#include "mainwindow.h"
#include "shutdownsignals.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace
{
// What Qt says while it looks for a display, kept until it is known whether
// there is one.
QList<QPair<QtMsgType, QString>> startMessages;
const Catalogs *catalogs = nullptr;
const char *const noDisplay = QT_TRANSLATE_NOOP("main", "kv3318-config: there is no display to "
                                                        "show the window on; kv3318ctl does the "
                                                        "same work from a shell");

// Without a display Qt ends the program with an abort and a hint to
// reinstall it; one line that says what happened, and where to turn,
// serves better.
void holdStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(catalogs->translate("main", noDisplay)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    startMessages.append({type, qFormatLogMessage(type, context, message)});
}

// Looking the icon up in the icon themes takes milliseconds, and only the
// window manager shows it: it is set once the window has painted its first
// frame, or after a second when the window is not painted (started minimized).
class IconAfterFirstFrame : public QObject
{
public:
    explicit IconAfterFirstFrame(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
        QTimer::singleShot(1000, this, &IconAfterFirstFrame::setIcon);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the frame is finished and shown first.
            QTimer::singleShot(0, this, &IconAfterFirstFrame::setIcon);
        }
        return false;
    }

private:
    void setIcon()
    {
        if (done)
            return;
        done = true;
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kv3318.Config")));
        deleteLater();
    }

    bool done = false;
};
} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Catalogs loaded;
    catalogs = &loaded;
    Candidates candidates;
    {
        // Help, the version and mistakes are said in the user's language,
        // which needs an application object; a start of the window must not
        // have had one before its own.
        QString unsaid;
        QTextStream silent(&unsaid);
        if (CommandLine::handle(arguments, silent, silent, &candidates)) {
            int count = argc;
            const QCoreApplication commandLine(count, argv);
            loaded.install();
            return *CommandLine::handle(arguments, out, err, &candidates);
        }
    }

    const QtMessageHandler usual = qInstallMessageHandler(holdStartMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    for (const auto &[type, message] : std::as_const(startMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    loaded.install();

    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kv3318.Config"));
    MainWindow window(candidates);
    // Ended from outside (a terminal closed, a termination, Ctrl+C), the
    // window ends as when it is closed, a run's stop byte and all.
    ShutdownSignals shutdown;
    shutdown.install();
    QObject::connect(&shutdown, &ShutdownSignals::requested, &window, &MainWindow::leave);
    window.show();
    new IconAfterFirstFrame(&window);
    const int result = application.exec();
    return shutdown.exitStatus() > 128 ? shutdown.exitStatus() : result;
}
