#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

// Everything the window can be asked to do, each held once: the menus show
// them, the form's buttons trigger them, and each keyboard shortcut belongs
// to one of them alone.
struct WindowActions {
    QAction *record = nullptr;
    QAction *restore = nullptr;
    QAction *quit = nullptr;
    QMenu *recent = nullptr;
    QMenu *edit = nullptr;
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    QAction *search = nullptr;
    QAction *send = nullptr;
    QAction *receive = nullptr;
    QAction *messages = nullptr;
    QAction *rename = nullptr;
    QAction *history = nullptr;
    QAction *handbook = nullptr;
    QAction *about = nullptr;
    // The Unit menu lists the units found between these.
    QMenu *unit = nullptr;
    QAction *unitsStart = nullptr;
    QAction *unitsEnd = nullptr;
    QActionGroup *units = nullptr;
};
