#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class MainWindow;
class QLabel;
class PseudoTerminal;

// A new window whose detection found a unit on `far`, answering the probe
// as a unit with the given firmware and the read of its settings with
// `record` (the form's start at the firmware's length when null); null when
// the window never probed or never took the answer.
std::unique_ptr<MainWindow> windowDetectedOn(PseudoTerminal &far,
                                             const QByteArray &firmware = "1.0.10.2",
                                             const QByteArray &record = {});

// The status bar's label that says whether and where a unit was found.
QLabel *statusLabel(MainWindow &window);
// What the window's status bar says happened.
QString notice(MainWindow &window);

// The keys that open the window's menus and press its form's buttons and
// check boxes, and those of each menu's entries, that more than one holds.
QStringList mnemonicClashes(MainWindow &window);
