#pragma once

#include <QImage>

// The finished images, each at the size the application shows it from.

enum class ModeButton { Pulse, Interval, Sequential };

// 413 x 165, opaque; shown stretched to 130 x 50.
QImage drawModeButton(ModeButton mode);

// 2646 x 531, opaque; shown scaled to at most 871 x 153.
QImage drawBanner();

// The application icon, size x size with a transparent surround, for desktop menus.
QImage drawAppIcon(int size);
