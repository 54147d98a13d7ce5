#include "unitresponder.h"

#include <QRegularExpression>

namespace
{
constexpr qsizetype basicFieldCount = 20;
constexpr qsizetype extendedFieldCount = 22;
constexpr qsizetype waveTimeField = 18;
constexpr qsizetype inverseField = 19;
constexpr const char *extendedTail = ";111;111";
// Firmware newer than this sends and expects the extended record.
constexpr const char *lastBasicFirmware = "1.0.10.1";

// Packs a.b.c.d as ((a*256+b)*256+c)*256+d exactly as the tool does, so
// that both sides agree on the record length; 0 without four parts.
quint32 packedVersion(const QString &text)
{
    static const QRegularExpression letters("[a-zA-Z]");
    const QStringList parts = QString(text).remove(letters).split('.', Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return 0;
    quint32 packed = 0;
    for (const QString &part : parts)
        packed = packed * 256 + part.toUInt();
    return packed;
}

QByteArrayList nonEmptyParts(const QByteArray &text)
{
    QByteArrayList parts = text.split(';');
    parts.removeAll(QByteArray());
    return parts;
}

QByteArray framed(const QByteArray &body)
{
    return '\x02' + body + "\x03\r";
}

// Log lines stay printable ASCII and unambiguous whatever arrived.
QByteArray printable(QByteArrayView bytes)
{
    QByteArray out;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code < 0x7F && byte != '\\')
            out.append(byte);
        else
            out.append("\\x").append(QByteArray::number(code, 16).rightJustified(2, '0'));
    }
    return out;
}
} // namespace

UnitResponder::UnitResponder(const QByteArray &firmware, QObject *parent)
    : QObject(parent), firmware(firmware),
      extended(packedVersion(QString::fromLatin1(firmware)) > packedVersion(lastBasicFirmware)),
      fields(nonEmptyParts(QByteArray(startRecord) + extendedTail))
{
}

bool UnitResponder::loadRecord(const QByteArray &record)
{
    const QByteArrayList parts = nonEmptyParts(record);
    if (parts.size() != basicFieldCount && parts.size() != extendedFieldCount)
        return false;
    // A basic record leaves the reserved fields as they were.
    for (qsizetype i = 0; i < parts.size(); ++i)
        fields[i] = parts[i];
    for (auto held = heldFields.cbegin(); held != heldFields.cend(); ++held)
        fields[held.key()] = held.value();
    return true;
}

bool UnitResponder::holdField(int position, const QByteArray &value)
{
    if (position < 0 || position >= extendedFieldCount)
        return false;
    heldFields.insert(position, value);
    fields[position] = value;
    return true;
}

QByteArray UnitResponder::record() const
{
    return fields.mid(0, extended ? extendedFieldCount : basicFieldCount).join(';');
}

void UnitResponder::handleFrame(const QByteArray &body)
{
    if (body.startsWith('\x02')) {
        const QByteArray text = body.mid(1);
        emit logged("adjust " + printable(text));
        applyAdjust(text);
    } else if (body == "?") {
        emit logged("probe");
        emit replyReady(framed("KV3318 " + firmware));
    } else if (body == "0data") {
        emit logged("request");
        emit replyReady(framed(record()));
    } else if (nonEmptyParts(body).size() == (extended ? extendedFieldCount : basicFieldCount)) {
        emit logged("settings " + printable(body));
        loadRecord(body);
    } else {
        emit logged("other " + printable(body));
    }
}

void UnitResponder::handleStop()
{
    emit logged("stop");
}

void UnitResponder::applyAdjust(const QByteArray &text)
{
    // Wave time in hundredths, then the inverse flag; kept as received.
    const QByteArrayList parts = nonEmptyParts(text);
    if (parts.size() != 2)
        return;
    fields[waveTimeField] = parts[0];
    fields[inverseField] = parts[1];
}
