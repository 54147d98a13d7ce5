#pragma once

#include <QObject>

#include <memory>

// Turns the ways a program is asked to end from outside (Ctrl+C,
// Ctrl+Backslash, a termination, a closed terminal or session, and every
// other signal that would end it) into a signal delivered by the event loop,
// so that it ends through its own clean-up: a run's stop byte sent, ports
// closed and their locks released. A write to a pipe that
// nobody reads any more fails as a write, instead of ending the program.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject *parent = nullptr);
    ~ShutdownSignals() override;

    // Only one object can watch at a time; false for a second one, or when
    // the system refuses.
    bool install();
    // The status a program ended this way exits with: 128 and the signal's
    // number, as a shell reports it.
    int exitStatus() const { return 128 + received; }

Q_SIGNALS:
    void requested(int signalNumber);

private:
    struct Private;
    std::unique_ptr<Private> d;
    int received = 0;
};
