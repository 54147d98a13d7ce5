#include "report.h"

#include "ownwording.h"

#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
// The first reason a write to standard output failed; 0 while none did.
int outputError = 0;

QString escaped(const QString &message)
{
    QString line;
    for (const QChar c : message) {
        if (c == u'\n')
            line += QLatin1String("\\n");
        else if (c == u'\r')
            line += QLatin1String("\\r");
        else if (c == u'\t')
            line += QLatin1String("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}
} // namespace

bool printLine(const QString &line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    errno = 0;
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0;
    if (!written && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
    return written;
}

bool outputWritten()
{
    errno = 0;
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
    if (outputError == 0)
        return true;
    const QString reason = ownWording(QString::fromLocal8Bit(std::strerror(outputError)));
    note(Messages::tr("standard output could not be written: %1").arg(reason));
    return false;
}

void note(const QString &message)
{
    std::fprintf(stderr, "kv3318ctl: %s\n", qPrintable(escaped(message)));
}

int fail(ExitStatus status, const QString &message)
{
    note(message);
    return status;
}

QString concerning(const QString &subject, const QString &problem)
{
    return Messages::tr("%1: %2", "a port, file or option, then what is wrong with it")
        .arg(subject, problem);
}

QString noUnitFound(const QStringList &ports)
{
    if (ports.isEmpty())
        return Messages::tr("no candidate ports to probe");
    if (ports.size() == 1)
        return Messages::tr("%1: no unit found").arg(ports.constFirst());
    return Messages::tr("no unit found on %n candidate port(s)", nullptr, int(ports.size()));
}

void showDebugOutput(bool show)
{
    if (show) {
        // Formatted as Qt's own handler would, QT_MESSAGE_PATTERN included.
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
            });
    } else {
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    note(message);
            });
    }
}
