#include "usage.h"

#include <QStringList>

namespace
{
// Enough for any command line a shell passes on.
constexpr int many = 1000;
} // namespace

const QList<Usage::Command> &Usage::commands()
{
    static const QList<Command> list{
        {"list", "", "every unit on the candidate ports: port and firmware",
         "Probes every candidate port at once and prints one line per unit found: its port\n"
         "and firmware, separated by a tab. Ports that could not be opened are named on\n"
         "standard error, with the reason.",
         0, 0},
        {"get", "[NAME...]", "the unit's settings as a settings file holds them",
         "Prints the unit's settings as the one line a settings file holds. With --json,\n"
         "as a JSON object with named settings, the port, the firmware and the record\n"
         "length. With setting names, only those settings' values, one per line.",
         0, many},
        {"put", "FILE|-", "check a settings file, send it and read it back",
         "Checks a settings file (- for standard input), sends it as the window would\n"
         "restore and send it, prints the record sent, reads the unit's settings back and\n"
         "compares. With --json the file holds what get --json prints. With --dry-run,\n"
         "only checks and prints, and opens no port: the record may be of either length,\n"
         "or of the length that --firmware VERSION takes.",
         1, 1},
        {"set", "NAME=VALUE...", "change settings by name, send, and read them back",
         "Reads the unit's settings, changes the named ones in the order given, applies\n"
         "the window's rules, sends the result, prints it and reads it back to compare.\n"
         "Every value the rules changed is said on standard error, as\n"
         "NAME: OLD -> NEW (rule). Each name may be given once; see help settings.",
         1, many},
        {"diff", "FILE|-", "compare a settings file with the unit",
         "Prints one line per field in which the settings file and the unit differ.\n"
         "Exits 0 when they are equal and 5 when they differ.",
         1, 1},
        {"wave", "", "a wave time adjustment run, one line per step",
         "Sends the unit's wave time at once, then every 3 seconds 0.01 s more, and prints\n"
         "each wave time sent. At the end, and on Ctrl+C, SIGTERM or SIGHUP, it sends the\n"
         "stop byte. The unit's wave controller must be on.",
         0, 0},
        {"help", "[COMMAND|settings]", "this help, a command's, or every setting's range",
         "Without an argument, the commands, options and exit statuses; with a command,\n"
         "that command's; with settings, every setting's name, range and unit.",
         0, 1},
    };
    return list;
}

const QList<Usage::Option> &Usage::options()
{
    static const QList<Option> list{
        {"port", "PORT",
         "a serial port to probe, as often as needed; a name\n"
         "without a folder is looked for in /dev (default:\n"
         "KV3318_PORTS, else the system's serial ports)",
         ""},
        {"verbose", "", "show the line's debug output on standard error", ""},
        {"json", "", "JSON instead of lines", "list get put diff"},
        {"dry-run", "", "only check and print; open no port", "put"},
        {"firmware", "VERSION",
         "with --dry-run: the firmware whose record length\nto check against", "put"},
        {"to", "SECONDS", "the wave time to end at (default 2.50)", "wave"},
    };
    return list;
}

const Usage::Command *Usage::command(const QString &name)
{
    for (const Command &entry : commands()) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

bool Usage::belongsTo(const Option &option, const QString &command)
{
    const QString owners = QLatin1String(option.commands);
    return owners.isEmpty() || owners.split(u' ').contains(command);
}

const char *Usage::exitStatuses()
{
    return "  0      done\n"
           "  1      bad usage\n"
           "  2      no unit found, or the unit was lost during the command\n"
           "  3      the unit did not answer in time, or read back differently\n"
           "  4      a file or value that is not valid; nothing was sent\n"
           "  5      diff: the file and the unit differ\n"
           "  6      standard output could not be written\n"
           "  128+N  ended by signal N (a wave run sends its stop byte first)\n";
}
