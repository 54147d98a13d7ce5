#include "artwork.h"
#include "seaart.h"

#include <utility>

#include <QLinearGradient>
#include <QPainterPath>

namespace
{

const QSize bannerSize(2646, 531);
const QColor bandBlue(0x9c, 0xd6, 0xf4);

QColor bandBlueAt(int alpha)
{
    QColor colour = bandBlue;
    colour.setAlpha(alpha);
    return colour;
}

struct Dot {
    qreal x, y, r;
};

// Spray thrown off the lip, and a few bubbles rising beside the emblem.
const Dot spray[] = {{1050, 180, 9}, {1070, 230, 6}, {1046, 292, 7}, {1078, 140, 4},
                     {1094, 196, 5}, {1036, 110, 5}, {1072, 300, 4}};
const Dot bubbles[] = {{600, 420, 16}, {640, 330, 10}, {590, 250, 12}, {660, 190, 7},
                       {700, 450, 8},  {620, 120, 6},  {720, 300, 5}};

// The long sweep of the band from below the crest to the right edge, `drop` lower than
// the band's own edge.
void appendSweep(QPainterPath &path, qreal width, qreal drop)
{
    path.cubicTo(1540, 385 + drop, 1740, 325 + drop, 2040, 350 + drop);
    path.cubicTo(2320, 372 + drop, 2470, 430 + drop, width + 10, 415 + drop);
}

// The top edge of the band: rising gently from the left, where the emblem sits, to a
// crest whose lip is thrown forward and curls down over a hollow, then down the face
// into the sweep that settles towards the bottom edge.
QPainterPath bandEdge(qreal width)
{
    QPainterPath edge(QPointF(-10, 70));
    edge.cubicTo(200, 70, 420, 12, 640, 12);
    edge.cubicTo(860, 12, 1040, 110, 1020, 262);
    edge.cubicTo(1000, 190, 920, 168, 888, 232);
    edge.cubicTo(858, 320, 960, 385, 1200, 385);
    appendSweep(edge, width, 0);
    return edge;
}

// Foam just inside the lip, following it from behind the crest down to its tip.
QPainterPath foam()
{
    QPainterPath foam(QPointF(520, 44));
    foam.cubicTo(760, 26, 975, 96, 994, 236);
    return foam;
}

QPainterPath closedBelow(QPainterPath edge, const QRectF &area)
{
    edge.lineTo(area.width() + 10, area.height() + 10);
    edge.lineTo(-10, area.height() + 10);
    edge.closeSubpath();
    return edge;
}

// Deeper layers of water inside the band, dropping under the emblem at the left.
QPainterPath swell(const QRectF &area, qreal drop)
{
    QPainterPath edge(QPointF(-10, 250 + drop));
    edge.cubicTo(420, 250 + drop, 820, 385 + drop, 1200, 385 + drop);
    appendSweep(edge, area.width(), drop);
    return closedBelow(edge, area);
}

void paintBand(QPainter &p, const QRectF &area)
{
    const QPainterPath edge = bandEdge(area.width());
    const QPainterPath band = closedBelow(edge, area);
    QLinearGradient light(0, 0, area.width(), 0);
    light.setColorAt(0.0, bandBlue);
    light.setColorAt(0.4, QColor(0xbc, 0xe4, 0xf8));
    light.setColorAt(1.0, bandBlue);
    p.setPen(Qt::NoPen);
    p.fillPath(band, light);

    p.save();
    p.setClipPath(band, Qt::IntersectClip);
    p.fillPath(swell(area, 50), QColor(0x6c, 0xbc, 0xea, 80));
    p.fillPath(swell(area, 105), QColor(0x4a, 0xa5, 0xde, 70));
    p.strokePath(edge.translated(0, 18), QPen(QColor(255, 255, 255, 90), 4));
    p.restore();

    p.strokePath(edge,
                 QPen(QColor(0x6c, 0xbd, 0xea), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The foam thickens from nothing behind the crest to full white over the lip.
    for (const auto &[width, alpha] : {std::pair{34, 110}, std::pair{13, 255}}) {
        QLinearGradient gather(520, 0, 760, 0);
        gather.setColorAt(0.0, QColor(255, 255, 255, 0));
        gather.setColorAt(1.0, QColor(255, 255, 255, alpha));
        p.strokePath(foam(), QPen(QBrush(gather), width, Qt::SolidLine, Qt::RoundCap));
    }

    p.setPen(Qt::NoPen);
    p.setBrush(bandBlueAt(200));
    for (const Dot &d : spray)
        p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);

    p.setBrush(QColor(255, 255, 255, 60));
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    for (const Dot &b : bubbles)
        p.drawEllipse(QPointF(b.x, b.y), b.r, b.r);
}

// Thin echoes of the sweep on the white ground, fading in from the crest.
void paintEchoes(QPainter &p, const QRectF &area)
{
    for (int i = 1; i <= 2; ++i) {
        const qreal lift = -40.0 * i;
        QPainterPath echo(QPointF(1150, 385 + lift));
        appendSweep(echo, area.width(), lift);
        QLinearGradient fade(1150, 0, area.width(), 0);
        fade.setColorAt(0.0, bandBlueAt(0));
        fade.setColorAt(0.3, bandBlueAt(220 / i));
        fade.setColorAt(1.0, bandBlueAt(90 / i));
        p.strokePath(echo, QPen(QBrush(fade), 7.0 / i, Qt::SolidLine, Qt::RoundCap));
    }
}

} // namespace

QImage drawBanner()
{
    QImage image = sea::canvas(bannerSize);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(image.rect());
    paintEchoes(p, area);
    paintBand(p, area);
    sea::paintMedallion(p, {330, 300}, 200);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}
