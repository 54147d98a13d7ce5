#include "formview.h"

#include "formrules.h"
#include "ui_mainwindow.h"

#include <QSignalBlocker>

using namespace SettingFields;

FormView::FormView(Ui::MainWindow &form, QObject *parent) : QObject(parent), ui(form)
{
    controls = {
        ui.stackedWidget,    ui.power11SpinBox,   ui.power12SpinBox,     ui.power13SpinBox,
        ui.power14SpinBox,   ui.power21SpinBox,   ui.power22SpinBox,     ui.power23SpinBox,
        ui.power24SpinBox,   ui.pulseSSpinBox,    ui.foodMSpinBox,       ui.moonCheckBox,
        ui.stormCheckBox,    ui.stormDSpinBox,    ui.stormHSpinBox,      ui.nightCheckBox,
        ui.intervalHSpinBox, ui.intervalMSpinBox, ui.sequentialSSpinBox, ui.wavectrlCheckBox,
        ui.waveSSpinBox,     ui.inverseCheckBox};
    connectControls();
}

QWidget *FormView::control(Id id) const
{
    return controls[id];
}

void FormView::connectControls()
{
    for (int field = 0; field < Count; ++field) {
        const Id id = Id(field);
        const auto changedTo = [this, id](auto value) { set(id, double(value)); };
        QWidget *widget = controls[id];
        // Each control takes its limits from the settings' table, the one
        // place that states them.
        const Field &limits = SettingFields::field(id);
        if (auto *pages = qobject_cast<QStackedWidget *>(widget)) {
            connect(pages, &QStackedWidget::currentChanged, this, changedTo);
        } else if (auto *time = qobject_cast<QDoubleSpinBox *>(widget)) {
            time->setDecimals(limits.decimals());
            time->setRange(limits.minimum, limits.maximum);
            time->setSingleStep(limits.step);
            connect(time, &QDoubleSpinBox::valueChanged, this, changedTo);
        } else if (auto *whole = qobject_cast<QSpinBox *>(widget)) {
            whole->setRange(int(limits.minimum), int(limits.maximum));
            whole->setSingleStep(int(limits.step));
            connect(whole, &QSpinBox::valueChanged, this, changedTo);
        } else if (auto *flag = qobject_cast<QCheckBox *>(widget)) {
            connect(flag, &QCheckBox::toggled, this, changedTo);
        }
    }
}

void FormView::set(Id id, double value)
{
    Settings next = current;
    FormRules(next).set(id, value);
    editing = id;
    show(next);
    editing = -1;
    if (next.value(id) != value && field(id).kind != Kind::Flag)
        Q_EMIT adjusted(id, value, next.value(id));
}

void FormView::show(const Settings &next)
{
    const Settings before = current;
    current = next;
    showValues(next);
    // A record sets the page before the wave controller, and so the page's
    // look comes first.
    if (before.mode != next.mode)
        showPage(next.mode);
    if (before.waveController != next.waveController)
        showWaveController(next.waveController);
    Q_EMIT changed(before, next, editing);
}

// Only the controls that differ are set, so that a box being typed into
// keeps its text as typed.
void FormView::showValues(const Settings &next)
{
    for (int field = 0; field < Count; ++field) {
        const double value = next.value(Id(field));
        QWidget *widget = controls[field];
        const QSignalBlocker quiet(widget);
        if (auto *pages = qobject_cast<QStackedWidget *>(widget)) {
            if (pages->currentIndex() != int(value))
                pages->setCurrentIndex(int(value));
        } else if (auto *time = qobject_cast<QDoubleSpinBox *>(widget)) {
            if (time->value() != value)
                time->setValue(value);
        } else if (auto *whole = qobject_cast<QSpinBox *>(widget)) {
            if (whole->value() != int(value))
                whole->setValue(int(value));
        } else if (auto *flag = qobject_cast<QCheckBox *>(widget)) {
            flag->setChecked(value != 0);
        }
    }
}

// The tab is named after the page; on the interval page the separator lines
// mark which sockets the wave controller drives.
void FormView::showPage(int page)
{
    const bool wide = !current.waveController;
    if (page == Settings::Pulse) {
        ui.tabWidget->setTabText(0, tr("pulse"));
        ui.power12Line->hide();
        ui.power23Line->hide();
    } else if (page == Settings::Interval) {
        ui.tabWidget->setTabText(0, tr("interval"));
        ui.power12Line->setVisible(!wide);
        ui.power23Line->setVisible(wide);
        renewIntervalSpacer(wide);
    } else {
        ui.tabWidget->setTabText(0, tr("sequential"));
        renewSequentialSpacer(wide);
        ui.power12Line->hide();
        ui.power23Line->hide();
    }
    Q_EMIT pageChanged(page);
}

void FormView::showWaveController(bool on)
{
    if (current.mode == Settings::Interval) {
        if (on) {
            ui.power23Line->hide();
            ui.power12Line->show();
        } else {
            ui.power12Line->hide();
            ui.power23Line->show();
        }
    }
    renewIntervalSpacer(!on);
    renewSequentialSpacer(!on);
}

// The fixed spacer in front of a page's controls sets how far right they
// stand; with the wave controller off they move further right.
void FormView::renewIntervalSpacer(bool wide)
{
    const int width = int(ui.stackedWidget->geometry().width() * (wide ? 0.48 : 0.37));
    ui.intervalSpacer->changeSize(width, 20, QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui.intervalLayout->invalidate();
}

void FormView::renewSequentialSpacer(bool wide)
{
    const int width = int(ui.stackedWidget->geometry().width() * (wide ? 0.5 : 0.38));
    ui.sequentialSpacer->changeSize(width, 20, QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui.sequentialLayout->invalidate();
}
