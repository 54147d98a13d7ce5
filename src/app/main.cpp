#include "commandline.h"
#include "mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Candidates candidates;
    if (const std::optional<int> exitStatus = CommandLine::handle(arguments, out, err, &candidates))
        return *exitStatus;

    QApplication application(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kv3318.Config"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kv3318.Config")));
    auto *window = new MainWindow(candidates);
    window->show();
    const int result = application.exec();
    delete window;
    return result;
}
