#include "shownimage.h"

#include <QImage>

QPixmap shownImage(const QString &name, QSize shownSize, qreal devicePixelRatio)
{
    const QString suffix = devicePixelRatio > 1 ? QStringLiteral("@2x") : QString();
    QImage image(QStringLiteral(":/images/shown/%1%2.png").arg(name, suffix));
    const QSize pixels = shownSize * devicePixelRatio;
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
