#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a signal delivered by the event loop, so
// the unit ends through its normal clean-up instead of dying mid-write.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~ShutdownSignals() override;

    bool install();

signals:
    void requested();

private:
    void drain();

    QSocketNotifier *notifier = nullptr;
};
