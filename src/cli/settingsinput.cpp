#include "settingsinput.h"

#include "namedsettings.h"
#include "recordcheck.h"
#include "report.h"
#include "settingsfile.h"
#include "unitconnection.h"
#include "wording.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
QString describe(const SettingsFile::Failure &failure)
{
    switch (failure.kind) {
    case SettingsFile::Failure::Missing:
        return Messages::tr("no such file");
    case SettingsFile::Failure::NotRegularFile:
        return Messages::tr("not a regular file");
    case SettingsFile::Failure::Unreadable:
        return failure.reason;
    case SettingsFile::Failure::TooLarge:
        break;
    }
    return Messages::tr("more than %n byte(s), too long for settings", nullptr,
                        int(SettingsFile::maxSize));
}

std::optional<QString> readText(const QString &fileName, const QString &name)
{
    SettingsFile::Failure failure;
    std::optional<QString> text;
    if (fileName != QLatin1String("-")) {
        text = SettingsFile::read(fileName, &failure);
    } else {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            note(Messages::tr("%1: cannot be read").arg(name));
            return std::nullopt;
        }
        text = SettingsFile::read(input, &failure);
    }
    if (!text)
        note(concerning(name, describe(failure)));
    return text;
}

// A record is 20 or 22 numbers whatever the unit takes; the message is the
// one of the length the record comes closest to.
std::optional<SettingsRecord::Length> lengthOf(const QString &record, QString *problem)
{
    for (const SettingsRecord::Length length : {SettingsRecord::Basic, SettingsRecord::Extended}) {
        if (!SettingsRecord::problem(record, length))
            return length;
    }
    const qsizetype fields = record.split(u';', Qt::SkipEmptyParts).size();
    *problem = Wording::recordProblem(*SettingsRecord::problem(
        record,
        fields >= SettingsRecord::Extended ? SettingsRecord::Extended : SettingsRecord::Basic));
    return std::nullopt;
}

// What get --json adds beside the settings, and put --json passes over.
const QStringList unitKeys{QStringLiteral("port"), QStringLiteral("firmware"),
                           QStringLiteral("recordLength")};
} // namespace

std::optional<SettingsInput> SettingsInput::read(const QString &fileName, bool json)
{
    SettingsInput input;
    input.name = fileName == QLatin1String("-") ? Messages::tr("standard input") : fileName;
    input.fromJson = json;
    const std::optional<QString> text = readText(fileName, input.name);
    if (!text)
        return std::nullopt;
    QString problem;
    const bool taken = json ? input.takeJson(*text, &problem) : input.takeRecord(*text, &problem);
    if (!taken) {
        note(concerning(input.name, problem));
        return std::nullopt;
    }
    return input;
}

bool SettingsInput::takeJson(const QString &text, QString *problem)
{
    // The reader gives the file's bytes as Latin-1; JSON is UTF-8.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toLatin1(), &error);
    if (!document.isObject()) {
        *problem = error.error == QJsonParseError::NoError
                       ? Messages::tr("not a JSON object")
                       : Messages::tr("not a JSON object (%1 at byte %2)")
                             .arg(error.errorString())
                             .arg(error.offset);
        return false;
    }
    NamedSettings::Problem refused;
    const std::optional<QString> settings =
        NamedSettings::recordFromJson(document.object(), unitKeys, &refused);
    if (!settings) {
        *problem = Wording::settingProblem(refused);
        return false;
    }
    record = *settings;
    if (document.object().value(QLatin1String("recordLength")).toInt() == SettingsRecord::Extended)
        length = SettingsRecord::Extended;
    return true;
}

bool SettingsInput::takeRecord(const QString &text, QString *problem)
{
    record = text;
    const std::optional<SettingsRecord::Length> fitting = lengthOf(record, problem);
    if (fitting)
        length = *fitting;
    return fitting.has_value();
}

std::optional<QString> SettingsInput::recordFor(SettingsRecord::Length target,
                                                QString *problem) const
{
    if (!fromJson && length != target) {
        *problem = Wording::recordProblem(*SettingsRecord::problem(record, target));
        return std::nullopt;
    }
    Settings settings;
    SettingsRecord::read(settings, record, fromJson ? SettingsRecord::Basic : length);
    return SettingsRecord::write(settings, target);
}

std::optional<QString> SettingsInput::recordForUnit(const UnitConnection &unit) const
{
    QString problem;
    const std::optional<QString> record = recordFor(unit.recordLength(), &problem);
    if (!record)
        fail(NotValid,
             Messages::tr("%1: %2 (%3 on %4)", "a file, what is wrong with it, firmware, port")
                 .arg(name, problem, unit.firmware(), unit.port()));
    return record;
}
