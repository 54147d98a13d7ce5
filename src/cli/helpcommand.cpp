#include "commandline.h"
#include "commands.h"
#include "namedsettings.h"
#include "report.h"
#include "settingfields.h"
#include "usage.h"
#include "wording.h"

#include <QCoreApplication>

namespace
{
// Of the names in the lists of commands and options.
constexpr int columnWidth = 24;

// The help's own texts, in the context of the tables' texts.
class Help
{
    Q_DECLARE_TR_FUNCTIONS(Usage)
};

// A text of the tables, in the user's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("Usage", text);
}

// One entry of a list: the name, padded to its column, and what it is; the
// lines of a longer text start in the same column.
QString entry(const QString &name, int width, QString text)
{
    text.replace(u'\n', QLatin1String("\n") + QString(width + 3, u' '));
    return QStringLiteral("  %1 %2\n").arg(name, -width).arg(text);
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
        text += entry(name, columnWidth, translated(option.description));
    }
    return text;
}

QString commonOptions()
{
    return optionLines(QString(), true) +
           entry(QStringLiteral("-h, --help"), columnWidth,
                 Help::tr("this help; after a command, that command's")) +
           entry(QStringLiteral("-v, --version"), columnWidth, Help::tr("the version"));
}

QString generalHelp()
{
    QString text = Help::tr("Usage: kv3318ctl [options] COMMAND [ARGUMENTS]\n"
                            "Talks to Korvalin 3318 flow-pump controllers over "
                            "their serial line.") +
                   QStringLiteral("\n\n") + Help::tr("Commands:") + QLatin1Char('\n');
    for (const Usage::Command &command : Usage::commands())
        text += entry(QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                                  QLatin1String(command.arguments)),
                      columnWidth, translated(command.summary));
    text += QLatin1Char('\n') + Help::tr("Options:") + QLatin1Char('\n') + commonOptions() +
            QLatin1Char('\n') + Help::tr("Exit status:") + QLatin1Char('\n');
    // As wide as the widest status, 128+N.
    for (const Usage::ExitStatus &status : Usage::exitStatuses())
        text += entry(QLatin1String(status.status), 6, translated(status.meaning));
    return text + QLatin1Char('\n') + Help::tr("kv3318ctl help COMMAND says more of one command.") +
           QLatin1Char('\n');
}

QString commandHelp(const Usage::Command &command)
{
    const QString name = QLatin1String(command.name);
    QString text = Help::tr("Usage: kv3318ctl [options] %1 %2")
                       .arg(name, QLatin1String(command.arguments))
                       .trimmed() +
                   QStringLiteral("\n\n") + translated(command.description) + QLatin1Char('\n');
    const QString own = optionLines(name, false);
    if (!own.isEmpty())
        text += QLatin1Char('\n') + Help::tr("Options of %1:").arg(name) + QLatin1Char('\n') + own;
    return text + QLatin1Char('\n') + Help::tr("Options of every command:") + QLatin1Char('\n') +
           commonOptions();
}

QString settingsHelp()
{
    // Each setting's line starts with its name, which the shell completions
    // read; only the unit and the values are in the user's language.
    QString text =
        Help::tr("Settings, as set NAME=VALUE and get NAME take them:") + QLatin1Char('\n');
    for (int id = 0; id < SettingFields::Count; ++id) {
        const SettingFields::Field &field = SettingFields::fields[id];
        // In one pass: a translated unit may hold a percent sign.
        text += QStringLiteral("  %1 %2 %3\n")
                    .arg(QString(QLatin1String(field.name)).leftJustified(18),
                         SettingFields::translated(field.unit).leftJustified(8),
                         Wording::allowed(SettingFields::Id(id)));
    }
    return text + Help::tr("Switches also take 1 or 0, true or false, yes or no, in any case.") +
           QLatin1Char('\n');
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
                    Messages::tr("help: no command or topic \"%1\"; see --help").arg(topic));
    text.chop(1);
    printLine(text);
    return Done;
}
