#pragma once

#include "framecodec.h"
#include "linktimings.h"
#include "transport.h"

#include <QObject>
#include <QTimer>

// The line to one candidate, and to the unit once it answered there. A probe
// opens the candidate, lets the line settle, sends the probe and waits out
// the candidate's second for the unit's answer. After that every message
// the unit sends is passed on, and what is written goes to the unit.
class UnitLink : public QObject
{
    Q_OBJECT

public:
    explicit UnitLink(const QString &candidate, const LinkTimings &timings = {},
                      QObject *parent = nullptr);

    QString port() const { return transport->name(); }
    // What the finder asks of the port: see Transport.
    QString devicePath() const { return transport->devicePath(); }
    QString lastingName() const { return transport->lastingName(); }
    bool isTriedAgainWhenUnreachable() const { return transport->triedAgainWhenUnreachable(); }
    // Opens and probes the candidate; ends in detected(), silent() or
    // openFailed(). A probe under way, or a unit found, is left as it is.
    void probe();
    bool isProbing() const { return probeTimer.isActive(); }
    bool isDetected() const;
    QString firmware() const { return unitFirmware; }

    // One framed message; nothing, not even the debug line, while the line
    // is closed.
    void writeFrame(const QString &payload);
    // Bytes outside any frame, as the stop byte travels.
    void writeRaw(const QString &payload);
    // The debug line of such bytes, also for bytes that found no line.
    static void logRaw(const QString &payload);
    // What was written and may not yet have reached the unit's line.
    qint64 bytesToWrite() const;
    // Blocks until what was written has left, or `ms` passed; for a program
    // that ends and has no event loop left to wait in.
    bool finishWriting(int ms);
    // Closes the line; a unit found on it is let go.
    void close();

    // The reading path without a line: takes one piece of what the line
    // delivers, as if it had just arrived.
    void receive(const QByteArray &bytes);

Q_SIGNALS:
    void detected(const QString &port, const QString &firmware);
    // Opened and probed, but no unit answered within the candidate's second.
    void silent(const QString &port);
    // Could not be opened, or its line went away before the unit answered.
    void openFailed(const QString &port, const OpenFailure &failure);
    // The unit's line went away; it is closed by then.
    void lost(const QString &port, const QString &reason);
    // A whole message from the unit found here.
    void messageReceived(const QString &body);
    // Everything written has reached the unit's line.
    void allWritten();

private:
    // Writes to the open line, said in the bytes' own debug category.
    void send(const QByteArray &bytes);
    void onOpened();
    void onOpenFailed(const OpenFailure &failure);
    void onSettled();
    void onProbeTimeout();
    void onLost(const QString &reason);
    void onReadyRead();
    void closeLine();

    Transport *transport;
    FrameCodec codec;
    QTimer probeTimer;
    QTimer settleTimer;
    bool unitFound = false;
    QString unitFirmware;
};
