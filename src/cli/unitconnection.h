#pragma once

#include "candidates.h"
#include "settings.h"
#include "settingsrecord.h"
#include "unitlink.h"

#include <QObject>
#include <QPointer>

#include <optional>

class UnitFinder;

// The one unit a command works with: the first candidate to answer, as the
// window takes it. Every failure is said once on standard error and leaves
// its exit status in status().
class UnitConnection : public QObject
{
    Q_OBJECT

public:
    UnitConnection();
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
    // Waits until what was written has left for the line.
    bool flush();
    bool isLost() const { return lost; }

Q_SIGNALS:
    void lostUnit();

private:
    bool failWith(int status, const QString &message);

    UnitFinder *finder = nullptr;
    QPointer<UnitLink> unit;
    QString foundPort;
    QString foundFirmware;
    bool lost = false;
    int exitStatus = 0;
};
