#include "detectedwindow.h"

#include "candidates.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "records.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

std::unique_ptr<MainWindow> windowDetectedOn(PseudoTerminal &far, const QByteArray &firmware)
{
    auto window = std::make_unique<MainWindow>(Candidates::named({far.slavePath()}));
    if (far.read(4) != frame("?") || !far.write(frame("KV3318 " + firmware)))
        return nullptr;
    if (!QTest::qWaitFor([&window] { return window->form().sendButton->isEnabled(); }))
        return nullptr;
    return window;
}

QString notice(MainWindow &window)
{
    for (QLabel *label : window.statusBar()->findChildren<QLabel *>()) {
        if (label->accessibleName() == QLatin1String("what happened"))
            return label->text();
    }
    return {};
}
