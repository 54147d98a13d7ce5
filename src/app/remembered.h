#pragma once

#include <QSettings>

// Where the window keeps what it remembers between runs: the unit in use,
// the files and folder used last, its position.
QSettings rememberedSettings();
