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

} // namespace

QString Wording::recordProblem(const SettingsRecord::Problem &problem)
{
    using Problem = SettingsRecord::Problem;
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
        // Fields are counted from 1, as the manual pages count them.
        return RecordCheck::tr("reserved field %1: \"%2\" is not a number")
            .arg(problem.position + 1)
            .arg(problem.text);
    case Problem::NotAllowed:
        break;
    }
    // Said by the settings' names, in their units, as set takes them.
    QStringList names;
    const SettingFields::Field *only = nullptr;
    for (const SettingFields::Field &field : SettingFields::fields) {
        if (field.position == problem.position) {
            names << QLatin1String(field.name);
            only = &field;
        }
    }
    if (names.size() > 1)
        return RecordCheck::tr("%1: \"%2\" %3 together is not allowed; allowed: %4 to %5")
            .arg(names.join(QLatin1String(", ")), problem.text,
                 SettingFields::translated(only->unit))
            .arg(problem.minimum)
            .arg(problem.maximum);
    bool isNumber = false;
    const double value = problem.text.toDouble(&isNumber) / only->recordUnits;
    const QString shown = isNumber && only->kind == SettingFields::Kind::Time
                              ? QString::number(value, 'f', only->decimals())
                              : problem.text;
    return settingProblem({NamedSettings::Problem::NotAllowed, names.constFirst(), shown});
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
        // The words kv3318ctl prints; 1 and 0 and the others are taken too.
        return QStringLiteral("on, off");
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
    // By name, as the unit would hold each; the reserved fields by number.
    Settings sent;
    Settings held;
    SettingsRecord::read(sent, outcome.sent.section(u';', 0, SettingsRecord::Basic - 1),
                         SettingsRecord::Basic);
    SettingsRecord::read(held, outcome.readBack.section(u';', 0, SettingsRecord::Basic - 1),
                         SettingsRecord::Basic);
    for (const QString &name : NamedSettings::differingNames(sent, held))
        fields << Messages::tr("%1 is %2, not %3")
                      .arg(name, NamedSettings::text(held, name), NamedSettings::text(sent, name));
    for (const SettingsRecord::Difference &difference : outcome.differences) {
        if (difference.position >= SettingsRecord::Basic)
            fields << Messages::tr("reserved field %1 is %2, not %3")
                          .arg(difference.position + 1)
                          .arg(difference.second, difference.first);
    }
    // A value the form would not hold as it stands differs only as sent.
    if (fields.isEmpty()) {
        for (const SettingsRecord::Difference &difference : outcome.differences)
            fields << Messages::tr("field %1 is %2, not %3")
                          .arg(difference.position + 1)
                          .arg(difference.second, difference.first);
    }
    return fields.join(QLatin1String("; "));
}
