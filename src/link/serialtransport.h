#pragma once

#include "transport.h"

#include <memory>

class QLockFile;
class QSerialPort;

// A serial port at the unit's line settings: 19200 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, RTS off.
class SerialTransport : public Transport
{
    Q_OBJECT

public:
    explicit SerialTransport(const QString &port, QObject *parent = nullptr);
    ~SerialTransport() override;

    QString name() const override { return portName; }
    void open() override;
    void close() override;
    bool isOpen() const override;
    QIODevice *device() override;
    // A path as it is; a system port name (ttyUSB0, COM3) where the system
    // keeps its device.
    QString devicePath() const override;
    QString lastingName() const override;

private:
    OpenFailure failureOf(const QString &systemText) const;
    bool lockGivenName(const QString &device);
    void onError();

    QString portName;
    QSerialPort *port;
    // The lock under the name given, where that is not the device's own.
    std::unique_ptr<QLockFile> nameLock;
};
