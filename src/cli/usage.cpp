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
        {"list", "",
         QT_TRANSLATE_NOOP("Usage", "every unit on the candidate ports: port and firmware"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Probes every candidate port at once and prints one line per unit found: its port\n"
             "and firmware, separated by a tab. Ports that could not be opened are named on\n"
             "standard error, with the reason."),
         0, 0},
        {"get", "[NAME...]",
         QT_TRANSLATE_NOOP("Usage", "the unit's settings as a settings file holds them"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Prints the unit's settings as the one line a settings file holds. With --json,\n"
             "as a JSON object with named settings, the port, the firmware and the record\n"
             "length. With setting names, only those settings' values, one per line."),
         0, many},
        {"put", "FILE|-",
         QT_TRANSLATE_NOOP("Usage", "check a settings file, send it and read it back"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Checks a settings file (- for standard input), sends it as the window would\n"
             "restore and send it, prints the record sent, reads the unit's settings back and\n"
             "compares. With --json the file holds what get --json prints. With --dry-run,\n"
             "only checks and prints, and opens no port: the record may be of either length,\n"
             "or of the length that --firmware VERSION takes."),
         1, 1},
        {"set", "NAME=VALUE...",
         QT_TRANSLATE_NOOP("Usage", "change settings by name, send, and read them back"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Reads the unit's settings, changes the named ones in the order given, applies\n"
             "the window's rules, sends the result, prints it and reads it back to compare.\n"
             "Every value the rules changed is said on standard error, as\n"
             "NAME: OLD -> NEW (rule). Each name may be given once; see help settings."),
         1, many},
        {"diff", "FILE|-", QT_TRANSLATE_NOOP("Usage", "compare a settings file with the unit"),
         QT_TRANSLATE_NOOP(
             "Usage", "Prints one line per field in which the settings file and the unit differ.\n"
                      "Exits 0 when they are equal and 5 when they differ."),
         1, 1},
        {"wave", "", QT_TRANSLATE_NOOP("Usage", "a wave time adjustment run, one line per step"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Sends the unit's wave time at once, then every 3 seconds 0.01 s more, and prints\n"
             "each wave time sent. At the end, and on any signal that would end it (Ctrl+C,\n"
             "Ctrl+\\, SIGTERM, SIGHUP, ...), it sends the stop byte. The unit's wave controller\n"
             "must be on."),
         0, 0},
        {"history", "[show N]", QT_TRANSLATE_NOOP("Usage", "what each unit held before each send"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Before every send, the window's and kv3318ctl's, the unit's settings are kept\n"
             "in its history. Lists the entries, newest first, numbered from 1: time, port,\n"
             "firmware and the program that sent; with --port, only that port's unit's, and\n"
             "with --json as a JSON array. show N prints the record of entry N as a settings\n"
             "file holds it, to put back with put -. Reads only the history's files, kept in\n"
             "kv3318/history under the user's data folder; opens no port."),
         0, 2},
        {"help", "[COMMAND|settings]",
         QT_TRANSLATE_NOOP("Usage", "this help, a command's, or every setting's range"),
         QT_TRANSLATE_NOOP(
             "Usage",
             "Without an argument, the commands, options and exit statuses; with a command,\n"
             "that command's; with settings, every setting's name, range and unit."),
         0, 1},
    };
    return list;
}

const QList<Usage::Option> &Usage::options()
{
    static const QList<Option> list{
        {"port", "PORT",
         QT_TRANSLATE_NOOP("Usage", "a serial port to probe, as often as needed; a name\n"
                                    "without a folder is looked for in /dev (default:\n"
                                    "KV3318_PORTS, else the system's serial ports)"),
         ""},
        {"verbose", "",
         QT_TRANSLATE_NOOP("Usage", "show the line's debug output on standard error"), ""},
        {"all", "",
         QT_TRANSLATE_NOOP("Usage", "every unit that answers, all at once; each line of\n"
                                    "output starts with the unit's port and a tab"),
         "get put set diff wave"},
        {"json", "", QT_TRANSLATE_NOOP("Usage", "JSON output instead of lines"),
         "list get put set diff history"},
        {"dry-run", "", QT_TRANSLATE_NOOP("Usage", "only check and print; open no port"), "put"},
        {"firmware", "VERSION",
         QT_TRANSLATE_NOOP("Usage",
                           "with --dry-run: the firmware whose record length\nto check against"),
         "put"},
        {"to", "SECONDS", QT_TRANSLATE_NOOP("Usage", "the wave time to end at (default 2.50)"),
         "wave"},
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

const QList<Usage::ExitStatus> &Usage::exitStatuses()
{
    static const QList<ExitStatus> list{
        {"0", QT_TRANSLATE_NOOP("Usage", "done")},
        {"1", QT_TRANSLATE_NOOP("Usage", "bad usage: an unknown command, option or setting\n"
                                         "name, a malformed port name or URL")},
        {"2", QT_TRANSLATE_NOOP("Usage", "no unit found, or the unit was lost")},
        {"3", QT_TRANSLATE_NOOP("Usage", "the unit did not answer in time, holds other\n"
                                         "settings than were sent, or what was written\n"
                                         "never left for the line")},
        {"4", QT_TRANSLATE_NOOP("Usage", "a file or value that is not valid; nothing was sent")},
        {"5", QT_TRANSLATE_NOOP("Usage", "diff: the file and the unit differ")},
        {"6", QT_TRANSLATE_NOOP("Usage", "standard output could not be written; the message\n"
                                         "says whether the unit had taken the settings")},
        {"7", QT_TRANSLATE_NOOP("Usage", "the program could not set itself up")},
        {"128+N",
         QT_TRANSLATE_NOOP("Usage", "ended by signal N (a wave run sends its stop byte first)")},
    };
    return list;
}
