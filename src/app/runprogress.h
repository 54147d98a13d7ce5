#pragma once

#include <QWidget>

#include <chrono>

class QLabel;
class QProgressBar;

// Where an adjustment run stands, for the status bar: a bar, and the wave
// time sent last, the end value and the time the remaining steps take.
class RunProgress : public QWidget
{
    Q_OBJECT

public:
    // A run raises the wave time by `step` once every `interval`.
    RunProgress(double step, std::chrono::milliseconds interval);

    // A run from `firstWaveTime` to `lastWaveTime` has begun and sent the first.
    void begin(double firstWaveTime, double lastWaveTime);
    // One more step of the run has sent `waveTime`.
    void sent(double waveTime);

private:
    int stepsTo(double waveTime) const;

    double step;
    std::chrono::milliseconds interval;
    double first = 0;
    double last = 0;
    QProgressBar *bar;
    QLabel *label;
};
