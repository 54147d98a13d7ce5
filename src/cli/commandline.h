#pragma once

#include "candidates.h"

#include <QCommandLineParser>
#include <QStringList>

// The command, its arguments and the common options, parsed once.
class CommandLine
{
public:
    CommandLine();

    // Reads the arguments; --help and --version print and exit here. False,
    // after one line on standard error, when the usage is wrong.
    bool parse(const QStringList &arguments);

    QString command() const { return words.value(0); }
    QStringList arguments() const { return words.mid(1); }
    bool isVerbose() const { return parser.isSet(verboseOption); }
    bool isJson() const { return parser.isSet(jsonOption); }
    bool isDryRun() const { return parser.isSet(dryRunOption); }
    bool hasWaveEnd() const { return parser.isSet(toOption); }
    QString waveEnd() const { return parser.value(toOption); }
    // The ports to probe: those named with --port, else KV3318_PORTS or the
    // system's list.
    Candidates candidates() const;

private:
    QCommandLineParser parser;
    QCommandLineOption portOption;
    QCommandLineOption verboseOption;
    QCommandLineOption jsonOption;
    QCommandLineOption dryRunOption;
    QCommandLineOption toOption;
    QStringList words;
};
