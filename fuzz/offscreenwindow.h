#pragma once

#include "candidates.h"
#include "fuzzcheck.h"
#include "mainwindow.h"

#include <QApplication>

// The real window for a fuzz target: offscreen, silent, with no candidate
// port to probe, and with Qt's own argument list so that Qt cannot take any
// of the fuzzer's flags.
inline MainWindow *startOffscreenWindow()
{
    qInstallMessageHandler(ignoreMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return new MainWindow(Candidates::named({}));
}
