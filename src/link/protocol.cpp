#include "protocol.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLoggingCategory>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>
#include <QTimer>

#include <algorithm>

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
    // A unit that vanishes (a pulled cable) leaves a port that fails every
    // read and write at once; closing it stops Qt from retrying in a busy
    // loop, and later writes are dropped as for any closed port.
    connect(serialPort, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) {
                if (error != QSerialPort::ResourceError)
                    return;
                qCDebug(linkLog) << "device lost:" << serialPort->errorString();
                close();
            });
}

void Protocol::initTimer()
{
    detectTimer = new QTimer(nullptr);
    detectTimer->setInterval(1000);
    detectTimer->setSingleShot(true);
    connect(detectTimer, &QTimer::timeout, this, &Protocol::onTimeout);
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

bool Protocol::isDetected() const
{
    return detected && serialPort->isOpen();
}

void Protocol::checkInterface()
{
    if (detectTimer->isActive())
        return;
    detected = false;
    portIndex = 0;
    portList = fixedCandidates.value_or(candidatePorts());
    portList.removeIf([](const QString &name) { return name.contains(QLatin1String("LPT")); });
    if (portList.isEmpty())
        return;
    serialPort->setPortName(portList.at(portIndex));
    openPortRequest();
}

void Protocol::openPortRequest()
{
    // Started before the open so that the open's settling pause counts
    // against the candidate's second.
    detectTimer->start();
    open();
    if (serialPort->isOpen())
        serialPort->write(request, qstrlen(request));
    else
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
    QThread::msleep(500);
    connect(serialPort, &QSerialPort::readyRead, this, &Protocol::onReadyRead);
    qCDebug(linkLog) << "listening for data on" << portList.value(portIndex);
}

void Protocol::onTimeout()
{
    qCDebug(linkLog) << "Timeout";
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
    } else {
        Q_EMIT interfaceDetected({QString(), QString()});
    }
}

void Protocol::close()
{
    if (!serialPort->isOpen())
        return;
    serialPort->close();
    disconnect(serialPort, &QSerialPort::readyRead, this, &Protocol::onReadyRead);
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
    // The version follows the id and one separator; a reply too short to
    // hold one is passed on whole.
    const QString version = body.size() < 7 ? body : body.mid(7);
    Q_EMIT interfaceDetected({portList.value(portIndex), version});
}
