// Linked into a copy of the tool for tests that run it as a process: once
// the window has found its unit, it switches the wave controller on and
// starts an adjustment run, as a user would with two clicks.

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace
{
void startARunWhenTheUnitIsThere()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *waveController = window->findChild<QAbstractButton *>("wavectrlCheckBox");
            auto *start = window->findChild<QAbstractButton *>("startButton");
            if (!waveController || !start)
                continue;
            waveController->setChecked(true);
            if (start->isEnabled()) {
                start->click();
                poll->stop();
            }
        }
    });
    poll->start(50);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(startARunWhenTheUnitIsThere)
