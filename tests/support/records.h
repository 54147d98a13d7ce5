#pragma once

#include <QByteArray>

// Settings records as the form writes them: the form's start state, and two
// filled-in ones that differ from it and from each other in most fields.
inline const QByteArray startRecord = "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
inline const QByteArray exampleRecord = "1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0";
inline const QByteArray otherRecord = "2;30;0;0;0;0;0;0;0;100;5;0;1;48;1;10;3;1;250;1";

// One message as it travels on the line.
inline QByteArray frame(const QByteArray &body)
{
    return '\x02' + body + "\x03\r";
}

// One adjust message: its own STX, the wave time in hundredths, ";" and the
// inverse flag.
inline QByteArray adjustFrame(int hundredths, bool inverse = false)
{
    return frame('\x02' + QByteArray::number(hundredths) + ';' + (inverse ? '1' : '0'));
}

// What ends an adjustment run.
inline const QByteArray stopByte = "\x04";
