#include "virtualunitprocess.h"

#include <QElapsedTimer>
#include <QTest>

VirtualUnitProcess::VirtualUnitProcess(const QStringList &arguments)
{
    unit.setProgram(QStringLiteral(KV3318_VIRTUAL_UNIT));
    unit.setArguments(arguments);
    unit.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unit.start();
    if (!unit.waitForStarted(3000))
        return;
    QElapsedTimer clock;
    clock.start();
    while (!pending.contains('\n') && clock.elapsed() < 3000 && unit.waitForReadyRead(100))
        pending += unit.readAllStandardOutput();
    const qsizetype end = pending.indexOf('\n');
    if (end < 0)
        return;
    port = QString::fromLocal8Bit(pending.left(end));
    pending.remove(0, end + 1);
}

VirtualUnitProcess::~VirtualUnitProcess()
{
    if (unit.state() != QProcess::NotRunning) {
        unit.terminate();
        if (!unit.waitForFinished(2000))
            unit.kill();
        unit.waitForFinished(1000);
    }
}

bool VirtualUnitProcess::waitForLine(const QString &line, int timeoutMs)
{
    return QTest::qWaitFor([&] { return lines().contains(line); }, timeoutMs);
}

QStringList VirtualUnitProcess::lines()
{
    pending += unit.readAllStandardOutput();
    qsizetype end;
    while ((end = pending.indexOf('\n')) >= 0) {
        received << QString::fromLatin1(pending.left(end));
        pending.remove(0, end + 1);
    }
    return received;
}
