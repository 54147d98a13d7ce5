#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The image at `path` decoded once and held at the size it is shown, in
// device pixels, so a large source image costs neither memory nor a scaling
// at every paint.
QPixmap shownImage(const QString &path, QSize shownSize, qreal devicePixelRatio);
