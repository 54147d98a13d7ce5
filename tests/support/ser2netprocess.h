#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real ser2net offering one serial device on two free local ports: as
// Telnet with COM Port Control, and as plain TCP. Started by the
// constructor; isRunning() says whether it came up and listens on both.
class Ser2netProcess
{
public:
    // The ser2net program, empty when it is not installed.
    static QString program();

    explicit Ser2netProcess(const QString &devicePath);
    ~Ser2netProcess();

    bool isRunning() const;
    QString rfc2217Url() const;
    QString socketUrl() const;
    // What ser2net wrote, for a test that failed to say why.
    QString output();
    // Ends ser2net as a service stop would, with SIGTERM.
    void stop();
    // Starts it again on the same ports, as a service start would.
    void start();

private:
    QTemporaryDir folder;
    QProcess ser2net;
    quint16 rfc2217Port = 0;
    quint16 socketPort = 0;
    bool listening = false;
};
