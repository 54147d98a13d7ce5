#include "comportcontrol.h"

#include "telnetstream.h"

#include <QtEndian>

namespace
{
QByteArray baudRate(quint32 rate)
{
    QByteArray value(4, '\0');
    qToBigEndian(rate, value.data());
    return value;
}
} // namespace

ComPortControl::ComPortControl(TelnetStream *stream, int answerMs, QObject *parent)
    : QObject(parent), stream(stream)
{
    answerTimer.setSingleShot(true);
    answerTimer.setInterval(answerMs);
    connect(&answerTimer, &QTimer::timeout, this, &ComPortControl::onTimeout);
    connect(stream, &TelnetStream::commandReceived, this, &ComPortControl::onCommand);
    connect(stream, &TelnetStream::subnegotiationReceived, this, &ComPortControl::onSubnegotiation);
}

void ComPortControl::start()
{
    agreed = false;
    serverOptionAccepted = false;
    unconfirmed.clear();
    waiting = true;
    answerTimer.start();
    stream->sendCommand(TelnetStream::will, option);
}

void ComPortControl::stop()
{
    waiting = false;
    answerTimer.stop();
}

void ComPortControl::onCommand(quint8 verb, quint8 commandOption)
{
    if (commandOption != option) {
        // Declining is all a server needs to hear; a WONT or DONT leaves an
        // option off as it already is, so it gets no answer, which keeps the
        // two sides from answering each other for ever.
        if (verb == TelnetStream::will)
            stream->sendCommand(TelnetStream::dontOption, commandOption);
        else if (verb == TelnetStream::doOption)
            stream->sendCommand(TelnetStream::wont, commandOption);
        return;
    }
    switch (verb) {
    case TelnetStream::doOption:
        if (waiting && !agreed) {
            agreed = true;
            sendSettings();
        }
        break;
    case TelnetStream::dontOption:
        if (waiting)
            fail({OpenFailure::Refused,
                  QStringLiteral(
                      QT_TRANSLATE_NOOP("OpenFailure", "the server refused com port control"))});
        break;
    case TelnetStream::will:
        if (!serverOptionAccepted) {
            serverOptionAccepted = true;
            stream->sendCommand(TelnetStream::doOption, option);
        }
        break;
    case TelnetStream::wont:
        if (serverOptionAccepted) {
            serverOptionAccepted = false;
            stream->sendCommand(TelnetStream::dontOption, option);
        }
        break;
    }
}

void ComPortControl::sendSettings()
{
    unconfirmed = {
        {1, baudRate(19200), QT_TRANSLATE_NOOP("OpenFailure", "baud rate 19200")},
        {2, QByteArray(1, 8), QT_TRANSLATE_NOOP("OpenFailure", "data size 8")},
        {3, QByteArray(1, 1), QT_TRANSLATE_NOOP("OpenFailure", "parity none")},
        {4, QByteArray(1, 1), QT_TRANSLATE_NOOP("OpenFailure", "stop size 1")},
        {5, QByteArray(1, 1), QT_TRANSLATE_NOOP("OpenFailure", "no flow control")},
    };
    for (const Setting &setting : std::as_const(unconfirmed))
        stream->sendSubnegotiation(char(option) + QByteArray(1, char(setting.command)) +
                                   setting.value);
}

void ComPortControl::onSubnegotiation(const QByteArray &content)
{
    if (!waiting || !agreed || content.size() < 2 || quint8(content.at(0)) != option)
        return;
    const int command = quint8(content.at(1)) - serverOffset;
    const auto answered =
        std::find_if(unconfirmed.cbegin(), unconfirmed.cend(),
                     [command](const Setting &setting) { return setting.command == command; });
    // Notifications of line and modem state, and answers to nothing we
    // asked, say nothing about the settings.
    if (answered == unconfirmed.cend())
        return;
    if (content.mid(2) != answered->value) {
        fail(OpenFailure::said(OpenFailure::Refused,
                               QT_TRANSLATE_NOOP("OpenFailure", "the server refused %1"),
                               answered->name));
        return;
    }
    unconfirmed.erase(answered);
    if (!unconfirmed.isEmpty())
        return;
    stop();
    Q_EMIT confirmed();
}

void ComPortControl::onTimeout()
{
    if (!waiting)
        return;
    if (!agreed)
        fail({OpenFailure::Refused,
              QStringLiteral(
                  QT_TRANSLATE_NOOP("OpenFailure", "the server did not answer com port control"))});
    else
        fail(OpenFailure::said(OpenFailure::Refused,
                               QT_TRANSLATE_NOOP("OpenFailure", "the server did not confirm %1"),
                               unconfirmed.first().name));
}

void ComPortControl::fail(const OpenFailure &failure)
{
    stop();
    Q_EMIT failed(failure);
}
