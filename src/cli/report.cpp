#include "report.h"

#include <QtGlobal>

#include <cstdio>

bool printLine(const QString &line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) ==
               size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

void note(const QString &message)
{
    std::fprintf(stderr, "kv3318ctl: %s\n", qPrintable(message));
}

int fail(ExitStatus status, const QString &message)
{
    note(message);
    return status;
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
                    std::fprintf(stderr, "kv3318ctl: %s\n", qPrintable(message));
            });
    }
}
