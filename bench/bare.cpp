// The baseline: the least a Qt program does to show a main window.

#include "probe.h"

#include <QApplication>
#include <QMainWindow>

// An empty window has no session to run: its memory is taken as it shows.
void runSession(QWidget *) {}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return application.exec();
}
