#include "clickablelabel.h"
#include "formview.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QTabBar>

void MainWindow::createAccessibility()
{
    // The form holds no mode buttons, so its tab order ends without them;
    // in reading order they follow the page's controls, top right.
    setTabOrder(ui->sequentialSSpinBox, pulseButton);
    setTabOrder(pulseButton, intervalButton);
    setTabOrder(intervalButton, sequentialButton);

    const QList<ClickableLabel *> modeButtons{pulseButton, intervalButton, sequentialButton};
    const auto markCurrentMode = [modeButtons](int page) {
        for (qsizetype index = 0; index < modeButtons.size(); ++index)
            modeButtons[index]->setChecked(index == page);
    };
    markCurrentMode(formView->settings().mode);
    connect(formView, &FormView::pageChanged, this, markCurrentMode);

    // The one tab has nothing to switch to: Tab passes it by.
    ui->tabWidget->tabBar()->setFocusPolicy(Qt::NoFocus);
}
