#pragma once

#include "messagelog.h"

#include <QDialog>

class QPlainTextEdit;

// The messages the window said, whole, each with its time, to be read and
// copied; new ones are added while it is open.
class MessageList : public QDialog
{
    Q_OBJECT

public:
    MessageList(const MessageLog &log, QWidget *parent);

private:
    void append(const MessageLog::Message &message);

    QPlainTextEdit *text;
};
