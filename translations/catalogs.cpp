#include "catalogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Catalogs::Catalogs()
{
    const auto add = [this](auto &&load) {
        auto catalog = std::make_unique<QTranslator>();
        if (load(*catalog))
            loaded.push_back(std::move(catalog));
    };
    add([](QTranslator &catalog) {
        return catalog.load(QStringLiteral(":/translations/kv3318_en.qm"));
    });
    const QLocale locale = QLocale::system();
    // Qt's own texts, such as the file dialog's, where the system has them.
    // Not those of Qt Serial Port: its texts go into the debug output, which
    // stays English.
    add([&](QTranslator &catalog) {
        return catalog.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    add([&](QTranslator &catalog) {
        return catalog.load(locale, QStringLiteral("kv3318"), QStringLiteral("_"),
                            QStringLiteral(":/translations"));
    });
}

void Catalogs::install() const
{
    for (const auto &catalog : loaded)
        QCoreApplication::installTranslator(catalog.get());
}

QString Catalogs::translate(const char *context, const char *sourceText) const
{
    for (auto catalog = loaded.rbegin(); catalog != loaded.rend(); ++catalog) {
        const QString text = (*catalog)->translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(sourceText);
}
