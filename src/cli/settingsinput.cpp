#include "settingsinput.h"

#include "namedsettings.h"
#include "ownwording.h"
#include "recordcheck.h"
#include "report.h"
#include "settingsfile.h"
#include "standardstreams.h"
#include "wording.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
// What every reserved field holds in a record the window writes.
const QString reservedValue = QStringLiteral("111");

QString describe(const SettingsFile::Failure &failure)
{
    switch (failure.kind) {
    case SettingsFile::Failure::Missing:
        return Messages::tr("no such file");
    case SettingsFile::Failure::NotRegularFile:
        return Messages::tr("not a regular file");
    case SettingsFile::Failure::Unreadable:
        return ownWording(failure.reason);
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
        if (inputWasClosed() || !input.open(stdin, QIODevice::ReadOnly)) {
            note(concerning(name, Messages::tr("closed; nothing to read")));
            return std::nullopt;
        }
        text = SettingsFile::read(input, &failure);
    }
    if (!text)
        note(concerning(name, describe(failure)));
    return text;
}

// What get --json adds beside the settings, and reading passes over.
const QStringList unitKeys{QStringLiteral("port"), QStringLiteral("firmware"),
                           QStringLiteral("recordLength")};

// A record is 20 or 22 fields whatever the unit takes; the message is the
// one of the length it comes closest to.
std::optional<QString> takeRecord(const QString &text, SettingsRecord::Length *length,
                                  QString *problem)
{
    const qsizetype fields = SettingsRecord::fieldCount(text);
    *length = fields >= SettingsRecord::Extended ? SettingsRecord::Extended : SettingsRecord::Basic;
    if (const std::optional<SettingsRecord::Problem> wrong =
            SettingsRecord::problem(text, *length)) {
        *problem = Wording::recordProblem(*wrong);
        return std::nullopt;
    }
    return text;
}

std::optional<QString> takeJson(const QString &text, SettingsRecord::Length *length,
                                QString *problem)
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
        return std::nullopt;
    }
    NamedSettings::Problem refused;
    const std::optional<QString> record =
        NamedSettings::recordFromJson(document.object(), unitKeys, &refused);
    if (!record) {
        *problem = Wording::settingProblem(refused);
        return std::nullopt;
    }
    *length =
        document.object().value(QLatin1String("recordLength")).toInt() == SettingsRecord::Extended
            ? SettingsRecord::Extended
            : SettingsRecord::Basic;
    return record;
}
} // namespace

std::optional<SettingsInput> SettingsInput::read(const QString &fileName)
{
    SettingsInput input;
    input.name = fileName == QLatin1String("-") ? Messages::tr("standard input") : fileName;
    std::optional<QString> text = readText(fileName, input.name);
    if (!text)
        return std::nullopt;
    // An editor's byte order mark, as Latin-1 reads it, is no part of the settings.
    if (text->startsWith(QStringLiteral("\u00ef\u00bb\u00bf")))
        text->remove(0, 3);
    const QString content = text->trimmed();
    if (content.isEmpty()) {
        note(concerning(input.name, Messages::tr("empty; it holds no settings")));
        return std::nullopt;
    }
    QString problem;
    const std::optional<QString> record = content.startsWith(u'{')
                                              ? takeJson(content, &input.length, &problem)
                                              : takeRecord(content, &input.length, &problem);
    if (!record) {
        note(concerning(input.name, problem));
        return std::nullopt;
    }
    SettingsRecord::read(input.settings, record->section(u';', 0, SettingsRecord::Basic - 1),
                         SettingsRecord::Basic);
    for (const SettingsRecord::Adjustment &moved :
         SettingsRecord::adjustments(*record, input.settings))
        input.moved << ruleChange(QLatin1String(SettingFields::field(moved.id).name),
                                  NamedSettings::text(moved.id, moved.inRecord),
                                  NamedSettings::text(moved.id, moved.held));
    if (input.length == SettingsRecord::Extended)
        input.reserved = record->split(u';', Qt::SkipEmptyParts).mid(SettingsRecord::Basic);
    return input;
}

QString SettingsInput::recordFor(SettingsRecord::Length target) const
{
    return SettingsRecord::write(settings, target);
}

void SettingsInput::report(SettingsRecord::Length unitLength, const QString &prefix) const
{
    for (const QString &change : moved)
        note(prefix + change);
    // The reserved fields carry nothing; what they held is only said when
    // it was more than the window writes.
    for (qsizetype i = 0; i < reserved.size(); ++i) {
        if (reserved[i] == reservedValue)
            continue;
        const QString name = Messages::tr("reserved field %1").arg(SettingsRecord::Basic + i + 1);
        note(prefix + ruleChange(name, reserved[i],
                                 unitLength == SettingsRecord::Extended
                                     ? reservedValue
                                     : Messages::tr("left out", "a reserved field")));
    }
}
