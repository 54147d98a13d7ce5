#pragma once

#include "outcomes.h"
#include "sessiontimings.h"
#include "settings.h"
#include "settingsrecord.h"
#include "waverun.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <optional>

class UnitLink;

// One unit, from the moment it answered until the program lets it go or it
// is lost: what it holds as far as the program knows it, the requests in
// flight, each with its deadline, sending with read-back, the adjustment
// run, and leaving with the last bytes out. Outcomes are values; each
// program words them. Many sessions may run at once.
class UnitSession : public QObject
{
    Q_OBJECT

public:
    // Takes the link of a unit that answered its probe.
    UnitSession(UnitLink *link, const SessionTimings &timings = {}, QObject *parent = nullptr);
    // A run still under way ends with its stop byte, which is waited for
    // here if need be: nothing after this could send it.
    ~UnitSession() override;

    QString port() const { return unitPort; }
    QString firmware() const { return unitFirmware; }
    // What stays with the unit's port while it is the same one: see
    // Transport::lastingName().
    QString identity() const { return unitIdentity; }
    SettingsRecord::Length recordLength() const;
    // The unit's line is open: not lost and not let go.
    bool isPresent() const;
    // What the unit holds as far as the program knows: its answers,
    // read-backs and every step of a run say so; nothing before the first.
    const std::optional<Settings> &held() const { return knownSettings; }
    // An answer is awaited.
    bool isBusy() const { return !pending.isEmpty(); }
    // How long an answer is waited for.
    int answerMs() const { return timings.answerMs; }

    // Asks the unit for its settings; received() tells what came of it.
    void requestSettings(SettingsAnswer::Reason reason = SettingsAnswer::Asked);
    // Keeps what the unit holds in its history (asked for first where it is
    // not known), writes the record, asks it back and compares; sent() tells
    // the outcome. The history never holds a send up.
    void send(const QString &record);

    // Starts an adjustment run from `waveSeconds`; a start at or past
    // `endSeconds` sends the one value and ends.
    void startRun(double waveSeconds, bool inverse, double endSeconds);
    WaveRun &run() { return waveRun; }
    bool isRunning() const { return waveRun.isRunning(); }

    // Ends a run with its stop byte, and left() follows once what was
    // written has left, or after the leaving time; nothing blocks. An
    // answer awaited is given up.
    void leave();
    bool isLeaving() const { return leaving; }
    bool hasLeft() const { return leftAlready; }

    // What the program writes beyond these: a framed message, or bytes
    // outside any frame.
    void writeFrame(const QString &payload);
    void writeRaw(const QString &payload);

Q_SIGNALS:
    void received(const SettingsAnswer &answer);
    void sent(const SendOutcome &outcome);
    // Every message the unit sends, asked for or not.
    void messageReceived(const QString &body);
    // The unit's line went away; a run ended (as `duringRun` says), and
    // every answer awaited came to Lost, before this.
    void lost(const QString &reason, bool duringRun);
    // Whether everything written left before the session let go.
    void left(bool allWritten);

private:
    struct Request {
        // What was sent, when the answer is its read-back.
        std::optional<QString> sent;
        QDeadlineTimer deadline;
        SettingsAnswer::Reason reason = SettingsAnswer::Asked;
        // What goes to the unit once it has said what it holds.
        std::optional<QString> toSend;
        // For a read-back: what became of what the unit held before.
        UnitHistory::Written history;
        bool heldUnknown = false;
    };

    void onMessage(const QString &body);
    void onDeadline();
    void armDeadline();
    void answer(const Request &request, SettingsAnswer::Kind kind, const QString &body);
    void onLost(const QString &reason);
    void finishLeaving();
    void learn(const QString &record);
    // Writes the record and asks it back, the history's outcome going with it.
    void writeAndReadBack(const QString &record, const UnitHistory::Written &history,
                          bool heldUnknown);
    UnitHistory::Written keepHeld();
    // A request whose answer is due within the answer's time from now.
    Request due() const;

    UnitLink *link;
    const SessionTimings timings;
    const QString unitPort;
    const QString unitFirmware;
    const QString unitIdentity;
    bool present = true;
    bool leaving = false;
    bool leftAlready = false;
    std::optional<Settings> knownSettings;
    QList<Request> pending;
    QTimer deadlineTimer;
    QTimer leaveTimer;
    WaveRun waveRun;
};
