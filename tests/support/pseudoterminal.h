#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal for tests: the program under test opens slavePath() as
// its serial port, the test plays the far end through the master side.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return masterFd >= 0; }
    QString slavePath() const { return slaveName; }

    // Writes all bytes to the far end, running events while the line is full
    // so that the program under test drains it; false when the line refused
    // them.
    bool write(const QByteArray &bytes);
    // Collects what the program wrote, processing Qt events while waiting,
    // until at least `count` bytes arrived or `timeoutMs` passed.
    QByteArray read(int count, int timeoutMs = 2000);
    // Everything that arrives within `ms`, events processed meanwhile.
    QByteArray readFor(int ms);
    // Closes the far end, as a pulled cable would.
    void closeMaster();
    // Hangs up every program's use of the line, as a modem's carrier loss
    // does, while the line itself stays and can be opened anew.
    bool hangUp();
    // How the program under test set the line, as this side sees it:
    // "19200 8N1", then "rtscts" or "xonxoff" for each flow control on.
    QString lineSettings() const;

private:
    QByteArray readAvailable();

    int masterFd = -1;
    int slaveKeepFd = -1;
    QString slaveName;
};
