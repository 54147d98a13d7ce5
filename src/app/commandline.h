#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

// kv3318-config's own options. They are read before any QApplication exists, so that
// --help, --version and a mistake are answered without a display and never open a window.
namespace CommandLine
{

// Reads the program's arguments (the program's path first). When the window is to start,
// names the candidates given by --port in KV3318_PORTS and returns nothing; otherwise
// writes the help, the version or a one-line error and returns the exit status.
std::optional<int> handle(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace CommandLine
