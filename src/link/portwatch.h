#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

// Tells when serial ports may have appeared or gone, so that the program
// sleeps until something changes instead of looking every so often. Each
// platform tells of new devices in its own way; this is the one face of it.
class PortWatch : public QObject
{
    Q_OBJECT

public:
    explicit PortWatch(QObject *parent = nullptr);
    ~PortWatch() override;

    // Watches where these devices may appear, and, with `systemPorts`, where
    // the system puts its serial ports.
    void start(const QStringList &devicePaths, bool systemPorts);
    void stop();
    bool isActive() const;

Q_SIGNALS:
    // Something changed where the ports are; which ports are new is the
    // caller's to find out.
    void changed();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
