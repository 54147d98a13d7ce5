#include "platform.h"

#include <QSerialPortInfo>

#include <windows.h>

QString Platform::portIdentity(const QString &devicePath)
{
    const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : listed) {
        if (port.systemLocation().compare(devicePath, Qt::CaseInsensitive) != 0 &&
            port.portName().compare(devicePath, Qt::CaseInsensitive) != 0)
            continue;
        // Windows keeps a COM name with the adapter it was given to; the
        // serial number, or else where the device sits, tells another one
        // given the same name apart.
        const QString where =
            port.serialNumber().isEmpty() ? port.systemLocation() : port.serialNumber();
        return port.portName() + QLatin1Char('|') + where;
    }
    return {};
}

bool Platform::hasHungUp(qintptr handle)
{
    // The line state of a pulled adapter can no longer be asked for.
    DWORD errors = 0;
    return ::ClearCommError(reinterpret_cast<HANDLE>(handle), &errors, nullptr) == 0;
}

bool Platform::mayOpen(const QString &)
{
    // A COM port has no owner or mode of its own: a refusal to open one
    // means another program holds it.
    return true;
}
