#include "mainwindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    auto *window = new MainWindow();
    window->show();
    const int result = application.exec();
    delete window;
    return result;
}
