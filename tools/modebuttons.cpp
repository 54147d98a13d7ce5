#include "artwork.h"
#include "seaart.h"

#include <QRadialGradient>

namespace
{

// The buttons are shown at about a third of this size, so the arrows are bold. The
// window writes each mode's name across the top, in the user's language.
const QSize buttonSize(413, 165);
const qreal surface = 90;

void paintWaves(QPainter &p, const QRectF &area)
{
    sea::paintSky(p, area);
    sea::paintWaveRow(p, area,
                      {40, 34, 118, 10, QColor(0xb4, 0xe1, 0xf7), QColor(0x6c, 0xbb, 0xea)}, 1);
    sea::paintWaveRow(p, area,
                      {84, 50, 160, 92, QColor(0x58, 0xb0, 0xe8), QColor(0x1f, 0x78, 0xc4)}, 2);
    sea::paintDeepWater(p, area, surface);
}

// The water between the surface and the bottom edge, where the arrows go.
qreal waterMiddle(const QRectF &area)
{
    return (surface + area.bottom()) / 2 + 1;
}

void paintPulseArrows(QPainter &p, const QRectF &area)
{
    const qreal y = waterMiddle(area);
    const qreal step = area.width() / 6;
    for (int i = 0; i < 6; ++i) {
        const bool large = i % 2 == 0;
        sea::paintArrow(p, {step * (i + 0.5), y}, large ? 58 : 34, large ? 40 : 22,
                        sea::Heading::Right);
    }
}

void paintIntervalArrows(QPainter &p, const QRectF &area)
{
    const qreal y = waterMiddle(area);
    const qreal pairWidth = area.width() / 3;
    for (int pair = 0; pair < 3; ++pair) {
        const sea::Heading heading = pair % 2 == 0 ? sea::Heading::Right : sea::Heading::Left;
        const qreal middle = pairWidth * (pair + 0.5);
        sea::paintArrow(p, {middle - 30, y}, 50, 32, heading);
        sea::paintArrow(p, {middle + 30, y}, 50, 32, heading);
    }
}

void paintSequentialArrows(QPainter &p, const QRectF &area)
{
    const qreal arrowHeight = 15;
    const qreal pitch = 17;
    const qreal y = waterMiddle(area);
    const qreal step = area.width() / 4;
    for (int column = 0; column < 4; ++column) {
        const int count = column + 1;
        const qreal first = y - pitch * (count - 1) / 2;
        for (int i = 0; i < count; ++i)
            sea::paintArrow(p, {step * (column + 0.5), first + pitch * i}, 48, arrowHeight,
                            sea::Heading::Right);
    }
}

// A small white disc with a clock face: the interval between changes of power.
void paintIntervalEmblem(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(centre + QPointF(1.5, 2), radius, radius);

    QRadialGradient face(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, QColor(0xe4, 0xf1, 0xfb));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x0b, 0x4a, 0x86), radius * 0.14));
    p.drawEllipse(centre, radius, radius);

    p.setPen(QPen(QColor(0x0b, 0x4a, 0x86), radius * 0.10, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; hour += 3) {
        p.save();
        p.translate(centre);
        p.rotate(hour * 30);
        p.drawLine(QPointF(0, -radius * 0.78), QPointF(0, -radius * 0.62));
        p.restore();
    }
    p.setPen(QPen(Qt::black, radius * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -radius * 0.60));
    p.drawLine(centre, centre + QPointF(radius * 0.42, radius * 0.10));
    p.restore();
}

} // namespace

QImage drawModeButton(ModeButton mode)
{
    QImage image = sea::canvas(buttonSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(image.rect());
    paintWaves(p, area);

    switch (mode) {
    case ModeButton::Pulse:
        paintPulseArrows(p, area);
        break;
    case ModeButton::Interval:
        paintIntervalArrows(p, area);
        // The window's lettering stands lower here, below the emblem.
        paintIntervalEmblem(p, {area.center().x(), 22}, 17);
        break;
    case ModeButton::Sequential:
        paintSequentialArrows(p, area);
        break;
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}
