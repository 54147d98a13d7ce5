#pragma once

#include "settings.h"
#include "settingsrecord.h"

#include <QJsonValue>
#include <QObject>

#include <functional>

class UnitSession;
struct SendOutcome;

// One command's work with one unit, taken step by step as the unit's
// session answers, so that with --all every unit goes at once. Every
// failure is said once on standard error, after the unit's port, and leaves
// its status; whatever way the work ends, the unit is let go once what was
// written has left.
class UnitJob : public QObject
{
    Q_OBJECT

public:
    // `every`: one of several units, whose output lines start with its port.
    UnitJob(UnitSession *session, bool every);
    ~UnitJob() override;

    virtual void start() = 0;
    // The program is asked to end: a run's stop byte goes out, the unit is
    // let go, and the job ends with `status`.
    virtual void interrupt(int status);

    QString port() const;
    int status() const { return exitStatus; }
    bool hasFinished() const { return done; }
    // What --json prints of this unit; nothing when it printed nothing.
    QJsonValue json() const { return output; }

Q_SIGNALS:
    void finished();

protected:
    UnitSession &session() { return *unit; }
    SettingsRecord::Length recordLength() const;
    // Asks for the unit's settings; `then` gets them as the window would
    // hold them.
    void receiveSettings(const std::function<void(const Settings &)> &then);
    // Sends, reads back and compares; `then` gets the settings the unit
    // confirmed.
    void send(const QString &record, const std::function<void(const Settings &)> &then);
    // Sends as send() does, then prints the record sent, or with --json what
    // the unit confirmed, and lets the unit go.
    void sendAndShow(const QString &record, bool json);
    // Prints a line of output, after the port when there are several units;
    // false when standard output could not take it.
    bool print(const QString &line);
    // What starts a note of this unit's: its port, when there are several.
    QString notePrefix() const;
    // What get --json prints of these settings on this unit.
    QJsonValue settingsJson(const Settings &settings) const;
    void setJson(const QJsonValue &value) { output = value; }
    bool isOneOfSeveral() const { return every; }
    // An outcome that is no failure, such as a difference found.
    void setStatus(int status) { exitStatus = status; }
    // Says why the work failed, after the port, and ends it with `status`.
    void fail(int status, const QString &message);
    // Ends the work with the status it has: the unit is let go.
    void finish();

private:
    // The unit did not answer within its time.
    void failNoAnswer();

    UnitSession *unit;
    const bool every;
    int exitStatus = 0;
    bool done = false;
    bool ending = false;
    bool lost = false;
    QJsonValue output;
};
