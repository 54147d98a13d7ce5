#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// One of the form's images, held at the size it is shown, in device pixels.
// It comes from the copy drawn at its largest shown size, or at twice that
// for a dense screen, so that start-up never decodes the full drawing.
QPixmap shownImage(const QString &name, QSize shownSize, qreal devicePixelRatio);
