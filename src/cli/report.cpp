#include "report.h"

#include <QtGlobal>

#include <cstdio>

void printLine(const QString &line)
{
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
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
