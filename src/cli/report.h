#pragma once

#include <QString>

// What every command ends with; documented in --help and the manual page.
enum ExitStatus {
    Done = 0,
    BadUsage = 1,
    NoUnit = 2,
    NoAnswer = 3,
    NotValid = 4,
    OutputFailed = 6,
};

// One line on standard output, pushed out at once so that a pipe sees each
// line when it happens; false when it could not be written.
bool printLine(const QString &line);
// One line on standard error.
void note(const QString &message);
// One line on standard error; gives the status to exit with.
int fail(ExitStatus status, const QString &message);
// Qt's messages only with --verbose: without it a command says what went
// wrong in its own single line.
void showDebugOutput(bool show);
