#include "shownimage.h"

std::future<QImage> decodeInBackground(const QString &path)
{
    return std::async(std::launch::async, [path] { return QImage(path); });
}

QPixmap shownImage(const QImage &image, QSize shownSize, qreal devicePixelRatio)
{
    QPixmap shown = QPixmap::fromImage(image.scaled(
        shownSize * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(devicePixelRatio);
    return shown;
}
