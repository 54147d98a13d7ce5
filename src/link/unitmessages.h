#pragma once

#include <QByteArray>
#include <QString>

// What the tool says to the unit and how it knows the unit's answers: the
// one place that spells them, for the window and the command line alike.
namespace UnitMessages
{
// The unit names itself with this in its answer to the probe.
inline constexpr char unitId[] = "KV3318";
// The probe, "?" in a frame, sent as these fixed bytes.
inline constexpr char probe[] = "\x02?\x03\x0D";
// Asks the unit for its settings record.
inline constexpr char settingsRequest[] = "0data";
// Ends an adjustment run on the unit's side; it travels alone, outside any
// frame.
inline constexpr char stopByte[] = "\x04";

// One step of an adjustment run: the wave time in hundredths and the inverse
// flag, behind an STX of its own inside the frame's.
QString adjust(double waveSeconds, bool inverse);

// Whether a message body is the unit's answer to the probe.
bool isProbeAnswer(const QString &body);
// The firmware version the answer gives: what follows the id and one
// separator; an answer too short to hold one is taken whole.
QString firmwareIn(const QString &probeAnswer);
} // namespace UnitMessages
