#include "mainwindow.h"
#include "protocol.h"
#include "waverun.h"

#include <QToolButton>

// Searching is offered while neither a search nor an adjustment run is
// under way; a run needs its unit to stay where it is.
void MainWindow::allowSearchAgain()
{
    searchButton->setEnabled(!protocol->isProbing() && !waveRun->isRunning());
}

void MainWindow::searchAgain()
{
    if (protocol->isProbing() || waveRun->isRunning())
        return;
    // The search lets go of the unit found before.
    if (protocol->isDetected())
        showNoUnit();
    protocol->checkInterface();
}
