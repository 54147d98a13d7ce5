#pragma once

#include "settingsrecord.h"

#include <QList>
#include <QString>

#include <optional>

class MainWindow;

// One input to the form and what the form shows after it, as a line of the
// form fixture. The input starts from the form's start state, at one record
// length, and is a series of steps: a record restored into the form, or one
// control set to a value. A control is named as kv3318ctl names the setting it
// shows.
//
// A line holds tab-separated parts: the length (B or E), the steps, ">", then
// the outcome. A record step is "r" and the record with '%', tab, line feed and
// every byte outside printable ASCII percent-encoded; an edit is "e" NAME=VALUE.
namespace FormCase
{
struct Step {
    bool isRecord = false;
    // The record, or the setting's name and its value as a number.
    QString text;
    QString name;
    double value = 0;
};

// What the form shows: the record it writes, the mode tab's title, whether the
// two separator lines of the interval page show ("1" or "0" each), and whether
// each of enabledControls() is enabled, in that order.
struct Outcome {
    QString record;
    QString title;
    QString lines;
    QString enabled;
    bool operator==(const Outcome &other) const;
};

struct Case {
    SettingsRecord::Length length = SettingsRecord::Basic;
    QList<Step> steps;
    Outcome outcome;
};

QString format(const Case &input);
std::optional<Case> parse(const QString &line);

// The form's controls whose enabled state the rules set.
const QStringList &enabledControls();

// The window's control that shows a setting.
QString controlName(const QString &setting);

// Back to the start state at this length: no unit for the basic record, a unit
// with newer firmware for the extended one. Whatever the window went through
// before, it shows the same afterwards.
void start(MainWindow &window, SettingsRecord::Length length);
void apply(MainWindow &window, const Step &step);
Outcome outcome(MainWindow &window);
} // namespace FormCase
