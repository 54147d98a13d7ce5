#include "report.h"

#include "ownwording.h"

#include <QJsonArray>

#include <QLoggingCategory>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
// The first reason a write to standard output failed; 0 while none did.
int outputError = 0;
bool settingsTaken = false;

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

bool printJson(const QJsonDocument &document)
{
    const QJsonDocument::JsonFormat format = document.isArray() && document.array().isEmpty()
                                                 ? QJsonDocument::Compact
                                                 : QJsonDocument::Indented;
    return printLine(QString::fromUtf8(document.toJson(format)).trimmed());
}

bool outputWritten()
{
    errno = 0;
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
    if (outputError == 0)
        return true;
    const QString reason = ownWording(QString::fromLocal8Bit(std::strerror(outputError)));
    note(settingsTaken
             ? Messages::tr("standard output could not be written: %1; the unit had taken the "
                            "settings and read them back as sent")
                   .arg(reason)
             : Messages::tr("standard output could not be written: %1").arg(reason));
    return false;
}

void noteSettingsTaken()
{
    settingsTaken = true;
}

int mostSerious(int first, int second)
{
    const auto rank = [](int status) {
        if (status > 128)
            return 10;
        const QList<int> order{Done, Differs, OutputFailed, NotValid, NoAnswer, NoUnit};
        return int(order.indexOf(status));
    };
    return rank(first) >= rank(second) ? first : second;
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

QString ruleChange(const QString &name, const QString &old, const QString &now)
{
    return Messages::tr("%1: %2 -> %3 (rule)").arg(name, old, now);
}

void showDebugOutput(bool show)
{
    if (show) {
        // Every byte written too, the probe and the framing included.
        QLoggingCategory::setFilterRules(QStringLiteral("kv3318.bytes.debug=true"));
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
