#pragma once

#include "settings.h"
#include "settingsrecord.h"
#include "unitsearch.h"

#include <QObject>

#include <memory>
#include <optional>

class Protocol;

// The one unit a command works with: the first candidate that answers, as
// the window takes it. Every failure is said once on standard error and
// leaves its exit status in status().
class UnitConnection : public QObject
{
    Q_OBJECT

public:
    UnitConnection();
    ~UnitConnection() override;

    bool open(const QStringList &candidates);
    const FoundUnit &unit() const { return found; }
    Protocol &link() { return *protocol; }
    int status() const { return exitStatus; }

    // The record length that the unit's firmware takes.
    SettingsRecord::Length recordLength() const;
    // The unit's settings record, as it answers the request for it.
    std::optional<QString> requestSettings();
    // The unit's settings as the window holds them after receiving them;
    // nothing when the answer is no record the unit could have written.
    std::optional<Settings> receiveSettings();
    // Writes what was handed to the link out to the line before returning.
    bool flush();
    bool isLost() const { return lost; }

Q_SIGNALS:
    void lostUnit();

private:
    bool failWith(int status, const QString &message);

    FoundUnit found;
    std::unique_ptr<Protocol> protocol;
    bool lost = false;
    int exitStatus = 0;
};
