#pragma once

#include <QTranslator>

#include <memory>
#include <vector>

// The programs' texts, and Qt's own, in the language of the user's desktop.
// English has a catalog too: it gives the plural forms of counted texts
// ("1 minute", "2 minutes").
class Catalogs
{
public:
    // Loads the catalogs for the system's language; no application object
    // needs to exist yet.
    Catalogs();

    // Installs them in the application object that exists now.
    void install() const;
    // A text in the user's language before there is an application object
    // to ask.
    QString translate(const char *context, const char *sourceText) const;

private:
    // The catalog asked first comes last.
    std::vector<std::unique_ptr<QTranslator>> loaded;
};
