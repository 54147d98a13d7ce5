#include "artwork.h"
#include "seaart.h"

QImage drawAppIcon(int size)
{
    QImage image = sea::canvas({size, size});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 256-unit square and rendered at the size asked for, so that every size is
    // sharp rather than a scaled copy of the largest.
    p.scale(size / 256.0, size / 256.0);
    sea::paintMedallion(p, {128, 124}, 114);
    p.end();
    return image;
}
