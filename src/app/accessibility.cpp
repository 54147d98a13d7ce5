#include "clickablelabel.h"
#include "formview.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>

void MainWindow::createAccessibility()
{
    // The form holds no mode buttons, so its tab order ends without them;
    // in reading order they follow the page's controls, top right.
    setTabOrder(ui->sequentialSSpinBox, pulseButton);
    setTabOrder(pulseButton, intervalButton);
    setTabOrder(intervalButton, sequentialButton);

    // The images say the modes' names; screen readers cannot read them.
    const QList<ClickableLabel *> modeButtons{pulseButton, intervalButton, sequentialButton};
    pulseButton->setAccessibleName(tr("pulse only"));
    intervalButton->setAccessibleName(tr("interval"));
    sequentialButton->setAccessibleName(tr("sequential"));
    const auto markCurrentMode = [modeButtons](int page) {
        for (qsizetype index = 0; index < modeButtons.size(); ++index)
            modeButtons[index]->setChecked(index == page);
    };
    markCurrentMode(formView->settings().mode);
    connect(formView, &FormView::pageChanged, this, markCurrentMode);

    auto *recordAction = new QAction(this);
    recordAction->setShortcut(QKeySequence::Save);
    connect(recordAction, &QAction::triggered, this, &MainWindow::writeSettings);
    auto *restoreAction = new QAction(this);
    restoreAction->setShortcut(QKeySequence::Open);
    connect(restoreAction, &QAction::triggered, this, &MainWindow::loadSettings);
    addActions({recordAction, restoreAction});
}
