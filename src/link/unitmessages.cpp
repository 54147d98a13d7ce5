#include "unitmessages.h"

QString UnitMessages::adjust(double waveSeconds, bool inverse)
{
    return QChar(0x02) + QString::number(waveSeconds * 100.0, 'g', 6) + QLatin1Char(';') +
           QString::number(inverse ? 1 : 0);
}

bool UnitMessages::isProbeAnswer(const QString &body)
{
    return body.contains(QLatin1String(unitId));
}

QString UnitMessages::firmwareIn(const QString &probeAnswer)
{
    const qsizetype idAndSeparator = qsizetype(qstrlen(unitId)) + 1;
    return probeAnswer.size() < idAndSeparator ? probeAnswer : probeAnswer.mid(idAndSeparator);
}
