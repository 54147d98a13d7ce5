#pragma once

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>

// The program's own messages in the user's language: Messages::tr("...").
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(kv3318ctl)
};

// What every command ends with; documented in --help and the manual page.
enum ExitStatus {
    Done = 0,
    BadUsage = 1,
    NoUnit = 2,
    NoAnswer = 3,
    NotValid = 4,
    Differs = 5,
    OutputFailed = 6,
    SetupFailed = 7,
};

// The status of several units' outcomes: a signal first, then the most
// serious failure, and a difference only when nothing failed.
int mostSerious(int first, int second);

// One line on standard output, pushed out at once so that a pipe sees each
// line when it happens; false when it could not be written.
bool printLine(const QString &line);
// Whether everything printed reached standard output; on failure, says so
// on standard error, and whether a unit had taken settings before. A
// command's output is only done when this holds.
bool outputWritten();
// A unit confirmed the settings sent: said when the output then fails.
void noteSettingsTaken();
// JSON as the commands print it: indented, an empty array as [].
bool printJson(const QJsonDocument &document);
// One line on standard error; control characters in the message are shown
// escaped, so that it stays one line whatever a file or unit held.
void note(const QString &message);
// One line on standard error; gives the status to exit with.
int fail(ExitStatus status, const QString &message);
// "SUBJECT: PROBLEM", for what is wrong with a port, a file or an option.
QString concerning(const QString &subject, const QString &problem);
// "NAME: OLD -> NEW (rule)": a value the form's rules moved.
QString ruleChange(const QString &name, const QString &old, const QString &now);
// Qt's messages only with --verbose: without it a command says what went
// wrong in its own single line.
void showDebugOutput(bool show);
