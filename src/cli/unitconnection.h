#pragma once

#include "candidates.h"
#include "settings.h"
#include "settingsrecord.h"
#include "unitlink.h"

#include <QObject>
#include <QPointer>

#include <optional>

class ShutdownSignals;
class UnitFinder;

// The one unit a command works with: the first candidate to answer, as the
// window takes it. Every failure is said once on standard error and leaves
// its exit status in status(). A signal ends every wait at once, and the
// status is the signal's.
class UnitConnection : public QObject
{
    Q_OBJECT

public:
    explicit UnitConnection(ShutdownSignals &shutdown);
    ~UnitConnection() override;

    bool open(const Candidates &candidates);
    QString port() const { return foundPort; }
    QString firmware() const { return foundFirmware; }
    UnitLink &link() { return *unit; }
    int status() const { return exitStatus; }

    // The record length that the unit's firmware takes.
    SettingsRecord::Length recordLength() const;
    // The unit's settings record, as it answers the request for it.
    std::optional<QString> requestSettings();
    // The unit's settings as the window holds them after receiving them;
    // nothing when the answer is no record the unit could have written.
    std::optional<Settings> receiveSettings();
    // Sends the record, prints it, reads the unit's settings back and
    // compares; false when it could not be sent or the unit holds something
    // else, naming each field that differs.
    bool send(const QString &record);
    // Waits until what was written has left for the line.
    bool flush();
    bool isInterrupted() const { return interrupted; }

Q_SIGNALS:
    void lostUnit();
    // The unit was lost or the program was asked to end: every wait ends.
    void ended();

private:
    bool failWith(int status, const QString &message);
    // Says why a wait ended early; false when it did.
    bool stillThere();
    // Says that the unit was lost; false when it was.
    bool isThere();

    ShutdownSignals &shutdown;
    UnitFinder *finder = nullptr;
    QPointer<UnitLink> unit;
    QString foundPort;
    QString foundFirmware;
    bool lost = false;
    bool interrupted = false;
    int exitStatus = 0;
};
