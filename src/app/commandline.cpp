#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace
{

// The options QApplication takes out of the arguments itself. They are accepted here unseen
// so that they keep working; the lists follow Qt's documentation of QGuiApplication,
// QApplication and the X11 platform.
const char *const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "geometry",
                                          "icon",
                                          "title",
                                          "session",
                                          "style",
                                          "stylesheet",
                                          "display",
                                          "name",
                                          "visual",
                                          "qmljsdebugger"};
const char *const qtSwitches[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

// The texts of the command line have a context of their own in the catalog.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

namespace CommandLine
{

std::optional<int> handle(const QStringList &arguments, QTextStream &out, QTextStream &err,
                          Candidates *candidates)
{
    const QString program = QFileInfo(arguments.value(0)).fileName();
    QCommandLineParser parser;
    // Qt's options are single-dash words such as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Texts::tr("Configures a Korvalin 3318 flow pump controller over a serial line.\n"
                  "Qt's own options, such as -platform and -style, are accepted too."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        Texts::tr("Displays this help."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           Texts::tr("Displays version information."));
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        Texts::tr(
            "Probes <port> for the unit, instead of the ports in KV3318_PORTS or those the system "
            "lists. May be given several times; all are probed at once."),
        Texts::tr("port"));
    parser.addOptions({helpOption, versionOption, portOption});
    const auto addQtOption = [&parser](const char *name, const QString &valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char *name : qtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char *name : qtSwitches)
        addQtOption(name, QString());

    if (!parser.parse(arguments)) {
        err << program << ": " << parser.errorText() << Qt::endl;
        return 1;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << Texts::tr("%1: unexpected argument '%2'; name a port with --port")
                   .arg(program, parser.positionalArguments().constFirst())
            << Qt::endl;
        return 1;
    }
    if (parser.isSet(helpOption)) {
        // Without an application object Qt cannot name the program in the usage line.
        out << parser.helpText().replace(QStringLiteral("<executable_name>"), arguments.value(0))
            << Qt::flush;
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << program << ' ' << KV3318_VERSION << Qt::endl;
        return 0;
    }
    *candidates = parser.isSet(portOption) ? Candidates::named(parser.values(portOption))
                                           : Candidates::fromEnvironment();
    return std::nullopt;
}

} // namespace CommandLine
