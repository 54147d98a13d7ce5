#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// The unit's end of a pseudo-terminal. The other end, slavePath(), is the
// serial port that the configuration tool opens.
class PtyPort : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~PtyPort() override;

    bool open(QString *error);
    QString slavePath() const { return slaveName; }
    // Writes from now on go out in pieces of this many bytes, a few
    // milliseconds apart, as a slow unit would send them; 0 sends at once.
    void setChunkSize(int bytes) { chunkSize = bytes; }
    // Writes from now on leave at the pace of a serial line of this many
    // baud, 10 bits a byte, as a real unit's replies do; 0 sends at once.
    void setBaudRate(int baud) { bytesPerSecond = baud / 10; }

public slots:
    void write(const QByteArray &bytes);

signals:
    void bytesReceived(const QByteArray &bytes);
    void failed(const QString &error);

private:
    void readAvailable();
    void flush();

    int masterFd = -1;
    int slaveKeepFd = -1;
    QString slaveName;
    QSocketNotifier *readNotifier = nullptr;
    QSocketNotifier *writeNotifier = nullptr;
    QTimer chunkTimer;
    int chunkSize = 0;
    int bytesPerSecond = 0;
    // Since the outbox was last empty, and what has left since.
    QElapsedTimer paceClock;
    qint64 paced = 0;
    QByteArray outbox;
};
