#pragma once

#include "candidates.h"
#include "settings.h"
#include "settingsrecord.h"
#include "unitsession.h"

#include <QObject>
#include <QPointer>

#include <optional>

class ShutdownSignals;
class UnitFinder;

// The one unit a command works with, through the session the window uses
// too, each step waited for in a loop of its own: the first candidate to
// answer, as the window takes it. Every failure is said once on standard
// error and leaves its exit status in status(). A signal ends every wait at
// once, and the status is the signal's.
class UnitConnection : public QObject
{
    Q_OBJECT

public:
    explicit UnitConnection(ShutdownSignals &shutdown);
    ~UnitConnection() override;

    bool open(const Candidates &candidates);
    QString port() const;
    QString firmware() const;
    UnitSession &session() { return *unit; }
    int status() const { return exitStatus; }

    // The record length that the unit's firmware takes.
    SettingsRecord::Length recordLength() const;
    // The unit's settings as the window holds them after receiving them;
    // nothing when the answer is no record the unit could have written.
    std::optional<Settings> receiveSettings();
    // Sends the record, prints it, reads the unit's settings back and
    // compares; false when the unit did not answer or holds something else,
    // naming each field that differs.
    bool send(const QString &record);
    // Lets the unit go once what was written has left; false when it did not.
    bool finish();
    bool isInterrupted() const { return interrupted; }

Q_SIGNALS:
    // The unit was lost or the program was asked to end: every wait ends.
    void ended();

private:
    bool failWith(int status, const QString &message);
    // Says why a wait ended early; false when it did.
    bool stillThere();
    // Says that the unit was lost; false when it was.
    bool isThere();
    // Runs events until `done` holds or a wait's end comes.
    void waitUntil(const std::function<bool()> &done);

    ShutdownSignals &shutdown;
    UnitFinder *finder = nullptr;
    QPointer<UnitSession> unit;
    bool lost = false;
    bool interrupted = false;
    int exitStatus = 0;
};
