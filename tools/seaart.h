#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// Painting pieces shared by all images, so that the banner, the mode buttons and the
// icon share one palette and one way of drawing water.

namespace sea
{

// A canvas with antialiasing on; drawn in premultiplied ARGB and converted at the end.
QImage canvas(QSize size);

// A row of waves breaking to the right. Troughs lie at `trough`, crests `height` above
// it; the first trough is at x = `phase`, the next one `length` further on.
struct WaveRow {
    qreal trough;
    qreal height;
    qreal length;
    qreal phase;
    QColor crest;
    QColor body;
};

void paintSky(QPainter &p, const QRectF &area);
void paintWaveRow(QPainter &p, const QRectF &area, const WaveRow &row, quint32 spraySeed);
// Calm deep water from a gently rolling `surface` down to the bottom of `area`.
void paintDeepWater(QPainter &p, const QRectF &area, qreal surface);

enum class Heading { Right, Left };
// A bright arrow with a soft shadow, so it stands out against deep water.
void paintArrow(QPainter &p, QPointF centre, qreal length, qreal height, Heading heading);

// A round picture of a breaking wave over deep water with a flow arrow, the product's
// emblem on the banner and the icon.
void paintMedallion(QPainter &p, QPointF centre, qreal radius);

} // namespace sea
