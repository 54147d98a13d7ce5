#include "artwork.h"
#include "seaart.h"

QImage drawAppIcon()
{
    QImage image = sea::canvas({256, 256});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sea::paintMedallion(p, {128, 124}, 114);
    p.end();
    return image;
}
