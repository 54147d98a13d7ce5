#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class UnitLink;

// An adjustment run: the wave time goes to the unit at once, then every
// 3 s raised by 0.01 s, until it reaches the end or the run is stopped, and
// the run ends with the stop byte however it ends, unless the unit is gone.
class WaveRun : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds stepInterval{3000};
    static constexpr double step = 0.01;

    enum class End {
        Stopped, // by the user, or the program ending
        Reached, // the wave time reached the end
        Lost,    // the unit went away; nothing more could be written
    };
    Q_ENUM(End)

    explicit WaveRun(QObject *parent = nullptr);
    ~WaveRun() override;

    // Sends `waveSeconds` at once and goes on from there; a start at or past
    // `endSeconds` sends the one value and ends.
    void start(UnitLink *unit, double waveSeconds, bool inverse, double endSeconds);
    // One step now: what the timer does every 3 s.
    void advance();
    // Sends the stop byte and ends.
    void stop();
    // The unit is gone: ends without writing anything.
    void abandon();

    // The next message carries these; the wave time set, for example by a
    // settings file restored during the run, is where the next step starts.
    void setInverse(bool on) { inverse = on; }
    void setWaveSeconds(double seconds) { waveSeconds = seconds; }

    bool isRunning() const { return running; }

Q_SIGNALS:
    // An adjust message with this wave time went to the unit.
    void sent(double waveSeconds);
    void ended(WaveRun::End end);

private:
    void send();
    void finish(End end);

    QPointer<UnitLink> unit;
    QTimer timer;
    double waveSeconds = 0;
    double endSeconds = 0;
    bool inverse = false;
    bool running = false;
};
