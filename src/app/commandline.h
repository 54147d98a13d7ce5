#pragma once

#include "candidates.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

// kv3318-config's own options. They are read before any QApplication exists, so that
// --help, --version and a mistake are answered without a display and never open a window.
namespace CommandLine
{

// Reads the program's arguments (the program's path first). When the window is to start,
// puts the ports to probe into `candidates` (those given by --port, else KV3318_PORTS or
// the system's) and returns nothing; otherwise writes the help, the version or a one-line
// error and returns the exit status.
std::optional<int> handle(const QStringList &arguments, QTextStream &out, QTextStream &err,
                          Candidates *candidates);

} // namespace CommandLine
