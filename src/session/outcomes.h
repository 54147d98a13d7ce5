#pragma once

#include "recordcomparison.h"
#include "unithistory.h"

#include <QList>
#include <QMetaType>
#include <QString>

// What asking the unit for its settings came to.
struct SettingsAnswer {
    enum Reason {
        // The program asked.
        Asked,
        // The unit was just found: what it holds is read at once.
        Found,
    };
    enum Kind {
        Received,
        // No message within the answer's time; one that comes later answers
        // nothing.
        NoAnswer,
        // The unit went away before it answered.
        Lost,
    };
    Kind kind = NoAnswer;
    // The answer as it came, whatever it holds.
    QString record;
    Reason reason = Asked;
};

// What sending a record came to: it is written, asked back at once and
// compared field by field.
struct SendOutcome {
    enum Kind {
        Confirmed,
        // The unit holds other settings than were sent.
        Differs,
        NoAnswer,
        Lost,
    };
    Kind kind = NoAnswer;
    QString sent;
    QString readBack;
    // With Differs: each field both hold, as sent (first) and as the unit
    // holds it (second), and how many fields each held.
    QList<SettingsRecord::Difference> differences;
    int sentFields = 0;
    int heldFields = 0;
    // What the unit held before is kept in its history, or why not; with
    // `heldUnknown` the unit did not say what it held, and nothing was kept.
    UnitHistory::Written history;
    bool heldUnknown = false;
};

Q_DECLARE_METATYPE(SettingsAnswer)
Q_DECLARE_METATYPE(SendOutcome)
