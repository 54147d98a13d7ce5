// The window and the settings model agree: seeded series of edits through
// the form's controls and records read into it, the same applied to the
// model, must leave the same record and the same controls usable.

#include "candidates.h"
#include "clickablelabel.h"
#include "formrules.h"
#include "formview.h"
#include "mainwindow.h"
#include "settingsrecord.h"
#include "ui_mainwindow.h"

#include <QRandomGenerator>
#include <QtTest>

namespace
{
constexpr int cases = 400;
constexpr int stepsPerCase = 12;

// A value for the field: anything its control can be set to, the edges and
// the values just past them more often than the rest.
double anyValue(QRandomGenerator &random, const SettingFields::Field &field)
{
    const double low = field.minimum - field.step;
    const double high = field.maximum + field.step;
    switch (random.bounded(4)) {
    case 0:
        return field.minimum;
    case 1:
        return random.bounded(2) ? low : high;
    case 2:
        return field.kind == SettingFields::Kind::Power ? random.bounded(1, 31) : field.maximum;
    }
    const double steps = std::floor((field.maximum - field.minimum) / field.step);
    return field.minimum + field.step * random.bounded(int(steps) + 1);
}

// Sets a control as a user's edit ends: the spin box's value, the check
// box's state, the page by its mode button.
void edit(MainWindow &window, const FormView &view, SettingFields::Id id, double value)
{
    QWidget *control = view.control(id);
    if (id == SettingFields::Mode) {
        const QList<ClickableLabel *> modes =
            window.form().modeBox->findChildren<ClickableLabel *>();
        if (value >= 0 && value < modes.size())
            modes[int(value)]->click();
    } else if (auto *time = qobject_cast<QDoubleSpinBox *>(control)) {
        time->setValue(value);
    } else if (auto *whole = qobject_cast<QSpinBox *>(control)) {
        whole->setValue(int(value));
    } else if (auto *flag = qobject_cast<QCheckBox *>(control)) {
        flag->setChecked(value != 0);
    }
}

QString recordOf(const Settings &settings)
{
    return SettingsRecord::write(settings, SettingsRecord::Basic);
}

// Every value as its control shows it, and as the model holds it.
QString shown(const FormView &view)
{
    QStringList values;
    for (int id = 0; id < SettingFields::Count; ++id) {
        QWidget *control = view.control(SettingFields::Id(id));
        if (auto *pages = qobject_cast<QStackedWidget *>(control))
            values << QString::number(pages->currentIndex());
        else if (auto *time = qobject_cast<QDoubleSpinBox *>(control))
            values << QString::number(time->value());
        else if (auto *whole = qobject_cast<QSpinBox *>(control))
            values << QString::number(whole->value());
        else if (auto *flag = qobject_cast<QCheckBox *>(control))
            values << QString::number(int(flag->isChecked()));
    }
    return values.join(u' ');
}

QString held(const Settings &settings)
{
    QStringList values;
    for (int id = 0; id < SettingFields::Count; ++id)
        values << QString::number(settings.value(SettingFields::Id(id)));
    return values.join(u' ');
}

// What the model says may be changed, as the window's controls must show it.
QString usable(const Settings &settings)
{
    return QStringLiteral("storm %1, sockets 3 and 4 %2, wave %3")
        .arg(settings.storm)
        .arg(!settings.waveController)
        .arg(settings.waveController);
}

QString usable(const Ui::MainWindow &form)
{
    return QStringLiteral("storm %1, sockets 3 and 4 %2, wave %3")
        .arg(form.stormDSpinBox->isEnabled() && form.stormHSpinBox->isEnabled())
        .arg(form.power13SpinBox->isEnabled() && form.power24SpinBox->isEnabled())
        .arg(form.waveSSpinBox->isEnabled() && form.inverseCheckBox->isEnabled());
}
} // namespace

class FormPropertyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAndModelAgree()
    {
        MainWindow window(Candidates::named({}));
        const FormView &view = *window.findChild<FormView *>();
        for (int seed = 1; seed <= cases; ++seed) {
            QRandomGenerator random{quint32(seed)};
            // Both start from the tool's start state.
            Settings model;
            window.readDataString(recordOf(model));
            QString steps;
            for (int step = 0; step < stepsPerCase; ++step) {
                if (random.bounded(6) == 0) {
                    // A record of values the controls limit, as a file may hold.
                    QStringList fields;
                    for (int position = 0; position < SettingsRecord::Basic; ++position)
                        fields << QString::number(random.bounded(-2, 900));
                    const QString record = fields.join(u';');
                    window.readDataString(record);
                    SettingsRecord::read(model, record, SettingsRecord::Basic);
                    steps += QStringLiteral(" read %1").arg(record);
                } else {
                    const auto id = SettingFields::Id(random.bounded(int(SettingFields::Count)));
                    const double value = anyValue(random, SettingFields::field(id));
                    edit(window, view, id, value);
                    FormRules(model).set(id, value);
                    steps += QStringLiteral(" %1=%2").arg(SettingFields::field(id).name).arg(value);
                }
                const QString failure = QStringLiteral("seed %1:%2").arg(seed).arg(steps);
                QVERIFY2(window.createDataString() == recordOf(model), qPrintable(failure));
                QVERIFY2(shown(view) == held(model), qPrintable(failure));
                QVERIFY2(usable(window.form()) == usable(model), qPrintable(failure));
            }
        }
    }
};

QTEST_MAIN(FormPropertyTest)
#include "tst_formproperty.moc"
