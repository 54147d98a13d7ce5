#include "unitlink.h"

#include "linklog.h"
#include "transports.h"
#include "unitmessages.h"

#include <QIODevice>

UnitLink::UnitLink(const QString &candidate, const LinkTimings &timings, QObject *parent)
    : QObject(parent), transport(Transports::create(candidate, timings, this))
{
    // A candidate's second and its half-second pause are measured as they
    // are, not within a coarse timer's slack.
    probeTimer.setInterval(timings.probeMs);
    probeTimer.setSingleShot(true);
    probeTimer.setTimerType(Qt::PreciseTimer);
    connect(&probeTimer, &QTimer::timeout, this, &UnitLink::onProbeTimeout);
    settleTimer.setInterval(timings.settleMs);
    settleTimer.setSingleShot(true);
    settleTimer.setTimerType(Qt::PreciseTimer);
    connect(&settleTimer, &QTimer::timeout, this, &UnitLink::onSettled);

    connect(transport, &Transport::opened, this, &UnitLink::onOpened);
    connect(transport, &Transport::openFailed, this, &UnitLink::onOpenFailed);
    connect(transport, &Transport::lost, this, &UnitLink::onLost);
    QIODevice *line = transport->device();
    const auto emitWhenAllWritten = [this] {
        if (bytesToWrite() == 0)
            Q_EMIT allWritten();
    };
    connect(line, &QIODevice::bytesWritten, this, emitWhenAllWritten);
    connect(transport, &Transport::farEndWritten, this, emitWhenAllWritten);
}

bool UnitLink::isDetected() const
{
    return unitFound && transport->isOpen();
}

void UnitLink::probe()
{
    if (isProbing() || isDetected())
        return;
    closeLine();
    unitFound = false;
    // Started before the open, so that the line's settling counts against
    // the candidate's second.
    probeTimer.start();
    transport->open();
}

void UnitLink::onOpened()
{
    // Whatever was half received on another line, or before, is no part of
    // what comes now.
    codec.reset();
    // The line settles before it is listened to; a timer, so that the event
    // loop goes on meanwhile.
    settleTimer.start();
}

void UnitLink::onOpenFailed(const OpenFailure &failure)
{
    // Nothing to wait for: the candidate is done at once.
    probeTimer.stop();
    Q_EMIT openFailed(port(), failure);
}

void UnitLink::onSettled()
{
    QIODevice *line = transport->device();
    connect(line, &QIODevice::readyRead, this, &UnitLink::onReadyRead, Qt::UniqueConnection);
    qCDebug(linkLog) << "listening for data on" << port();
    send(QByteArray(UnitMessages::probe));
    // What arrived during the pause waits in the line's buffer and is read
    // after the probe went out, as it would have been after a sleep.
    if (line->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &UnitLink::onReadyRead, Qt::QueuedConnection);
}

void UnitLink::onProbeTimeout()
{
    qCDebug(linkLog) << "Timeout";
    closeLine();
    Q_EMIT silent(port());
}

void UnitLink::onLost(const QString &reason)
{
    qCDebug(linkLog) << "device lost:" << port() << reason;
    settleTimer.stop();
    disconnect(transport->device(), &QIODevice::readyRead, this, &UnitLink::onReadyRead);
    if (!unitFound) {
        // A line gone during its probe will not answer: the candidate is done
        // at once, with the reason, as one that could not be opened.
        if (isProbing()) {
            probeTimer.stop();
            Q_EMIT openFailed(port(), {OpenFailure::Other, reason});
        }
        return;
    }
    unitFound = false;
    Q_EMIT lost(port(), reason);
}

void UnitLink::onReadyRead()
{
    QIODevice *line = transport->device();
    if (!line->isOpen())
        return;
    const QByteArray chunk = line->read(line->bytesAvailable());
    qCDebug(linkLog) << "bytes read:" << chunk.size();
    qCDebug(linkLog) << "bytes:" << chunk;
    receive(chunk);
}

void UnitLink::receive(const QByteArray &bytes)
{
    for (const QString &body : codec.feed(bytes)) {
        qCDebug(linkLog) << "Empfangen: " << body;
        if (unitFound) {
            Q_EMIT messageReceived(body);
        } else if (isProbing() && UnitMessages::isProbeAnswer(body)) {
            probeTimer.stop();
            unitFound = true;
            unitFirmware = UnitMessages::firmwareIn(body);
            qCDebug(linkLog) << "Detected on Port" << port();
            Q_EMIT detected(port(), unitFirmware);
        }
        // Anything else before the unit answered is no answer to the probe.
    }
}

void UnitLink::writeFrame(const QString &payload)
{
    if (!transport->isOpen())
        return;
    qCDebug(linkLog) << payload;
    send(FrameCodec::frame(payload));
}

void UnitLink::send(const QByteArray &bytes)
{
    qCDebug(bytesLog) << "bytes written:" << bytes;
    transport->device()->write(bytes);
}

void UnitLink::logRaw(const QString &payload)
{
    qCDebug(linkLog) << "NoPro" << payload;
}

void UnitLink::writeRaw(const QString &payload)
{
    logRaw(payload);
    // Nothing reaches a closed line anyway; skipping the write only spares
    // the debug output Qt's complaint about it.
    if (transport->isOpen())
        send(payload.toLatin1());
}

qint64 UnitLink::bytesToWrite() const
{
    return transport->isOpen() ? transport->bytesToWrite() : 0;
}

bool UnitLink::finishWriting(int ms)
{
    return !transport->isOpen() || transport->waitForWritten(ms);
}

void UnitLink::closeLine()
{
    settleTimer.stop();
    probeTimer.stop();
    disconnect(transport->device(), &QIODevice::readyRead, this, &UnitLink::onReadyRead);
    transport->close();
}

void UnitLink::close()
{
    if (!transport->isOpen()) {
        closeLine();
        return;
    }
    closeLine();
    unitFound = false;
    qCDebug(linkLog) << "Port" << port() << " closed successfully";
}
