#include "commandline.h"

#include "report.h"

#include <QCoreApplication>

#include <cstdio>

namespace
{
struct Usage {
    const char *command;
    int minimumArguments;
    int maximumArguments;
};

const Usage usages[] = {
    {"list", 0, 0}, {"get", 0, 0}, {"put", 1, 1}, {"set", 1, 1000}, {"wave", 0, 0},
};

const char *const description =
    "Talks to Korvalin 3318 flow-pump controllers over their serial line.\n"
    "\n"
    "Commands:\n"
    "  list                 every unit on the candidate ports: port and firmware\n"
    "  get [--json]         the unit's settings as a settings file holds them\n"
    "  put FILE|-           send a settings file (- for standard input);\n"
    "                       --dry-run only prints what would be sent\n"
    "  set NAME=VALUE...    change settings by name, send, and read them back\n"
    "  wave [--to SECONDS]  a wave time adjustment run, one line per step\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  bad usage\n"
    "  2  no unit found, or the unit was lost during the command\n"
    "  3  the unit did not answer in time, or read back differently\n"
    "  4  a file or value that is not valid\n"
    "  6  standard output could not be written\n"
    "  128+N  ended by signal N (a wave run sends its stop byte first)";
} // namespace

CommandLine::CommandLine()
    : portOption(QStringLiteral("port"),
                 QStringLiteral("Serial port to probe; may be given several times. Default: "
                                "KV3318_PORTS, else the system's serial ports."),
                 QStringLiteral("port")),
      verboseOption(QStringLiteral("verbose"), QStringLiteral("Show the line's debug output.")),
      jsonOption(QStringLiteral("json"), QStringLiteral("get: print JSON with named fields.")),
      dryRunOption(QStringLiteral("dry-run"), QStringLiteral("put: print, but send nothing.")),
      toOption(QStringLiteral("to"),
               QStringLiteral("wave: the wave time to end at (default 2.50)."),
               QStringLiteral("seconds"))
{
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({portOption, verboseOption, jsonOption, dryRunOption, toOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("list, get, put, set or wave"));
}

bool CommandLine::parse(const QStringList &programArguments)
{
    if (!parser.parse(programArguments)) {
        fail(BadUsage, parser.errorText());
        return false;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::exit(Done);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        printLine(QCoreApplication::applicationName() + QLatin1Char(' ') +
                  QCoreApplication::applicationVersion());
        std::exit(Done);
    }
    words = parser.positionalArguments();
    if (words.isEmpty()) {
        fail(BadUsage, QStringLiteral("no command given; see --help"));
        return false;
    }
    const Usage *usage = nullptr;
    for (const Usage &entry : usages) {
        if (command() == QLatin1String(entry.command))
            usage = &entry;
    }
    if (!usage) {
        fail(BadUsage, QStringLiteral("unknown command \"%1\"; see --help").arg(command()));
        return false;
    }
    const qsizetype count = arguments().size();
    if (count < usage->minimumArguments || count > usage->maximumArguments) {
        fail(BadUsage,
             QStringLiteral("wrong number of arguments for %1; see --help").arg(command()));
        return false;
    }
    const QList<std::pair<const QCommandLineOption *, const char *>> optionCommands{
        {&jsonOption, "get"}, {&dryRunOption, "put"}, {&toOption, "wave"}};
    for (const auto &[option, owner] : optionCommands) {
        if (parser.isSet(*option) && command() != QLatin1String(owner)) {
            fail(BadUsage, QStringLiteral("--%1 belongs to %2 only")
                               .arg(option->names().constFirst(), QLatin1String(owner)));
            return false;
        }
    }
    return true;
}

Candidates CommandLine::candidates() const
{
    return parser.isSet(portOption) ? Candidates::named(parser.values(portOption))
                                    : Candidates::fromEnvironment();
}
