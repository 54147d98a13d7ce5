#include "handbook.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

namespace
{
class Text
{
    Q_DECLARE_TR_FUNCTIONS(Handbook)
};

// The screenshots are shown at a width the guide's text fits beside.
void fitImages(QTextDocument &document)
{
    constexpr int shownWidth = 560;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            const QTextFragment fragment = piece.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            image.setWidth(shownWidth);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}
} // namespace

QString Handbook::source()
{
    // The catalog names the guide written for its language.
    const QString localized = QStringLiteral(":/handbook/%1").arg(Text::tr("handbook.en.md"));
    return QFile::exists(localized) ? localized : QStringLiteral(":/handbook/handbook.en.md");
}

Handbook::Handbook(QWidget *parent) : QDialog(parent)
{
    Q_INIT_RESOURCE(handbook);
    setWindowTitle(tr("Korvalin 3318 Handbook"));
    auto *browser = new QTextBrowser;
    browser->setAccessibleName(tr("handbook"));
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl(QStringLiteral("qrc") + source()), QTextDocument::MarkdownResource);
    fitImages(*browser->document());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(760, 640);
}
