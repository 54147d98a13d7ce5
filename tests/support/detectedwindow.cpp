#include "detectedwindow.h"

#include "mainwindow.h"
#include "pseudoterminal.h"
#include "records.h"

#include <QTest>

std::unique_ptr<MainWindow> windowDetectedOn(PseudoTerminal &far, const QByteArray &firmware)
{
    qputenv("KV3318_PORTS", far.slavePath().toLocal8Bit());
    auto window = std::make_unique<MainWindow>();
    qputenv("KV3318_PORTS", "");
    if (far.read(4) != frame("?") || !far.write(frame("KV3318 " + firmware)))
        return nullptr;
    if (!QTest::qWaitFor([&window] { return window->sendButton->isEnabled(); }))
        return nullptr;
    return window;
}
