#pragma once

#include <QPixmap>
#include <QString>

#include <array>

// A mode button's image and the mode's name written on it (translated in
// the MainWindow context); `lowered` writes it below the interval's emblem.
struct ModeImage {
    const char *image;
    const char *name;
    bool lowered;
};

// The modes in the order of their pages.
extern const std::array<ModeImage, 3> modeImages;

// A mode button's image with the mode's name written across it, in the
// user's language: bold black italic with a pale halo, readable over waves
// of any shade. `lowered` writes it lower, below the interval's emblem.
void letterModeImage(QPixmap &image, const QString &name, bool lowered);

// The mode button's image `image` lettered with `name`, at its shown size:
// as kv3318-draw-images drew it for the catalogs' names (under
// :/images/lettered/IMAGE/NAME, the name percent-encoded), so that the
// window's start strokes no letters; else lettered now.
QPixmap letteredModeImage(const QString &image, const QString &name, bool lowered, QSize shownSize,
                          qreal devicePixelRatio);

// The name under :/images/ of `image` lettered with `name`, without its
// @2x and suffix.
QString letteredModeImageName(const QString &image, const QString &name);
