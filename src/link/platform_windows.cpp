#include "platform.h"

#include <QElapsedTimer>
#include <QSerialPortInfo>

#include <windows.h>

namespace
{
// Listing the ports asks the device manager and takes milliseconds; the
// finder asks for every candidate in one go, so one list serves them all.
constexpr qint64 listFreshMs = 100;

const QList<QSerialPortInfo> &listedPorts()
{
    thread_local QList<QSerialPortInfo> listed;
    thread_local QElapsedTimer age;
    if (!age.isValid() || age.elapsed() > listFreshMs) {
        listed = QSerialPortInfo::availablePorts();
        age.start();
    }
    return listed;
}
} // namespace

QString Platform::portIdentity(const QString &devicePath)
{
    for (const QSerialPortInfo &port : listedPorts()) {
        if (port.systemLocation().compare(devicePath, Qt::CaseInsensitive) != 0 &&
            port.portName().compare(devicePath, Qt::CaseInsensitive) != 0)
            continue;
        // Windows keeps a COM name with the adapter it was given to; where
        // the adapter has a serial number, it tells another one given the
        // same name apart.
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

// A COM name stays with its adapter already.
QString Platform::lastingName(const QString &devicePath)
{
    return devicePath;
}

// Windows lets one program at a time open a COM port.
QString Platform::lockFilePath(const QString &)
{
    return {};
}

bool Platform::mayOpen(const QString &)
{
    // A COM port has no owner or mode of its own: a refusal to open one
    // means another program holds it.
    return true;
}
