#include "detectedwindow.h"

#include "candidates.h"
#include "mainwindow.h"
#include "pseudoterminal.h"
#include "records.h"
#include "settingsrecord.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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

namespace
{
QString mnemonicOf(QString text)
{
    text.replace(QLatin1String("&&"), QString());
    const qsizetype at = text.indexOf(u'&');
    return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toLower() : QString();
}

// Every text without its mnemonic, or whose mnemonic another one has.
QStringList clashes(const QStringList &texts)
{
    QStringList found, seen;
    for (const QString &text : texts) {
        const QString key = mnemonicOf(text);
        if (key.isEmpty() || seen.contains(key))
            found << text;
        seen << key;
    }
    return found;
}
} // namespace

QStringList mnemonicClashes(MainWindow &window)
{
    QStringList windowWide;
    for (QAction *menu : window.menuBar()->actions())
        windowWide << menu->text();
    for (QPushButton *button : window.centralWidget()->findChildren<QPushButton *>())
        windowWide << button->text();
    for (QCheckBox *box : window.centralWidget()->findChildren<QCheckBox *>())
        windowWide << box->text();
    QStringList found = clashes(windowWide);
    for (QMenu *menu : window.menuBar()->findChildren<QMenu *>()) {
        QStringList entries;
        for (QAction *entry : menu->actions()) {
            if (!entry->isSeparator())
                entries << entry->text();
        }
        found << clashes(entries);
    }
    return found;
}

QLabel *statusLabel(MainWindow &window)
{
    return window.statusBar()->findChild<QLabel *>();
}

QString notice(MainWindow &window)
{
    for (QLabel *label : window.statusBar()->findChildren<QLabel *>()) {
        if (label->accessibleName() == QLatin1String("what happened"))
            return label->text();
    }
    return {};
}
