#include "commandline.h"

#include "networkaddress.h"
#include "ownwording.h"
#include "report.h"
#include "settingsrecord.h"
#include "usage.h"

#include <QCoreApplication>

namespace
{
const QString helpName = QStringLiteral("help");
const QString versionName = QStringLiteral("version");

// Whether Qt's catalog says the parser's errors in the user's language.
bool parserSpeaksTranslated()
{
    static const char missingValue[] = "Missing value after '%1'.";
    return QCoreApplication::translate("QCommandLineParser", missingValue) !=
           QLatin1String(missingValue);
}

// Qt's wording made ours, quotes and all. A translated error keeps its
// first letter, which may start a German noun.
QString parserWording(QString text)
{
    return ownWording(text.replace(u'\'', u'"'), !parserSpeaksTranslated());
}
} // namespace

CommandLine::CommandLine()
{
    parser.addOption({{QStringLiteral("h"), helpName}, QString()});
    parser.addOption({{QStringLiteral("v"), versionName}, QString()});
    for (const Usage::Option &option : Usage::options())
        parser.addOption({QLatin1String(option.name), QLatin1String(option.description),
                          QLatin1String(option.valueName)});
}

bool CommandLine::parse(const QStringList &programArguments)
{
    if (!parser.parse(programArguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            fail(BadUsage,
                 Messages::tr("unknown option \"%1%2\"; see --help")
                     .arg(unknown.constFirst().size() == 1 ? "-" : "--", unknown.constFirst()));
        else
            fail(BadUsage, parserWording(parser.errorText()));
        return false;
    }
    words = parser.positionalArguments();
    if (isSet("help")) {
        // `get --help` is `help get`.
        words.prepend(helpName);
        words = words.mid(0, 2);
        return true;
    }
    if (isSet("version")) {
        words = QStringList{versionName};
        return true;
    }
    if (words.isEmpty()) {
        fail(BadUsage, Messages::tr("no command given; see --help"));
        return false;
    }
    const Usage::Command *usage = Usage::command(command());
    if (!usage) {
        fail(BadUsage, Messages::tr("unknown command \"%1\"; see --help").arg(command()));
        return false;
    }
    const qsizetype count = arguments().size();
    if (count < usage->minimumArguments || count > usage->maximumArguments) {
        fail(BadUsage,
             Messages::tr("%1: wrong number of arguments; see kv3318ctl help %1").arg(command()));
        return false;
    }
    return !wrongOption() && !wrongPort();
}

// A port name that can name nothing is a mistake in the command, said as
// one, before anything is opened.
bool CommandLine::wrongPort() const
{
    for (const QString &port : parser.values(QStringLiteral("port"))) {
        const qsizetype scheme = port.indexOf(QLatin1String("://"));
        QString problem;
        if (port.trimmed().isEmpty())
            problem = Messages::tr("--port: an empty name; name a serial port or a URL");
        else if (scheme >= 0 && !NetworkAddress::isNamedBy(port))
            problem = Messages::tr("%1: unknown scheme \"%2\"; rfc2217:// and socket:// name "
                                   "network ports")
                          .arg(port, port.left(scheme));
        else if (scheme >= 0 && !NetworkAddress::parse(port))
            problem = Messages::tr("%1: expected rfc2217://HOST:PORT or socket://HOST:PORT, "
                                   "the port from 1 to 65535")
                          .arg(port);
        if (!problem.isEmpty()) {
            fail(BadUsage, problem);
            return true;
        }
    }
    return false;
}

bool CommandLine::wrongOption() const
{
    for (const Usage::Option &option : Usage::options()) {
        if (isSet(option.name) && !Usage::belongsTo(option, command())) {
            fail(BadUsage, Messages::tr("%1: takes no --%2; see kv3318ctl help %1")
                               .arg(command(), QLatin1String(option.name)));
            return true;
        }
    }
    if (hasFirmware() && !isDryRun()) {
        fail(BadUsage, Messages::tr("--firmware goes with --dry-run only: a unit attached "
                                    "says its own firmware"));
        return true;
    }
    if (hasFirmware() && SettingsRecord::packedVersion(firmware()) == 0) {
        fail(BadUsage, Messages::tr("--firmware: \"%1\" is no firmware version; a unit says "
                                    "its version as four numbers, such as 1.0.10.2")
                           .arg(firmware()));
        return true;
    }
    return false;
}

Candidates CommandLine::candidates() const
{
    return isSet("port") ? Candidates::named(parser.values(QStringLiteral("port")))
                         : Candidates::fromEnvironment();
}
