#pragma once

class CommandLine;

// One function per command; each returns the exit status.
int listUnits(const CommandLine &commandLine);
int getSettings(const CommandLine &commandLine);
int putSettings(const CommandLine &commandLine);
int setSettings(const CommandLine &commandLine);
int runWave(const CommandLine &commandLine);
