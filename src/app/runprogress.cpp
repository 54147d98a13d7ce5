#include "runprogress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>

#include <cmath>

RunProgress::RunProgress(double step, std::chrono::milliseconds interval)
    : step(step), interval(interval), bar(new QProgressBar), label(new QLabel)
{
    bar->setTextVisible(false);
    bar->setAccessibleName(tr("adjustment run"));
    // No taller than the status text, so the window keeps its height.
    bar->setMaximumHeight(label->sizeHint().height());
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(label);
}

int RunProgress::stepsTo(double waveTime) const
{
    return int(std::lround((waveTime - first) / step));
}

void RunProgress::begin(double firstWaveTime, double lastWaveTime)
{
    first = firstWaveTime;
    last = lastWaveTime;
    bar->setRange(0, stepsTo(last));
    sent(first);
    show();
}

void RunProgress::sent(double waveTime)
{
    // A record restored during the run may move the wave time below where
    // the run began; the bar then counts from there.
    if (waveTime < first) {
        first = waveTime;
        bar->setRange(0, stepsTo(last));
    }
    bar->setValue(stepsTo(waveTime));

    const auto left = std::chrono::duration_cast<std::chrono::seconds>(
        (stepsTo(last) - stepsTo(waveTime)) * interval);
    const QLocale locale;
    label->setText(tr("%1 s of %2 s, %3:%4 left")
                       .arg(locale.toString(waveTime, 'f', 2), locale.toString(last, 'f', 2))
                       .arg(left.count() / 60)
                       .arg(left.count() % 60, 2, 10, QLatin1Char('0')));
}
