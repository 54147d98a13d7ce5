#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// One of the form's images, held at the size it is shown, in device pixels.
// It comes from the copy drawn at its largest shown size, or at twice that
// for a dense screen, so that start-up never decodes the full drawing.
QPixmap shownImage(const QString &name, QSize shownSize, qreal devicePixelRatio);

// `image`, drawn for one of those two sizes, at the size it is shown.
QPixmap atShownSize(QImage image, QSize shownSize, qreal devicePixelRatio);

// The resource path of a drawn image under :/images/, with the @2x of a
// dense screen.
QString drawnImagePath(const QString &name, qreal devicePixelRatio);
