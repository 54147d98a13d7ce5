// Draws the application's artwork into a resources directory: the banner and the mode
// buttons into images/, the mode buttons lettered in each language into images/lettered/,
// the desktop icon in every size a menu asks for into icons/hicolor/.

#include "artwork.h"
#include "modelettering.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QTextStream>
#include <QTranslator>

namespace
{

struct Output {
    QString path;
    QImage image;
};

const char *const applicationId = "org.kv3318.Config";
const int iconSizes[] = {48, 64, 128, 256};

// The largest size the window shows an image at, and the same at twice the
// pixels for dense screens under Qt's @2x name, so that the window never
// decodes the full drawing at start-up.
void addShownSizes(QList<Output> &outputs, const QString &name, const QImage image, QSize shown)
{
    for (const int ratio : {1, 2}) {
        const QString suffix = ratio == 1 ? QString() : QStringLiteral("@2x");
        outputs.append(
            {QStringLiteral("images/shown/%1%2.png").arg(name, suffix),
             image.scaled(shown * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
    }
}

// Each mode button lettered with its name in every catalog's language, at
// both shown sizes, where the window looks for it before it letters one
// itself.
bool addLettered(QList<Output> &outputs, const QList<QImage> &unlettered, QTextStream &err)
{
    for (const char *language : {"en", "de"}) {
        QTranslator catalog;
        if (!catalog.load(QStringLiteral(":/translations/kv3318_%1.qm").arg(language))) {
            err << "no catalog for " << language << "\n";
            return false;
        }
        for (size_t page = 0; page < modeImages.size(); ++page) {
            const ModeImage &mode = modeImages[page];
            QString name = catalog.translate("MainWindow", mode.name);
            if (name.isEmpty())
                name = QString::fromLatin1(mode.name);
            const QString path = letteredModeImageName(QLatin1String(mode.image), name);
            for (const int ratio : {1, 2}) {
                QPixmap image = QPixmap::fromImage(unlettered[qsizetype(page)].scaled(
                    modeButtonShownSize * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                letterModeImage(image, name, mode.lowered);
                outputs.append({QStringLiteral("images/%1%2.png")
                                    .arg(path, ratio == 1 ? QString() : QStringLiteral("@2x")),
                                image.toImage()});
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing is shown, so no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: " << QFileInfo(args.value(0)).fileName() << " RESOURCES-DIRECTORY\n";
        return 2;
    }

    // Other letters would change every image on redrawing; say so rather than silently
    // committing them.
    const QFontInfo font(QFont("DejaVu Sans"));
    if (font.family() != "DejaVu Sans")
        err << "warning: DejaVu Sans is not installed, lettering drawn in " << font.family()
            << "\n";

    const QDir root(args.at(1));
    QList<Output> outputs = {
        {"images/header.png", drawBanner()},
        {"images/pulse.png", drawModeButton(ModeButton::Pulse)},
        {"images/interval.png", drawModeButton(ModeButton::Interval)},
        {"images/sequential.png", drawModeButton(ModeButton::Sequential)},
    };
    addShownSizes(outputs, QStringLiteral("header"), outputs[0].image, bannerShownSize);
    const QStringList modes{QStringLiteral("pulse"), QStringLiteral("interval"),
                            QStringLiteral("sequential")};
    for (qsizetype mode = 0; mode < modes.size(); ++mode)
        addShownSizes(outputs, modes[mode], outputs[1 + mode].image, modeButtonShownSize);
    if (!addLettered(outputs, {outputs[1].image, outputs[2].image, outputs[3].image}, err))
        return 1;
    for (const int size : iconSizes)
        outputs.append({QString("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(applicationId),
                        drawAppIcon(size)});
    for (const Output &output : outputs) {
        const QString path = root.filePath(output.path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !output.image.save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
