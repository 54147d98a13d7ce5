#pragma once

#include "settings.h"

#include <QObject>

#include <array>

class QWidget;

namespace Ui
{
class MainWindow;
}

// The form as a view over the settings: a control that changes passes its
// value through the settings model's rules, and the form then shows what
// the model holds, with the controls' own signals held back so that no rule
// runs twice. The form's look that follows the page and the wave controller
// (the tab's title, the power table's separator lines, the page spacers)
// changes here too.
class FormView : public QObject
{
    Q_OBJECT

public:
    FormView(Ui::MainWindow &form, QObject *parent = nullptr);

    const Settings &settings() const { return current; }
    // Shows these settings as they are.
    void show(const Settings &next);
    // Sets one field as its control would be set, rules and all.
    void set(SettingFields::Id id, double value);
    // The control that shows a field.
    QWidget *control(SettingFields::Id id) const;

Q_SIGNALS:
    // The settings changed, through the control of `field`, or through
    // show() with `field` -1.
    void changed(const Settings &before, const Settings &after, int field);
    void pageChanged(int page);
    // The rules moved a value entered into a control to another.
    void adjusted(SettingFields::Id id, double entered, double now);

private:
    void connectControls();
    void showValues(const Settings &next);
    void showPage(int page);
    void showWaveController(bool on);
    void renewIntervalSpacer(bool wide);
    void renewSequentialSpacer(bool wide);

    Ui::MainWindow &ui;
    std::array<QWidget *, SettingFields::Count> controls{};
    Settings current;
    // The field whose control is being set, while it is.
    int editing = -1;
};
