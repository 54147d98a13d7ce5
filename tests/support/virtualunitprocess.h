#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs kv3318-virtual-unit as a child process and collects the lines it
// logs, one per message it received.
class VirtualUnitProcess
{
public:
    explicit VirtualUnitProcess(const QStringList &arguments = {});
    ~VirtualUnitProcess();

    // Path of the unit's serial end, empty when it did not start.
    QString portPath() const { return port; }
    // Waits until the unit has logged `line` (an exact line), processing
    // events meanwhile; true when it did within `timeoutMs`.
    bool waitForLine(const QString &line, int timeoutMs = 3000);
    // Every line logged so far.
    QStringList lines();

private:
    QProcess unit;
    QString port;
    QStringList received;
    QByteArray pending;
};
