#include "wording.h"

#include "report.h"
#include "settingfields.h"

#include <QCoreApplication>

namespace
{
// The catalogs' contexts of these texts, as the settings model had them.
class RecordCheck
{
    Q_DECLARE_TR_FUNCTIONS(RecordCheck)
};

class NamedSettingsText
{
    Q_DECLARE_TR_FUNCTIONS(NamedSettings)
};

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
        return RecordCheck::tr("a record of %n field(s), but the unit's firmware takes %1", nullptr,
                               problem.fields)
            .arg(int(problem.expected));
    case Problem::NotARecord:
        return QCoreApplication::translate("RecordCheck",
                                           "not a settings record: %n field(s) where %1 belong",
                                           nullptr, problem.fields)
            .arg(int(problem.expected));
    case Problem::NotANumber:
        return RecordCheck::tr("field %1 (%2) is \"%3\", not a number")
            .arg(number)
            .arg(meaningAt(problem.position), problem.text);
    case Problem::NotAllowed:
        break;
    }
    const QString allowed =
        problem.lowestRunning > 0
            ? RecordCheck::tr("%1 or %2 to %3")
                  .arg(problem.minimum)
                  .arg(problem.lowestRunning)
                  .arg(problem.maximum)
            : RecordCheck::tr("%1 to %2").arg(problem.minimum).arg(problem.maximum);
    return RecordCheck::tr("field %1 (%2) is \"%3\"; allowed: %4")
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
        return NamedSettingsText::tr("%1 or %2 to %3")
            .arg(field.minimum)
            .arg(field.lowestRunning)
            .arg(field.maximum);
    case Kind::Flag:
        return NamedSettingsText::tr("%1 or %2").arg(field.minimum).arg(field.maximum);
    case Kind::Time:
        return NamedSettingsText::tr("%1 to %2 in steps of %3")
            .arg(field.minimum, 0, 'f', field.decimals())
            .arg(field.maximum, 0, 'f', field.decimals())
            .arg(field.step, 0, 'f', field.decimals());
    case Kind::Whole:
        break;
    }
    return NamedSettingsText::tr("%1 to %2").arg(field.minimum).arg(field.maximum);
}

QString Wording::settingProblem(const NamedSettings::Problem &problem)
{
    using Problem = NamedSettings::Problem;
    switch (problem.kind) {
    case Problem::UnknownName:
        return NamedSettingsText::tr("unknown setting \"%1\"; known: %2")
            .arg(problem.name, NamedSettings::names().join(QLatin1String(", ")));
    case Problem::Missing:
        return NamedSettingsText::tr("%1: missing").arg(problem.name);
    case Problem::NotAllowed:
        break;
    }
    return NamedSettingsText::tr("%1: \"%2\" is not allowed; allowed: %3")
        .arg(problem.name, problem.value, allowed(*SettingFields::find(problem.name)));
}

QString Wording::readBack(const SendOutcome &outcome)
{
    QStringList fields;
    if (outcome.heldFields != outcome.sentFields)
        fields << Messages::tr("a record of %n field(s), not %1", nullptr, outcome.heldFields)
                      .arg(outcome.sentFields);
    for (const SettingsRecord::Difference &difference : outcome.differences)
        fields << Messages::tr("field %1 (%2) is %3, not %4")
                      .arg(difference.position + 1)
                      .arg(meaningAt(difference.position), difference.second, difference.first);
    return fields.join(QLatin1String("; "));
}
