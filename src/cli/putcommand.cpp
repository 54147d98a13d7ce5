#include "commandline.h"
#include "commands.h"
#include "recordcheck.h"
#include "report.h"
#include "settingsfile.h"
#include "settingsrecord.h"
#include "unitconnection.h"
#include "unitlink.h"

#include <QFile>

namespace
{
QString describe(const SettingsFile::Failure &failure)
{
    switch (failure.kind) {
    case SettingsFile::Failure::Missing:
        return QStringLiteral("no such file");
    case SettingsFile::Failure::NotRegularFile:
        return QStringLiteral("not a regular file");
    case SettingsFile::Failure::Unreadable:
        return failure.reason;
    case SettingsFile::Failure::TooLarge:
        break;
    }
    return QStringLiteral("more than %1 bytes, too long for a settings record")
        .arg(SettingsFile::maxSize);
}

std::optional<QString> readRecord(const QString &name, QString *error)
{
    SettingsFile::Failure failure;
    std::optional<QString> record;
    if (name != QLatin1String("-")) {
        record = SettingsFile::read(name, &failure);
        if (!record)
            *error = name + QLatin1String(": ") + describe(failure);
        return record;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read standard input");
        return std::nullopt;
    }
    record = SettingsFile::read(input, &failure);
    if (!record)
        *error = QStringLiteral("standard input: ") + describe(failure);
    return record;
}
} // namespace

int putSettings(const CommandLine &commandLine)
{
    const QString fileName = commandLine.arguments().constFirst();
    QString error;
    std::optional<QString> record = readRecord(fileName, &error);
    if (!record)
        return fail(NotValid, error);
    // What get printed, redirected to a file, ends with a line end: "\r\n"
    // on Windows, as an editor there writes it too.
    if (record->endsWith(QLatin1String("\r\n")))
        record->chop(2);
    else if (record->endsWith(QLatin1Char('\n')))
        record->chop(1);
    // Whatever the unit takes, a record is 20 or 22 numbers; that much is
    // checked before any port is opened.
    if (SettingsRecord::problem(*record, SettingsRecord::Basic) &&
        SettingsRecord::problem(*record, SettingsRecord::Extended)) {
        const qsizetype fields = record->split(u';', Qt::SkipEmptyParts).size();
        const auto closest =
            fields >= SettingsRecord::Extended ? SettingsRecord::Extended : SettingsRecord::Basic;
        return fail(NotValid,
                    fileName + QLatin1String(": ") + *SettingsRecord::problem(*record, closest));
    }

    UnitConnection connection;
    if (!connection.open(commandLine.candidates()))
        return connection.status();
    const SettingsRecord::Length length = SettingsRecord::lengthFor(connection.firmware());
    if (const std::optional<QString> problem = SettingsRecord::problem(*record, length))
        return fail(NotValid,
                    QStringLiteral("%1: %2 (%3 on %4)")
                        .arg(fileName, *problem, connection.firmware(), connection.port()));

    // Restored as the window restores a file, so the unit gets exactly what
    // the window would send.
    Settings settings;
    SettingsRecord::read(settings, *record, length);
    const QString sent = SettingsRecord::write(settings, length);
    if (!commandLine.isDryRun()) {
        connection.link().writeFrame(sent);
        if (!connection.flush())
            return connection.status();
    }
    printLine(sent);
    return Done;
}
