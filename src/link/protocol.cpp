#include "protocol.h"

#include "candidatewatch.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLoggingCategory>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>

#include <algorithm>
#include <poll.h>

// Qt's own name for plain debug output, so the lines read and filter exactly
// as qDebug()'s do; unlike qDebug(), a disabled line is never formatted,
// which keeps the reading path fast when debug output is off.
namespace
{
Q_LOGGING_CATEGORY(linkLog, "default")
} // namespace

Protocol::Protocol() : QObject(nullptr)
{
    initSerial();
    initTimer();
    watch = new CandidateWatch([this] { return candidates(); }, this);
    connect(watch, &CandidateWatch::appeared, this,
            [this](const QStringList &ports) { probe(ports, false); });
}

Protocol::~Protocol()
{
    delete detectTimer;
    delete serialPort;
}

void Protocol::initSerial()
{
    serialPort = new QSerialPort();
    serialPort->setBaudRate(QSerialPort::Baud19200);
    serialPort->setFlowControl(QSerialPort::NoFlowControl);
    serialPort->setParity(QSerialPort::NoParity);
    serialPort->setDataBits(QSerialPort::Data8);
    serialPort->setStopBits(QSerialPort::OneStop);
    connect(serialPort, &QSerialPort::errorOccurred, this, &Protocol::onPortError);
}

void Protocol::initTimer()
{
    detectTimer = new QTimer(nullptr);
    detectTimer->setInterval(1000);
    detectTimer->setSingleShot(true);
    // A candidate's second and its half-second pause are measured as they
    // are, not within a coarse timer's slack.
    detectTimer->setTimerType(Qt::PreciseTimer);
    connect(detectTimer, &QTimer::timeout, this, &Protocol::onTimeout);
    settleTimer.setInterval(500);
    settleTimer.setSingleShot(true);
    settleTimer.setTimerType(Qt::PreciseTimer);
    connect(&settleTimer, &QTimer::timeout, this, &Protocol::onSettled);
}

QStringList Protocol::candidatePorts()
{
    if (qEnvironmentVariableIsSet("KV3318_PORTS"))
        return qEnvironmentVariable("KV3318_PORTS")
            .split(QDir::listSeparator(), Qt::SkipEmptyParts);
    QStringList names;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports)
        names << port.portName();
    return names;
}

void Protocol::setCandidates(const QStringList &ports)
{
    fixedCandidates = ports;
}

QStringList Protocol::candidates() const
{
    QStringList ports = fixedCandidates.value_or(candidatePorts());
    ports.removeIf([](const QString &name) { return name.contains(QLatin1String("LPT")); });
    return ports;
}

bool Protocol::isDetected() const
{
    return detected && serialPort->isOpen();
}

bool Protocol::isProbing() const
{
    return detectTimer->isActive();
}

void Protocol::checkInterface()
{
    if (detectTimer->isActive())
        return;
    // Searching again: the unit found before is let go first.
    close();
    detected = false;
    const QStringList ports = candidates();
    searchedPorts = CandidateWatch::identities(ports);
    probe(ports, true);
}

void Protocol::probe(const QStringList &ports, bool reportNothingFound)
{
    if (detectTimer->isActive() || isDetected())
        return;
    watch->pause();
    portIndex = 0;
    portList = ports;
    this->reportNothingFound = reportNothingFound;
    if (portList.isEmpty()) {
        finishProbing();
        return;
    }
    serialPort->setPortName(portList.at(portIndex));
    openPortRequest();
    Q_EMIT probingChanged(true);
}

// No unit answered: from now on only ports that appear are probed.
void Protocol::finishProbing()
{
    if (reportNothingFound)
        watch->start(searchedPorts);
    else
        watch->resume();
}

void Protocol::openPortRequest()
{
    // Started before the open so that the open's settling pause counts
    // against the candidate's second.
    detectTimer->start();
    open();
    if (!serialPort->isOpen())
        openFailed = true;
}

void Protocol::open()
{
    if (serialPort->isOpen())
        return;
    if (!serialPort->open(QIODevice::ReadWrite)) {
        qCDebug(linkLog) << "device failed to open:" << serialPort->errorString();
        return;
    }
    // A pseudo-terminal has no RTS line and refuses this; that is harmless.
    if (!serialPort->setRequestToSend(false))
        serialPort->clearError();
    // The line settles before it is listened to; a timer, so that the
    // window goes on meanwhile.
    settleTimer.start();
}

void Protocol::onSettled()
{
    connect(serialPort, &QSerialPort::readyRead, this, &Protocol::onReadyRead);
    qCDebug(linkLog) << "listening for data on" << portList.value(portIndex);
    serialPort->write(request, qstrlen(request));
    // What arrived during the pause waits in the port's buffer and is read
    // after the probe went out, as it would have been after a sleep.
    if (serialPort->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &Protocol::onReadyRead, Qt::QueuedConnection);
}

void Protocol::onTimeout()
{
    qCDebug(linkLog) << "Timeout";
    settleTimer.stop();
    if (serialPort->isOpen()) {
        disconnect(serialPort, &QSerialPort::readyRead, this, &Protocol::onReadyRead);
        serialPort->close();
    }
    if (openFailed)
        openFailed = false;
    if (portIndex < portList.size() - 1) {
        ++portIndex;
        serialPort->setPortName(portList.at(portIndex));
        openPortRequest();
        return;
    }
    finishProbing();
    Q_EMIT probingChanged(false);
    if (reportNothingFound)
        Q_EMIT interfaceDetected({QString(), QString()});
}

// Any of these on an open port means its device is gone: a read of nothing
// where the port said there was something (a hang-up), a failed write, or a
// resource error. Closing at once keeps the event loop from spinning on a
// port that will never deliver again.
void Protocol::onPortError(QSerialPort::SerialPortError error)
{
    if (!serialPort->isOpen() ||
        (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
         error != QSerialPort::WriteError))
        return;
    pollfd line{int(serialPort->handle()), POLLIN, 0};
    const bool hungUp = ::poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL));
    const QString port = portList.value(portIndex);
    qCDebug(linkLog) << "device lost:" << port
                     << (hungUp ? QStringLiteral("hang-up") : serialPort->errorString());
    closePort();
    if (!detected)
        return; // a candidate being probed: its second runs out as usual
    detected = false;
    QHash<QString, QString> present = CandidateWatch::identities(candidates());
    // Whatever is at that name by the next look is probed, even the same device.
    present.remove(port);
    watch->start(present);
    Q_EMIT interfaceLost(port);
}

void Protocol::closePort()
{
    settleTimer.stop();
    disconnect(serialPort, &QSerialPort::readyRead, this, &Protocol::onReadyRead);
    serialPort->close();
}

void Protocol::close()
{
    if (!serialPort->isOpen())
        return;
    closePort();
    qCDebug(linkLog) << "Port" << portList.value(portIndex) << " closed succesfully";
}

void Protocol::writeData(const QString &payload) const
{
    if (!serialPort->isOpen())
        return;
    qCDebug(linkLog) << payload;
    serialPort->write(start, qstrlen(start));
    serialPort->write(payload.toLatin1());
    serialPort->write(end, qstrlen(end));
}

void Protocol::writeDataNoPro(const QString &payload) const
{
    qCDebug(linkLog) << "NoPro" << payload;
    // Nothing reaches a closed port anyway; skipping the write only spares
    // the debug output Qt's complaint about it.
    if (serialPort->isOpen())
        serialPort->write(payload.toLatin1());
}

bool Protocol::flush(int msecs)
{
    const QDeadlineTimer deadline(msecs);
    while (serialPort->isOpen() && serialPort->bytesToWrite() > 0) {
        if (!serialPort->waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    return serialPort->isOpen();
}

void Protocol::onReadyRead()
{
    if (!serialPort->isOpen())
        return;
    const QByteArray chunk = serialPort->read(serialPort->bytesAvailable());
    qCDebug(linkLog) << "bytes read:" << chunk.size();
    qCDebug(linkLog) << "bytes:" << chunk;
    receive(chunk);
}

void Protocol::receive(const QByteArray &chunk)
{
    const char *const chunkEnd = chunk.constEnd();
    for (const char *byte = chunk.constBegin(); byte != chunkEnd; ++byte) {
        if (*byte == cr && status == 3) {
            qCDebug(linkLog) << "Empfangen: " << data;
            analyseData(data);
        } else if (*byte == stx) {
            data.resize(0); // keeps the buffer for the next body
            status = 2;
        } else if (*byte == etx) {
            if (status == 2)
                status = 3;
        } else if (status == 2) {
            // Everything up to the next STX or ETX is body: one append for
            // the run rather than one per byte.
            const char *runEnd =
                std::find_if(byte, chunkEnd, [](char next) { return next == stx || next == etx; });
            if (data.size() + (runEnd - byte) <= maxBodyLength) {
                data.append(QLatin1String(byte, runEnd - byte));
            } else {
                // Too long to be a message: wait for the next STX.
                data.resize(0);
                status = 0;
            }
            byte = runEnd - 1;
        }
    }
}

void Protocol::analyseData(QString body)
{
    if (!detectTimer->isActive()) {
        Q_EMIT receiveComplete(body);
        return;
    }
    if (!body.contains(QLatin1String(control)))
        return;
    detectTimer->stop();
    detected = true;
    qCDebug(linkLog) << "Detected on Port" << portList.value(portIndex);
    Q_EMIT probingChanged(false);
    // The version follows the id and one separator; a reply too short to
    // hold one is passed on whole.
    const QString version = body.size() < 7 ? body : body.mid(7);
    Q_EMIT interfaceDetected({portList.value(portIndex), version});
}
