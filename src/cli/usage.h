#pragma once

#include <QList>
#include <QString>

// What each command and option is, in the one place that states it: the
// command line checks against it and the help prints it. The help's texts
// are source texts of the catalogs, in the context "Usage"; the names,
// arguments and value names are what is typed, and stay as they are.
namespace Usage
{
struct Command {
    const char *name;
    // What follows the command's name.
    const char *arguments;
    // One line for the list of commands.
    const char *summary;
    // The help of the command alone.
    const char *description;
    int minimumArguments;
    int maximumArguments;
};

struct Option {
    const char *name;
    // Empty for a switch.
    const char *valueName;
    const char *description;
    // The commands that take it, separated by spaces; empty for all of them.
    const char *commands;
};

const QList<Command> &commands();
const QList<Option> &options();
const Command *command(const QString &name);
bool belongsTo(const Option &option, const QString &command);

struct ExitStatus {
    const char *status;
    const char *meaning;
};

// The exit statuses, as help prints them.
const QList<ExitStatus> &exitStatuses();
} // namespace Usage
