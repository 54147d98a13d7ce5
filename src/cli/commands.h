#pragma once

class CommandLine;
class ShutdownSignals;

// One function per command; each returns the exit status. A signal from
// `shutdown` ends a command through its own clean-up, its ports closed.
int listUnits(const CommandLine &commandLine, ShutdownSignals &shutdown);
int getSettings(const CommandLine &commandLine, ShutdownSignals &shutdown);
int putSettings(const CommandLine &commandLine, ShutdownSignals &shutdown);
int setSettings(const CommandLine &commandLine, ShutdownSignals &shutdown);
int diffSettings(const CommandLine &commandLine, ShutdownSignals &shutdown);
int runWave(const CommandLine &commandLine, ShutdownSignals &shutdown);
// Reads only the history's files: opens no port.
int showHistory(const CommandLine &commandLine);
int showHelp(const CommandLine &commandLine);
