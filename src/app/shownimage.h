#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>

// Decodes the image at `path` on a thread of its own, so that a large image
// is ready by the time the window has been built around it.
std::future<QImage> decodeInBackground(const QString &path);

// The image held at the size it is shown, in device pixels, so that a large
// source image costs neither memory nor a scaling at every paint.
QPixmap shownImage(const QImage &image, QSize shownSize, qreal devicePixelRatio);
