#pragma once

#include "candidates.h"

#include <QCommandLineParser>
#include <QStringList>

// The command, its arguments and the options, parsed once. --help and
// --version become the commands help and version, so that they end as
// every command does.
class CommandLine
{
public:
    CommandLine();

    // Reads the arguments; false, after one line on standard error, when the
    // usage is wrong.
    bool parse(const QStringList &arguments);

    QString command() const { return words.value(0); }
    QStringList arguments() const { return words.mid(1); }
    bool isVerbose() const { return isSet("verbose"); }
    bool isJson() const { return isSet("json"); }
    bool isDryRun() const { return isSet("dry-run"); }
    bool isAll() const { return isSet("all"); }
    bool hasFirmware() const { return isSet("firmware"); }
    QString firmware() const { return value("firmware"); }
    bool hasWaveEnd() const { return isSet("to"); }
    QString waveEnd() const { return value("to"); }
    // The ports to probe: those named with --port, else KV3318_PORTS or the
    // system's list.
    Candidates candidates() const;
    bool hasPorts() const { return isSet("port"); }

private:
    bool isSet(const char *option) const { return parser.isSet(QLatin1String(option)); }
    QString value(const char *option) const { return parser.value(QLatin1String(option)); }
    bool wrongOption() const;
    bool wrongPort() const;

    QCommandLineParser parser;
    QStringList words;
};
