#include "modelettering.h"

#include "shownimage.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include <cmath>

namespace
{
// The images are drawn at 413 x 165; the lettering was laid out there.
constexpr qreal drawnWidth = 413;
constexpr qreal letteringSize = 60;
constexpr qreal letteringWidth = 385;
} // namespace

const std::array<ModeImage, 3> modeImages{{
    {"pulse", QT_TRANSLATE_NOOP("MainWindow", "pulse only"), false},
    {"interval", QT_TRANSLATE_NOOP("MainWindow", "interval"), true},
    {"sequential", QT_TRANSLATE_NOOP("MainWindow", "sequential"), false},
}};

void letterModeImage(QPixmap &image, const QString &name, bool lowered)
{
    const qreal scale = image.width() / drawnWidth;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    const qreal pixelSize = lowered ? letteringSize * 0.85 : letteringSize;
    font.setPixelSize(qRound(pixelSize));
    QPainterPath path;
    path.addText(0, 0, font, name);
    // A longer name is shrunk to fit the button.
    if (path.boundingRect().width() > letteringWidth) {
        font.setPixelSize(
            int(std::floor(pixelSize * letteringWidth / path.boundingRect().width())));
        path = QPainterPath();
        path.addText(0, 0, font, name);
    }
    // Centred across on the ink but up and down on the x-height, so that
    // descenders such as the "p" of "pulse" do not lift one word above the
    // others.
    const QFontMetricsF metrics(font);
    const QRectF ink = path.boundingRect();
    path.translate(drawnWidth / 2 - ink.center().x(), (lowered ? 66 : 52) + metrics.xHeight() / 2);
    const qreal size = font.pixelSize();
    p.strokePath(path, QPen(QColor(255, 255, 255, 70), size * 0.24, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
    p.strokePath(path, QPen(QColor(255, 255, 255, 190), size * 0.11, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
    p.fillPath(path, Qt::black);
}

QString letteredModeImageName(const QString &image, const QString &name)
{
    return QStringLiteral("lettered/%1/%2")
        .arg(image, QString::fromLatin1(QUrl::toPercentEncoding(name)));
}

QPixmap letteredModeImage(const QString &image, const QString &name, bool lowered, QSize shownSize,
                          qreal devicePixelRatio)
{
    QImage drawn(drawnImagePath(letteredModeImageName(image, name), devicePixelRatio));
    if (!drawn.isNull())
        return atShownSize(std::move(drawn), shownSize, devicePixelRatio);
    QPixmap pixmap = shownImage(image, shownSize, devicePixelRatio);
    letterModeImage(pixmap, name, lowered);
    return pixmap;
}
