#include "serialtransport.h"

#include "linklog.h"
#include "ownwording.h"
#include "platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QMetaObject>
#include <QSerialPort>
#include <QSerialPortInfo>

SerialTransport::SerialTransport(const QString &port, QObject *parent)
    : Transport(parent), portName(port), port(new QSerialPort(this))
{
    this->port->setPortName(port);
    this->port->setBaudRate(QSerialPort::Baud19200);
    this->port->setFlowControl(QSerialPort::NoFlowControl);
    this->port->setParity(QSerialPort::NoParity);
    this->port->setDataBits(QSerialPort::Data8);
    this->port->setStopBits(QSerialPort::OneStop);
    connect(this->port, &QSerialPort::errorOccurred, this, &SerialTransport::onError);
}

QString SerialTransport::devicePath() const
{
    return portName.contains(QLatin1Char('/')) ? portName
                                               : QSerialPortInfo(portName).systemLocation();
}

QString SerialTransport::lastingName() const
{
    return Platform::lastingName(devicePath());
}

SerialTransport::~SerialTransport() = default;

// Opened by the device's own name, so that two names for one device (its
// /dev/serial/by-id name and its /dev/ttyUSB0) take the one lock file that
// Qt Serial Port makes for it; a lock under the name given is honoured and
// held as well.
bool SerialTransport::lockGivenName(const QString &device)
{
    const QString given = devicePath();
    if (device.isEmpty() || device == given)
        return true;
    const QString lockPath = Platform::lockFilePath(given);
    if (lockPath.isEmpty())
        return true;
    nameLock = std::make_unique<QLockFile>(lockPath);
    nameLock->setStaleLockTime(0);
    if (nameLock->tryLock(0) || nameLock->error() != QLockFile::LockFailedError)
        return true;
    nameLock.reset();
    return false;
}

void SerialTransport::open()
{
    const QString device = QFileInfo(devicePath()).canonicalFilePath();
    if (!lockGivenName(device)) {
        qCDebug(linkLog) << "device failed to open:"
                         << "locked under" << portName;
        const OpenFailure failure{
            OpenFailure::InUse,
            QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "in use by another program"))};
        QMetaObject::invokeMethod(
            this, [this, failure] { Q_EMIT openFailed(failure); }, Qt::QueuedConnection);
        return;
    }
    port->setPortName(device.isEmpty() ? portName : device);
    if (!port->open(QIODevice::ReadWrite)) {
        nameLock.reset();
        const QString systemText = port->errorString();
        qCDebug(linkLog) << "device failed to open:" << systemText;
        const OpenFailure failure = failureOf(systemText);
        port->clearError();
        QMetaObject::invokeMethod(
            this, [this, failure] { Q_EMIT openFailed(failure); }, Qt::QueuedConnection);
        return;
    }
    // A pseudo-terminal has no RTS line and refuses this; that is harmless.
    if (!port->setRequestToSend(false))
        port->clearError();
    // Said at once: the line's settling counts from now, whatever keeps the
    // event loop busy meanwhile.
    Q_EMIT opened();
}

OpenFailure SerialTransport::failureOf(const QString &systemText) const
{
    const QFileInfo device(devicePath());
    switch (port->error()) {
    case QSerialPort::DeviceNotFoundError:
        return {OpenFailure::Missing,
                QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "not found"))};
    case QSerialPort::PermissionError:
        // Refused though the user may open it: its lock, or the exclusive
        // use, belongs to another program.
        if (Platform::mayOpen(device.filePath()))
            return {OpenFailure::InUse,
                    QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "in use by another program"))};
        return {OpenFailure::PermissionDenied,
                QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "permission denied"))};
    case QSerialPort::UnsupportedOperationError:
        return {OpenFailure::NotSerial,
                QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "not a serial port"))};
    default:
        break;
    }
    if (device.isDir() || device.isFile())
        return {OpenFailure::NotSerial,
                QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "not a serial port"))};
    return {OpenFailure::Other, ownWording(systemText)};
}

void SerialTransport::close()
{
    port->close();
    nameLock.reset();
}

bool SerialTransport::isOpen() const
{
    return port->isOpen();
}

QIODevice *SerialTransport::device()
{
    return port;
}

// Any of these on an open port means its device is gone: a read of nothing
// where the port said there was something (a hang-up), a failed write, or a
// resource error. Closing at once keeps the event loop from spinning on a
// port that will never deliver again.
void SerialTransport::onError()
{
    const QSerialPort::SerialPortError error = port->error();
    if (!port->isOpen() || (error != QSerialPort::ResourceError &&
                            error != QSerialPort::ReadError && error != QSerialPort::WriteError))
        return;
    const QString reason = Platform::hasHungUp(qintptr(port->handle()))
                               ? QStringLiteral(QT_TRANSLATE_NOOP("OpenFailure", "hang-up"))
                               : port->errorString();
    close();
    Q_EMIT lost(reason);
}
