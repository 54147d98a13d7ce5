#include "mainwindow.h"

#include "ui_mainwindow.h"
#include "windowactions.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QPushButton>

namespace
{
QAction *menuEntry(QMenu *menu, const QString &text, QKeySequence shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

// Every key the platform binds to it, Ctrl+Shift+Z and Ctrl+Y for Redo.
QAction *menuEntry(QMenu *menu, const QString &text, QKeySequence::StandardKey keys)
{
    QAction *action = menu->addAction(text);
    action->setShortcuts(keys);
    return action;
}

// Where the platform has no standard key for quitting, Ctrl+Q is the one
// users know.
QKeySequence quitKeys()
{
    const QKeySequence standard(QKeySequence::Quit);
    return standard.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : standard;
}

// A form's button does what its action does, and may be pressed when it may.
void bind(QPushButton *button, QAction *action)
{
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
}
} // namespace

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(tr("&File"));
    actions->record = menuEntry(file, tr("&Record..."), QKeySequence::Save);
    actions->restore = menuEntry(file, tr("R&estore..."), QKeySequence::Open);
    actions->recent = file->addMenu(tr("Recent &files"));
    actions->recent->setObjectName(QStringLiteral("recentFiles"));
    file->addSeparator();
    actions->quit = menuEntry(file, tr("&Quit"), quitKeys());
    actions->quit->setMenuRole(QAction::QuitRole);

    actions->edit = bar->addMenu(tr("&Edit"));
    actions->undo = menuEntry(actions->edit, tr("&Undo"), QKeySequence::Undo);
    actions->redo = menuEntry(actions->edit, tr("&Redo"), QKeySequence::Redo);

    actions->unit = bar->addMenu(tr("&Unit"));
    actions->search = menuEntry(actions->unit, tr("&Search again"), Qt::Key_F5);
    actions->send = menuEntry(actions->unit, tr("Se&nd to unit"));
    actions->receive = menuEntry(actions->unit, tr("Re&ceive from unit"));
    actions->unitsStart = actions->unit->addSeparator();
    actions->unitsEnd = actions->unit->addSeparator();
    actions->rename = menuEntry(actions->unit, tr("&Rename unit..."));
    actions->history = menuEntry(actions->unit, tr("H&istory..."));
    actions->messages = menuEntry(actions->unit, tr("&Messages..."));
    actions->units = new QActionGroup(this);

    QMenu *help = bar->addMenu(tr("&Help"));
    actions->handbook = menuEntry(help, tr("&Handbook"), QKeySequence::HelpContents);
    // The form's own action, which it never placed anywhere.
    actions->about = ui->actionTest;
    actions->about->setMenuRole(QAction::AboutRole);
    help->addAction(actions->about);

    connect(actions->record, &QAction::triggered, this, &MainWindow::writeSettings);
    connect(actions->restore, &QAction::triggered, this, &MainWindow::loadSettings);
    connect(actions->quit, &QAction::triggered, this, &QWidget::close);
    connect(actions->search, &QAction::triggered, this, &MainWindow::searchAgain);
    connect(actions->send, &QAction::triggered, this, &MainWindow::on_sendButton_clicked);
    connect(actions->receive, &QAction::triggered, this, &MainWindow::on_receiveButton_clicked);
    connect(actions->rename, &QAction::triggered, this, &MainWindow::renameUnit);
    connect(actions->history, &QAction::triggered, this, &MainWindow::showHistory);
    connect(actions->undo, &QAction::triggered, this, [this] { takeStep(true); });
    connect(actions->redo, &QAction::triggered, this, [this] { takeStep(false); });
    connect(actions->messages, &QAction::triggered, this, &MainWindow::showMessages);
    connect(actions->handbook, &QAction::triggered, this, &MainWindow::showHandbook);
    connect(actions->about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(actions->units, &QActionGroup::triggered, this,
            [this](QAction *unit) { chooseUnit(unit->data().toString()); });

    bind(ui->recordButton, actions->record);
    bind(ui->restoreButton, actions->restore);
    bind(ui->sendButton, actions->send);
    bind(ui->receiveButton, actions->receive);
}
