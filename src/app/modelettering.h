#pragma once

#include <QPixmap>
#include <QString>

// A mode button's image with the mode's name written across it, in the
// user's language: bold black italic with a pale halo, readable over waves
// of any shade. `lowered` writes it lower, below the interval's emblem.
void letterModeImage(QPixmap &image, const QString &name, bool lowered);
