#include "comportserver.h"

namespace
{
constexpr quint8 se = 240;
constexpr quint8 sb = 250;
constexpr quint8 will = 251;
constexpr quint8 doOption = 253;
constexpr quint8 dontOption = 254;
constexpr quint8 iac = 255;
constexpr quint8 comPort = 44;

QByteArray bytes(std::initializer_list<quint8> values)
{
    QByteArray out;
    for (const quint8 value : values)
        out += char(value);
    return out;
}
} // namespace

ComPortServer::ComPortServer()
{
    connect(&server, &QTcpServer::newConnection, this, &ComPortServer::onNewConnection);
    server.listen(QHostAddress::LocalHost);
}

void ComPortServer::sendWire(const QByteArray &wire)
{
    if (client) {
        client->write(wire);
        client->flush();
    }
}

void ComPortServer::closeClient()
{
    if (client)
        client->close();
}

void ComPortServer::onNewConnection()
{
    while (QTcpSocket *next = server.nextPendingConnection()) {
        if (client)
            client->deleteLater();
        client = next;
        received.clear();
        commandList.clear();
        settingValues.clear();
        state = State::Data;
        connect(next, &QTcpSocket::readyRead, this, &ComPortServer::onReadyRead);
        sendWire(greeting);
    }
}

void ComPortServer::onReadyRead()
{
    const QByteArray chunk = client->readAll();
    received += chunk;
    for (const char byte : chunk)
        take(quint8(byte));
}

void ComPortServer::take(quint8 byte)
{
    switch (state) {
    case State::Data:
        if (byte == iac)
            state = State::Command;
        break;
    case State::Command:
        state = State::Data;
        if (byte == sb) {
            subnegotiation.clear();
            state = State::Subnegotiation;
        } else if (byte >= will && byte <= dontOption) {
            verb = byte;
            state = State::Option;
        }
        break;
    case State::Option:
        state = State::Data;
        onCommand(verb, byte);
        break;
    case State::Subnegotiation:
        if (byte == iac)
            state = State::SubnegotiationCommand;
        else
            subnegotiation += char(byte);
        break;
    case State::SubnegotiationCommand:
        if (byte == iac) {
            subnegotiation += char(byte);
            state = State::Subnegotiation;
        } else {
            state = State::Data;
            if (byte == se)
                onSubnegotiation(subnegotiation);
        }
        break;
    }
}

void ComPortServer::onCommand(quint8 verb, quint8 option)
{
    commandList.append({verb, option});
    if (verb != will || option != comPort)
        return;
    if (answer == Answer::Agree)
        sendWire(bytes({iac, doOption, comPort}));
    else if (answer == Answer::Refuse)
        sendWire(bytes({iac, dontOption, comPort}));
}

void ComPortServer::onSubnegotiation(const QByteArray &content)
{
    if (content.size() < 2 || quint8(content.at(0)) != comPort || answer != Answer::Agree)
        return;
    const quint8 setting = quint8(content.at(1));
    const QByteArray value = content.mid(2);
    settingValues.insert(setting, value);
    if (unanswered.contains(setting))
        return;
    QByteArray reply = bytes({iac, sb, comPort, quint8(setting + 100)});
    for (const char byte : answerValues.value(setting, value)) {
        reply += byte;
        if (quint8(byte) == iac)
            reply += byte;
    }
    reply += bytes({iac, se});
    sendWire(reply);
}
