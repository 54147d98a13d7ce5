#include "seaart.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace sea
{

namespace
{

const QColor skyTop(0xf7, 0xfc, 0xff);
const QColor skyHorizon(0xc9, 0xe8, 0xfa);
const QColor deepTop(0x16, 0x62, 0xa8);
const QColor deepBottom(0x05, 0x22, 0x4a);
const QColor arrowLight(0xff, 0xff, 0xff);
const QColor arrowTint(0x86, 0xd6, 0xf6);
const QColor arrowEdge(0x03, 0x1c, 0x3b);

// The font is named rather than left to the platform so that redrawing gives the same
// letters everywhere the DejaVu fonts are installed.

// Point of one wave in units of its length and height, measured from its trough.
struct WaveFrame {
    qreal x0;
    qreal trough;
    qreal length;
    qreal height;
    QPointF at(qreal fx, qreal fy) const { return {x0 + fx * length, trough - fy * height}; }
};

// One wave from trough to trough: a long back slope, a lip thrown forward that curls
// back under itself, and a steep face below the lip. The gap under the lip stays open
// so that what lies behind shows through the curl.
void appendBreaker(QPainterPath &path, const WaveFrame &w)
{
    path.cubicTo(w.at(0.30, 0.00), w.at(0.42, 1.00), w.at(0.60, 1.00));
    path.cubicTo(w.at(0.72, 1.00), w.at(0.86, 0.82), w.at(0.83, 0.52));
    path.cubicTo(w.at(0.81, 0.34), w.at(0.71, 0.34), w.at(0.70, 0.50));
    path.cubicTo(w.at(0.69, 0.20), w.at(0.80, 0.00), w.at(1.00, 0.00));
}

// The lip alone, from just behind the crest into the curl: where the foam sits.
QPainterPath lipOf(const WaveFrame &w)
{
    QPainterPath lip(w.at(0.48, 0.96));
    lip.cubicTo(w.at(0.53, 1.00), w.at(0.57, 1.00), w.at(0.60, 1.00));
    lip.cubicTo(w.at(0.72, 1.00), w.at(0.86, 0.82), w.at(0.83, 0.52));
    lip.cubicTo(w.at(0.82, 0.44), w.at(0.78, 0.39), w.at(0.75, 0.40));
    return lip;
}

qreal firstTrough(const QRectF &area, const WaveRow &row)
{
    qreal x = row.phase;
    while (x > area.left())
        x -= row.length;
    return x;
}

void paintSpray(QPainter &p, const WaveFrame &w, QRandomGenerator &rng)
{
    const qreal unit = w.height * 0.05;
    for (int i = 0; i < 7; ++i) {
        const qreal fx = 0.62 + 0.26 * rng.generateDouble();
        const qreal fy = 0.92 + 0.30 * rng.generateDouble();
        const qreal r = unit * (0.4 + 0.8 * rng.generateDouble());
        p.setBrush(QColor(255, 255, 255, 150 + rng.bounded(100)));
        p.drawEllipse(w.at(fx, fy), r, r);
    }
}

QPolygonF arrowShape(qreal length, qreal height)
{
    const qreal shaft = height * 0.5;
    const qreal head = std::min(height * 0.85, length * 0.55);
    const qreal tail = -length / 2;
    const qreal neck = length / 2 - head;
    return QPolygonF({{tail, -shaft / 2},
                      {neck, -shaft / 2},
                      {neck, -height / 2},
                      {length / 2, 0},
                      {neck, height / 2},
                      {neck, shaft / 2},
                      {tail, shaft / 2}});
}

} // namespace

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paintSky(QPainter &p, const QRectF &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, skyTop);
    sky.setColorAt(1.0, skyHorizon);
    p.fillRect(area, sky);
}

void paintWaveRow(QPainter &p, const QRectF &area, const WaveRow &row, quint32 spraySeed)
{
    const qreal start = firstTrough(area, row);

    QPainterPath body(QPointF(start, area.bottom()));
    body.lineTo(start, row.trough);
    qreal x = start;
    for (; x < area.right(); x += row.length)
        appendBreaker(body, {x, row.trough, row.length, row.height});
    body.lineTo(x, area.bottom());
    body.closeSubpath();

    QLinearGradient fill(0, row.trough - row.height, 0, area.bottom());
    fill.setColorAt(0.0, row.crest);
    fill.setColorAt(0.45, row.body);
    fill.setColorAt(1.0, row.body.darker(135));
    p.setPen(Qt::NoPen);
    p.fillPath(body, fill);

    // A darker line just under the crests gives each wave its roundness.
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.strokePath(body, QPen(row.body.darker(150), row.height * 0.10));
    p.restore();

    QRandomGenerator rng(spraySeed);
    for (x = start; x < area.right(); x += row.length) {
        const WaveFrame w{x, row.trough, row.length, row.height};
        const QPainterPath lip = lipOf(w);
        p.strokePath(lip, QPen(QColor(255, 255, 255, 110), row.height * 0.20, Qt::SolidLine,
                               Qt::RoundCap, Qt::RoundJoin));
        p.strokePath(lip, QPen(QColor(255, 255, 255, 235), row.height * 0.08, Qt::SolidLine,
                               Qt::RoundCap, Qt::RoundJoin));
        paintSpray(p, w, rng);
    }
}

void paintDeepWater(QPainter &p, const QRectF &area, qreal surface)
{
    const qreal swell = area.height() * 0.012;
    const qreal wavelength = area.width() / 3.5;
    const qreal depth = area.bottom() - surface;

    QPainterPath line(QPointF(area.left(), surface));
    for (qreal x = area.left(); x <= area.right() + 2; x += 2)
        line.lineTo(x, surface + swell * qSin((x - area.left()) / wavelength * 2 * M_PI));
    QPainterPath water = line;
    water.lineTo(area.right() + 2, area.bottom());
    water.lineTo(area.left(), area.bottom());
    water.closeSubpath();

    QLinearGradient fill(0, surface, 0, area.bottom());
    fill.setColorAt(0.0, deepTop);
    fill.setColorAt(1.0, deepBottom);
    p.fillPath(water, fill);

    // Faint shafts of light fanning down from the surface.
    p.save();
    p.setClipPath(water, Qt::IntersectClip);
    QLinearGradient fade(0, surface, 0, area.bottom());
    fade.setColorAt(0.0, QColor(255, 255, 255, 34));
    fade.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    for (int i = 0; i < 5; ++i) {
        const qreal top = area.left() + area.width() * (0.08 + 0.21 * i);
        p.drawPolygon(QPolygonF({{top, surface},
                                 {top + depth * 0.25, surface},
                                 {top + depth * 0.75, area.bottom()},
                                 {top + depth * 0.35, area.bottom()}}));
    }
    p.restore();

    p.strokePath(line, QPen(QColor(255, 255, 255, 120), std::max(1.5, depth * 0.02)));
}

void paintArrow(QPainter &p, QPointF centre, qreal length, qreal height, Heading heading)
{
    const QPolygonF shape = arrowShape(length, height);

    p.save();
    p.translate(centre);
    if (heading == Heading::Left)
        p.scale(-1, 1);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPolygon(shape.translated(height * 0.07, height * 0.10));

    QLinearGradient fill(0, -height / 2, 0, height / 2);
    fill.setColorAt(0.0, arrowLight);
    fill.setColorAt(0.55, arrowTint);
    fill.setColorAt(1.0, arrowTint.darker(125));
    p.setBrush(fill);
    p.setPen(
        QPen(arrowEdge, std::max(1.2, height * 0.06), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(shape);
    p.restore();
}

void paintMedallion(QPainter &p, QPointF centre, qreal radius)
{
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    p.save();
    QRadialGradient shadow(centre + QPointF(0, radius * 0.06), radius * 1.12);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(0, radius * 0.06), radius * 1.12, radius * 1.12);

    QPainterPath clip;
    clip.addEllipse(disc);
    p.setClipPath(clip, Qt::IntersectClip);
    paintSky(p, disc);
    paintWaveRow(p, disc,
                 {disc.top() + radius * 0.78, radius * 0.34, radius * 0.95,
                  disc.left() + radius * 0.10, QColor(0xa8, 0xdc, 0xf6), QColor(0x5e, 0xb2, 0xe6)},
                 11);
    paintWaveRow(p, disc,
                 {disc.top() + radius * 1.18, radius * 0.62, radius * 1.75,
                  disc.left() - radius * 0.30, QColor(0x4c, 0xa8, 0xe4), QColor(0x1d, 0x72, 0xbe)},
                 12);
    paintDeepWater(p, disc, disc.top() + radius * 1.36);
    paintArrow(p, centre + QPointF(0, radius * 0.66), radius * 0.95, radius * 0.30, Heading::Right);
    p.restore();

    p.setPen(QPen(Qt::white, radius * 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(radius * 0.035, radius * 0.035, -radius * 0.035, -radius * 0.035));
    p.setPen(QPen(QColor(0x0b, 0x4a, 0x86), radius * 0.015));
    p.drawEllipse(disc);
}

} // namespace sea
