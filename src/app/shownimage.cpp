#include "shownimage.h"

#include <QImageReader>

QPixmap shownImage(const QString &path, QSize shownSize, qreal devicePixelRatio)
{
    QImageReader reader(path);
    reader.setScaledSize(shownSize * devicePixelRatio);
    QPixmap image = QPixmap::fromImage(reader.read());
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}
