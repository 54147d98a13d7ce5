#pragma once

#include <functional>

class CommandLine;
class ShutdownSignals;
class UnitJob;
class UnitSession;
struct SearchReport;

// Runs a command's job with the first unit to answer among the candidates,
// or with every unit that answers when --all is given, all at once; gives
// the most serious of their statuses. Ports that failed, and silent ones
// when no unit answered, are said on standard error, one line each.
int runOnUnits(const CommandLine &commandLine, ShutdownSignals &shutdown,
               const std::function<UnitJob *(UnitSession *session, bool every)> &makeJob);

// One line on standard error for each port that could not be opened, and
// for each that stayed silent, when the user named the candidates or no
// unit answered.
void sayWhatFailed(const SearchReport &report, bool named);
