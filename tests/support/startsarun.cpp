// Linked into a copy of the tool for tests that run it as a process: once
// the window has found its unit, it switches the wave controller on and
// starts an adjustment run, as a user would with two clicks. With
// KV3318_TEST_CLOSE set, it then closes the window, as the window manager
// would; it says "asked" on standard output when the close question is open.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace
{
enum class Stage { Start, Close, Ask, Done };

void startARunWhenTheUnitIsThere()
{
    auto *poll = new QTimer(qApp);
    const auto stage = std::make_shared<Stage>(Stage::Start);
    QObject::connect(poll, &QTimer::timeout, [poll, stage] {
        if (*stage == Stage::Ask) {
            if (qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                std::puts("asked");
                std::fflush(stdout);
                *stage = Stage::Done;
                poll->stop();
            }
            return;
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *waveController = window->findChild<QAbstractButton *>("wavectrlCheckBox");
            auto *start = window->findChild<QAbstractButton *>("startButton");
            if (!waveController || !start)
                continue;
            if (*stage == Stage::Start) {
                waveController->setChecked(true);
                if (!start->isEnabled())
                    return;
                start->click();
                *stage =
                    qEnvironmentVariableIsSet("KV3318_TEST_CLOSE") ? Stage::Close : Stage::Done;
                if (*stage == Stage::Done)
                    poll->stop();
            } else if (*stage == Stage::Close) {
                *stage = Stage::Ask;
                // The window manager's close: the question is modal, so it
                // is asked from the event loop, not from inside this poll.
                QTimer::singleShot(0, window, &QWidget::close);
            }
            return;
        }
    });
    poll->start(50);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(startARunWhenTheUnitIsThere)
