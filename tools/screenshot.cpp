// Shows the real window with the virtual unit as its unit, and saves what it
// shows as PNG images into a folder: settings sent to the unit and confirmed
// (sent-and-confirmed.png), then an adjustment run under way
// (adjustment-run.png), the screenshots that the package's metadata shows.
// Given a file name as well, it saves only the run, under that name, in the
// language of the desktop it runs on.

#include "candidates.h"
#include "catalogs.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPixmap>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace
{

// Runs the window's events until `done` holds, or for `ms` at most.
bool runUntil(const std::function<bool()> &done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const Catalogs catalogs;
    QApplication app(argc, argv);
    catalogs.install();
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 3) {
        err << "usage: " << QFileInfo(args.value(0)).fileName() << " FOLDER [RUN-FILE-NAME]\n";
        return 2;
    }
    const bool runOnly = args.size() == 3;

    QProcess unit;
    unit.setProgram(QStringLiteral(KV3318_VIRTUAL_UNIT));
    unit.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unit.start();
    if (!unit.waitForStarted() || !runUntil([&unit] { return unit.canReadLine(); }, 5000)) {
        err << "the virtual unit did not start: " << unit.errorString() << '\n';
        return 1;
    }
    const QString port = QString::fromLocal8Bit(unit.readLine().trimmed());
    MainWindow window(Candidates::named({port}));
    window.show();
    if (!runUntil([&window] { return window.form().sendButton->isEnabled(); }, 5000)) {
        err << "the window did not detect the virtual unit\n";
        return 1;
    }

    // A configured interval mode with the wave controller on, sent, then
    // two steps into a run from 1.20 s.
    window.form().stackedWidget->setCurrentIndex(1);
    window.form().intervalMSpinBox->setValue(30);
    window.form().power11SpinBox->setValue(100);
    window.form().power12SpinBox->setValue(80);
    window.form().power21SpinBox->setValue(50);
    window.form().power22SpinBox->setValue(40);
    window.form().moonCheckBox->setChecked(true);
    window.form().wavectrlCheckBox->setChecked(true);
    window.form().waveSSpinBox->setValue(1.2);
    const QDir folder(args[1]);
    const auto save = [&window, &folder, &err](const QString &name) {
        if (window.grab().save(folder.filePath(name)))
            return true;
        err << "cannot write " << folder.filePath(name) << '\n';
        return false;
    };
    window.form().sendButton->click();
    // Confirmed once the unit's answer is in: send is offered again.
    if (!runUntil([&window] { return window.form().sendButton->isEnabled(); }, 5000) ||
        window.isWindowModified() || (!runOnly && !save(QStringLiteral("sent-and-confirmed.png"))))
        return 1;
    window.form().startButton->click();
    runUntil([&window] { return window.form().waveSSpinBox->value() >= 1.22; }, 10000);
    const bool saved = save(runOnly ? args[2] : QStringLiteral("adjustment-run.png"));
    window.form().stopButton->click();
    unit.terminate();
    unit.waitForFinished();
    return saved ? 0 : 1;
}
