#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>

// A Telnet COM Port Control server on a local port, for the behaviour no
// real server can be made to show: it refuses or mis-answers a setting,
// never answers, or sends commands in the middle of the unit's data. It
// takes one client at a time and records what that client sent.
class ComPortServer : public QObject
{
    Q_OBJECT

public:
    enum class Answer {
        Agree,   // DO COM-PORT-OPTION, then every setting as asked
        Refuse,  // DONT COM-PORT-OPTION
        Silence, // nothing at all
    };

    ComPortServer();

    quint16 port() const { return server.serverPort(); }
    QString url(const QString &scheme = QStringLiteral("rfc2217")) const
    {
        return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(port());
    }

    void setAnswer(Answer answer) { this->answer = answer; }
    // Answers the client's setting `command` with `value` instead of its own.
    void answerSettingWith(quint8 command, const QByteArray &value)
    {
        answerValues.insert(command, value);
    }
    // Never answers the client's setting `command`.
    void leaveUnanswered(quint8 command) { unanswered.insert(command); }
    // Sends these bytes to each new client before anything else.
    void setGreeting(const QByteArray &wire) { greeting = wire; }

    bool hasClient() const { return client && client->state() == QAbstractSocket::ConnectedState; }
    // Bytes as they go on the wire, escapes and commands included.
    void sendWire(const QByteArray &wire);
    void closeClient();

    // Everything the client sent, as it came over the wire.
    QByteArray wire() const { return received; }
    // The client's WILL, WONT, DO and DONT, as pairs of verb and option.
    QList<QPair<quint8, quint8>> commands() const { return commandList; }
    // The client's COM Port Control settings by command, as last sent.
    QHash<quint8, QByteArray> settings() const { return settingValues; }

private:
    void onNewConnection();
    void onReadyRead();
    void take(quint8 byte);
    void onCommand(quint8 verb, quint8 option);
    void onSubnegotiation(const QByteArray &content);

    QTcpServer server;
    QPointer<QTcpSocket> client;
    Answer answer = Answer::Agree;
    QHash<quint8, QByteArray> answerValues;
    QSet<quint8> unanswered;
    QByteArray greeting;

    QByteArray received;
    QList<QPair<quint8, quint8>> commandList;
    QHash<quint8, QByteArray> settingValues;

    enum class State { Data, Command, Option, Subnegotiation, SubnegotiationCommand };
    State state = State::Data;
    quint8 verb = 0;
    QByteArray subnegotiation;
};
