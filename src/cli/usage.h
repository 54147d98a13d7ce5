#pragma once

#include <QList>
#include <QString>

// What each command and option is, in the one place that states it: the
// command line checks against it and the help prints it.
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

// The exit statuses, one per line, as help prints them.
const char *exitStatuses();
} // namespace Usage
