#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

// Every message the window has said since the program started, with the
// time it was said, so that none is lost to a short status line or to the
// next one.
class MessageLog : public QObject
{
    Q_OBJECT

public:
    struct Message {
        QDateTime time;
        QString text;
    };

    using QObject::QObject;

    // Keeps a message; the same text said again at once is kept once.
    void add(const QString &text);
    const QList<Message> &messages() const { return kept; }

Q_SIGNALS:
    void added(const MessageLog::Message &message);

private:
    QList<Message> kept;
};
