#include "waverun.h"

#include "unitlink.h"
#include "unitmessages.h"

#include <cmath>

namespace
{
// The wave time as a two-decimal control holds it.
double inHundredths(double seconds)
{
    return std::round(seconds * 100) / 100;
}
} // namespace

WaveRun::WaveRun(QObject *parent) : QObject(parent)
{
    timer.setInterval(stepInterval);
    // The unit sees a step every 3 s, not merely about every 3 s as a coarse
    // timer would allow.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &WaveRun::advance);
}

// A run still under way when its owner goes ends as a stopped one does.
WaveRun::~WaveRun()
{
    if (running)
        stop();
}

void WaveRun::start(UnitLink *unit, double waveSeconds, bool inverse, double endSeconds)
{
    this->unit = unit;
    this->waveSeconds = waveSeconds;
    this->inverse = inverse;
    this->endSeconds = endSeconds;
    running = true;
    send();
    // Whoever is told of the message may have stopped the run already.
    if (!running)
        return;
    if (waveSeconds < endSeconds)
        timer.start();
    else
        finish(End::Reached);
}

void WaveRun::advance()
{
    if (!running)
        return;
    waveSeconds = qMin(inHundredths(waveSeconds + step), endSeconds);
    send();
    if (running && waveSeconds >= endSeconds)
        finish(End::Reached);
}

void WaveRun::stop()
{
    if (running)
        finish(End::Stopped);
}

void WaveRun::abandon()
{
    if (!running)
        return;
    unit = nullptr;
    finish(End::Lost);
}

void WaveRun::send()
{
    if (unit)
        unit->writeFrame(UnitMessages::adjust(waveSeconds, inverse));
    Q_EMIT sent(waveSeconds);
}

void WaveRun::finish(End end)
{
    timer.stop();
    running = false;
    if (unit && end != End::Lost)
        unit->writeRaw(QString::fromLatin1(UnitMessages::stopByte));
    Q_EMIT ended(end);
}
