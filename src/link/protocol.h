#pragma once

#include <QHash>
#include <QObject>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>

#include <optional>

class CandidateWatch;

// The one connection to the unit: finds it among the candidate serial ports,
// frames outgoing messages and assembles incoming ones. While no unit is
// detected it watches for ports that appear and probes those; a unit whose
// port goes away is reported lost.
class Protocol : public QObject
{
    Q_OBJECT

public:
    static constexpr char stx = 0x02;
    static constexpr char etx = 0x03;
    static constexpr char cr = 0x0D;
    static constexpr char start[] = "\x02";
    static constexpr char end[] = "\x03\x0D";
    static constexpr char request[] = "\x02?\x03\x0D";
    static constexpr char control[] = "KV3318";

    // A body longer than this is no message of the unit's (its longest is a
    // data string of under 100 characters); it is dropped so that a sender
    // that never ends a message cannot make the buffer grow without limit.
    static constexpr int maxBodyLength = 4096;

    Protocol();
    ~Protocol() override;

    bool isDetected() const;
    // A probe of one or more candidates is under way.
    bool isProbing() const;
    void close();
    void writeData(const QString &payload) const;
    void writeDataNoPro(const QString &payload) const;
    // Waits until everything written has left for the line, as a program
    // must before it exits; false when it could not within `msecs`.
    bool flush(int msecs);
    void analyseData(QString body);

    // The reading path without the port: advances the reception state by
    // one chunk of bytes as if the port had delivered it.
    void receive(const QByteArray &chunk);

    // The serial ports to probe, in order: KV3318_PORTS when it is set,
    // otherwise the ports the system lists.
    static QStringList candidatePorts();
    // Probes exactly these ports from now on instead of candidatePorts(),
    // so that several links can each own a port of their own.
    void setCandidates(const QStringList &ports);

Q_SIGNALS:
    void interfaceDetected(const QStringList &list);
    void receiveComplete(const QString &data);
    // The detected unit's port is gone (hang-up, failed write, resource
    // error); the port is closed by the time this arrives.
    void interfaceLost(const QString &port);
    // A probe of candidates began (true) or ended (false).
    void probingChanged(bool running);

public Q_SLOTS:
    // Probes every candidate; a unit's port still open from an earlier
    // search is closed first.
    void checkInterface();

protected Q_SLOTS:
    void onReadyRead();

private Q_SLOTS:
    void onTimeout();

private:
    void initSerial();
    void initTimer();
    void openPortRequest();
    void open();
    void onSettled();
    void onPortError(QSerialPort::SerialPortError error);
    void closePort();
    void probe(const QStringList &ports, bool reportNothingFound);
    void finishProbing();
    QStringList candidates() const;

    QStringList portList;
    int portIndex = 0;
    QTimer *detectTimer = nullptr;
    QSerialPort *serialPort = nullptr;
    bool detected = false;
    bool openFailed = false;
    std::optional<QStringList> fixedCandidates;

    // The pause after opening a candidate, before it is listened to.
    QTimer settleTimer;
    // Whether the probe under way ends with a report when nobody answers:
    // a full search does, a probe of ports that just appeared does not.
    bool reportNothingFound = true;
    CandidateWatch *watch = nullptr;
    // The ports as they were when the last full search began.
    QHash<QString, QString> searchedPorts;

    // Reception state, kept across reads and across the candidates of one
    // detection, so that a message may arrive in any number of pieces.
    int status = 0;
    QString data;
};
