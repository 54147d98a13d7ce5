#pragma once

#include <QImage>
#include <QSize>

// The finished images, each at the size the application shows it from.

enum class ModeButton { Pulse, Interval, Sequential };

// 413 x 165, opaque; shown stretched to 130 x 50.
QImage drawModeButton(ModeButton mode);
inline const QSize modeButtonShownSize(130, 50);

// 2646 x 531, opaque; shown scaled to at most 871 x 153.
QImage drawBanner();
inline const QSize bannerShownSize(871, 153);

// The application icon, size x size with a transparent surround, for desktop menus.
QImage drawAppIcon(int size);
