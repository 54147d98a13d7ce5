#include "formchange.h"
#include "formview.h"
#include "mainwindow.h"
#include "windowactions.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QKeyEvent>
#include <QUndoStack>

namespace
{
// Every receive is a step too, so a day at the tank must not grow the
// window's memory without end.
constexpr int undoSteps = 100;
} // namespace

void MainWindow::createUndo()
{
    undoStack = new QUndoStack(this);
    undoStack->setUndoLimit(undoSteps);
    connect(undoStack, &QUndoStack::indexChanged, this, &MainWindow::applyState);
    // A spin box would take the undo keys for its own text; the form's undo
    // takes them wherever the focus is.
    for (QAbstractSpinBox *box : findChildren<QAbstractSpinBox *>())
        box->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            // Left unaccepted, the key goes to the window's action.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::recordStep(const Settings &before, const Settings &after, int field)
{
    if (takingStep || beforeRun || before == after)
        return;
    undoStack->push(new FormChange(*formView, before, after, field));
}

void MainWindow::takeStep(bool back)
{
    takingStep = true;
    if (back)
        undoStack->undo();
    else
        undoStack->redo();
    takingStep = false;
}

void MainWindow::beginRunStep()
{
    beforeRun = formView->settings();
}

void MainWindow::endRunStep()
{
    if (const std::optional<Settings> before = std::exchange(beforeRun, std::nullopt))
        recordStep(*before, formView->settings(), -1);
}
