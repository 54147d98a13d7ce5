#include "wording.h"

#include "report.h"
#include "settingfields.h"

#include <QCoreApplication>

namespace
{
QString recordCheck(const char *text)
{
    return QCoreApplication::translate("RecordCheck", text);
}

QString named(const char *text)
{
    return QCoreApplication::translate("NamedSettings", text);
}

QString meaningAt(int position)
{
    return SettingFields::translated(SettingFields::recordFieldMeaning(position));
}
} // namespace

QString Wording::recordProblem(const SettingsRecord::Problem &problem)
{
    using Problem = SettingsRecord::Problem;
    // Fields are counted from 1, as the manual pages count them.
    const int number = problem.position + 1;
    switch (problem.kind) {
    case Problem::OtherLength:
        return QCoreApplication::translate(
                   "RecordCheck", "a record of %n field(s), but the unit's firmware takes %1",
                   nullptr, problem.fields)
            .arg(int(problem.expected));
    case Problem::NotARecord:
        return QCoreApplication::translate("RecordCheck",
                                           "not a settings record: %n field(s) where %1 belong",
                                           nullptr, problem.fields)
            .arg(int(problem.expected));
    case Problem::NotANumber:
        return recordCheck("field %1 (%2) is \"%3\", not a number")
            .arg(number)
            .arg(meaningAt(problem.position), problem.text);
    case Problem::NotAllowed:
        break;
    }
    const QString allowed = problem.lowestRunning > 0
                                ? recordCheck("%1 or %2 to %3")
                                      .arg(problem.minimum)
                                      .arg(problem.lowestRunning)
                                      .arg(problem.maximum)
                                : recordCheck("%1 to %2").arg(problem.minimum).arg(problem.maximum);
    return recordCheck("field %1 (%2) is \"%3\"; allowed: %4")
        .arg(number)
        .arg(meaningAt(problem.position), problem.text, allowed);
}

QString Wording::allowed(SettingFields::Id id)
{
    using SettingFields::Kind;
    const SettingFields::Field &field = SettingFields::field(id);
    switch (field.kind) {
    case Kind::Mode:
        return NamedSettings::modeNames().join(QLatin1String(", "));
    case Kind::Power:
        return named("%1 or %2 to %3")
            .arg(field.minimum)
            .arg(field.lowestRunning)
            .arg(field.maximum);
    case Kind::Flag:
        return named("%1 or %2").arg(field.minimum).arg(field.maximum);
    case Kind::Time:
        return named("%1 to %2 in steps of %3")
            .arg(field.minimum, 0, 'f', field.decimals())
            .arg(field.maximum, 0, 'f', field.decimals())
            .arg(field.step, 0, 'f', field.decimals());
    case Kind::Whole:
        break;
    }
    return named("%1 to %2").arg(field.minimum).arg(field.maximum);
}

QString Wording::settingProblem(const NamedSettings::Problem &problem)
{
    using Problem = NamedSettings::Problem;
    switch (problem.kind) {
    case Problem::UnknownName:
        return named("unknown setting \"%1\"; known: %2")
            .arg(problem.name, NamedSettings::names().join(QLatin1String(", ")));
    case Problem::Missing:
        return named("%1: missing").arg(problem.name);
    case Problem::NotAllowed:
        break;
    }
    return named("%1: \"%2\" is not allowed; allowed: %3")
        .arg(problem.name, problem.value, allowed(*SettingFields::find(problem.name)));
}

QString Wording::readBack(const QList<SettingsRecord::Difference> &differences)
{
    QStringList fields;
    for (const SettingsRecord::Difference &difference : differences)
        fields << Messages::tr("field %1 (%2) is %3, not %4")
                      .arg(difference.position + 1)
                      .arg(meaningAt(difference.position), difference.second, difference.first);
    return fields.join(QLatin1String("; "));
}
