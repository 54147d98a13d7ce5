#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

// The messages the window has said, with the time each was said, so that
// none is lost to a short status line or to the next one. The newest
// maxMessages are kept: a window left open for weeks must not grow without
// end.
class MessageLog : public QObject
{
    Q_OBJECT

public:
    struct Message {
        QDateTime time;
        QString text;
    };

    static constexpr int maxMessages = 500;

    using QObject::QObject;

    // Keeps a message; the same text said again at once is kept once.
    void add(const QString &text);
    const QList<Message> &messages() const { return kept; }

Q_SIGNALS:
    void added(const MessageLog::Message &message);

private:
    QList<Message> kept;
};
