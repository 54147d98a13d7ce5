#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingfields.h"
#include "usage.h"

namespace
{
// Of the names in the lists of commands and options.
constexpr int columnWidth = 24;

QString synopsis(const Usage::Command &command)
{
    return QStringLiteral("kv3318ctl [options] %1 %2")
        .arg(QLatin1String(command.name), QLatin1String(command.arguments))
        .trimmed();
}

QString optionLines(const QString &command, bool common)
{
    QString text;
    for (const Usage::Option &option : Usage::options()) {
        const bool isCommon = QLatin1String(option.commands).isEmpty();
        if (isCommon != common || !Usage::belongsTo(option, command))
            continue;
        QString name = QStringLiteral("--") + QLatin1String(option.name);
        if (*option.valueName)
            name += QLatin1Char(' ') + QLatin1String(option.valueName);
        QString description = QLatin1String(option.description);
        description.replace(u'\n', QLatin1String("\n") + QString(columnWidth + 3, u' '));
        text += QStringLiteral("  %1 %2\n").arg(name, -columnWidth).arg(description);
    }
    return text;
}

QString commonOptions()
{
    return optionLines(QString(), true) +
           QStringLiteral("  %1 %2\n  %3 %4\n")
               .arg(QStringLiteral("-h, --help"), -columnWidth)
               .arg(QStringLiteral("this help; after a command, that command's"))
               .arg(QStringLiteral("-v, --version"), -columnWidth)
               .arg(QStringLiteral("the version"));
}

QString generalHelp()
{
    QString text = QStringLiteral("Usage: kv3318ctl [options] COMMAND [ARGUMENTS]\n"
                                  "Talks to Korvalin 3318 flow-pump controllers over their "
                                  "serial line.\n\nCommands:\n");
    for (const Usage::Command &command : Usage::commands())
        text += QStringLiteral("  %1 %2\n")
                    .arg(QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                                     QLatin1String(command.arguments)),
                         -columnWidth)
                    .arg(QLatin1String(command.summary));
    return text + QStringLiteral("\nOptions:\n") + commonOptions() +
           QStringLiteral("\nExit status:\n") + QLatin1String(Usage::exitStatuses()) +
           QStringLiteral("\nkv3318ctl help COMMAND says more of one command.\n");
}

QString commandHelp(const Usage::Command &command)
{
    const QString name = QLatin1String(command.name);
    QString text = QStringLiteral("Usage: ") + synopsis(command) + QStringLiteral("\n\n") +
                   QLatin1String(command.description) + QLatin1Char('\n');
    const QString own = optionLines(name, false);
    if (!own.isEmpty())
        text += QStringLiteral("\nOptions of %1:\n").arg(name) + own;
    return text + QStringLiteral("\nOptions of every command:\n") + commonOptions();
}

QString settingsHelp()
{
    QString text = QStringLiteral("Settings, as set NAME=VALUE and get NAME take them:\n");
    for (int id = 0; id < SettingFields::Count; ++id) {
        const SettingFields::Field &field = SettingFields::fields[id];
        text += QStringLiteral("  %1 %2 %3\n")
                    .arg(QLatin1String(field.name), -18)
                    .arg(QLatin1String(field.unit), -8)
                    .arg(NamedSettings::allowed(SettingFields::Id(id)));
    }
    return text + QStringLiteral("Switches also take on or off, true or false.\n");
}
} // namespace

int showHelp(const CommandLine &commandLine)
{
    const QString topic = commandLine.arguments().value(0);
    QString text;
    if (topic.isEmpty())
        text = generalHelp();
    else if (topic == QLatin1String("settings"))
        text = settingsHelp();
    else if (const Usage::Command *command = Usage::command(topic))
        text = commandHelp(*command);
    else
        return fail(BadUsage,
                    QStringLiteral("help: no command or topic \"%1\"; see --help").arg(topic));
    text.chop(1);
    printLine(text);
    return Done;
}
