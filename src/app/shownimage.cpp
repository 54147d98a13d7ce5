#include "shownimage.h"

QString drawnImagePath(const QString &name, qreal devicePixelRatio)
{
    return QStringLiteral(":/images/%1%2.png")
        .arg(name, devicePixelRatio > 1 ? QStringLiteral("@2x") : QString());
}

QPixmap shownImage(const QString &name, QSize shownSize, qreal devicePixelRatio)
{
    return atShownSize(QImage(drawnImagePath(QStringLiteral("shown/") + name, devicePixelRatio)),
                       shownSize, devicePixelRatio);
}

QPixmap atShownSize(QImage image, QSize shownSize, qreal devicePixelRatio)
{
    const QSize pixels = shownSize * devicePixelRatio;
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
