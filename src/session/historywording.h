#pragma once

#include "outcomes.h"

#include <QString>

// What became of the unit's former settings with a send, as both programs
// say it when the user must know.
namespace HistoryWording
{
// Nothing when they were kept, or held already.
QString note(const SendOutcome &outcome);
// A history that was damaged was set aside as `damaged` and begun anew.
QString setAside(const QString &damaged);
} // namespace HistoryWording
