#include "detectedwindow.h"

#include "candidates.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "records.h"
#include "settingsrecord.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

std::unique_ptr<MainWindow> windowDetectedOn(PseudoTerminal &far, const QByteArray &firmware,
                                             const QByteArray &record)
{
    auto window = std::make_unique<MainWindow>(Candidates::named({far.slavePath()}));
    const bool extended =
        SettingsRecord::lengthFor(QString::fromLatin1(firmware)) == SettingsRecord::Extended;
    const QByteArray held = !record.isNull() ? record
                            : extended       ? startRecord + ";111;111"
                                             : startRecord;
    if (far.read(4) != frame("?") || !far.write(frame("KV3318 " + firmware)) ||
        far.read(8) != frame("0data") || !far.write(frame(held)))
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
