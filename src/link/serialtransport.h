#pragma once

#include "transport.h"

class QSerialPort;

// A serial port at the unit's line settings: 19200 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, RTS off.
class SerialTransport : public Transport
{
    Q_OBJECT

public:
    explicit SerialTransport(const QString &port, QObject *parent = nullptr);

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
    void onError();

    QString portName;
    QSerialPort *port;
};
