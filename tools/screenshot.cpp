// Shows the real window with virtual units, and saves what it shows as PNG
// images into a folder: settings sent to the unit and confirmed
// (sent-and-confirmed.png), the Unit menu with two units (unit-menu.png),
// the File menu (menus.png), the list of messages (messages.png), the
// handbook (handbook.png), then an adjustment run under way
// (adjustment-run.png): the screenshots that the package's metadata shows.
// Given a file name as well, it saves only the run, under that name, in the
// language of the desktop it runs on.

#include "candidates.h"
#include "catalogs.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

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

// A virtual unit with these options; its port, or nothing when it did not start.
QString startUnit(QProcess &unit, const QStringList &options)
{
    unit.setProgram(QStringLiteral(KV3318_VIRTUAL_UNIT));
    unit.setArguments(options);
    unit.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unit.start();
    if (!unit.waitForStarted() || !runUntil([&unit] { return unit.canReadLine(); }, 5000))
        return {};
    return QString::fromLocal8Bit(unit.readLine().trimmed());
}

// The window with one of its menus open over it, as the screen shows them.
QPixmap withMenuOpen(QMainWindow &window, int menu)
{
    QAction *title = window.menuBar()->actions().value(menu);
    QMenu *open = title->menu();
    const QRect at = window.menuBar()->actionGeometry(title);
    open->popup(window.menuBar()->mapToGlobal(at.bottomLeft()));
    runUntil([] { return false; }, 200);
    QPixmap shot = window.grab();
    QPainter painter(&shot);
    painter.drawPixmap(open->pos() - window.mapToGlobal(QPoint(0, 0)), open->grab());
    painter.end();
    open->hide();
    return shot;
}

// The dialog an action of the window opens, as it shows.
QPixmap dialogOf(QMainWindow &window, const QString &actionText)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == actionText)
            action->trigger();
    }
    runUntil([] { return false; }, 300);
    QPixmap shot;
    for (QDialog *dialog : window.findChildren<QDialog *>()) {
        if (dialog->isVisible()) {
            shot = dialog->grab();
            dialog->close();
        }
    }
    return shot;
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

    // Two tanks: the window takes the first, the second waits in the Unit menu.
    QProcess unit, second;
    const QString port = startUnit(unit, {});
    const QString other = runOnly ? QString() : startUnit(second, {"--firmware", "1.0.10.1"});
    if (port.isEmpty() || (!runOnly && other.isEmpty())) {
        err << "the virtual unit did not start\n";
        return 1;
    }
    MainWindow window(Candidates::named(runOnly ? QStringList{port} : QStringList{port, other}));
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
    const auto save = [&folder, &err](const QPixmap &shot, const QString &name) {
        if (!shot.isNull() && shot.save(folder.filePath(name)))
            return true;
        err << "cannot write " << folder.filePath(name) << '\n';
        return false;
    };
    window.form().sendButton->click();
    // Confirmed once the unit's answer is in: send is offered again.
    if (!runUntil([&window] { return window.form().sendButton->isEnabled(); }, 5000) ||
        window.isWindowModified())
        return 1;
    if (!runOnly) {
        // Every unit has answered once the search is over.
        runUntil([] { return false; }, 1200);
        if (!save(window.grab(), QStringLiteral("sent-and-confirmed.png")) ||
            !save(withMenuOpen(window, 2), QStringLiteral("unit-menu.png")) ||
            !save(withMenuOpen(window, 0), QStringLiteral("menus.png")) ||
            !save(dialogOf(window, MainWindow::tr("&Messages...")),
                  QStringLiteral("messages.png")) ||
            !save(dialogOf(window, MainWindow::tr("&Handbook")), QStringLiteral("handbook.png")))
            return 1;
    }
    window.form().startButton->click();
    runUntil([&window] { return window.form().waveSSpinBox->value() >= 1.22; }, 10000);
    const bool saved =
        save(window.grab(), runOnly ? args[2] : QStringLiteral("adjustment-run.png"));
    window.form().stopButton->click();
    for (QProcess *started : {&unit, &second}) {
        started->terminate();
        started->waitForFinished();
    }
    return saved ? 0 : 1;
}
