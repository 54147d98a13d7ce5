#include "messagelist.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPlainTextEdit>
#include <QVBoxLayout>

MessageList::MessageList(const MessageLog &log, QWidget *parent)
    : QDialog(parent), text(new QPlainTextEdit)
{
    setWindowTitle(tr("Messages"));
    text->setReadOnly(true);
    text->setAccessibleName(tr("messages"));
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setMaximumBlockCount(MessageLog::maxMessages);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(640, 320);
    for (const MessageLog::Message &message : log.messages())
        append(message);
    connect(&log, &MessageLog::added, this, &MessageList::append);
}

void MessageList::append(const MessageLog::Message &message)
{
    text->appendPlainText(QLocale().toString(message.time.time(), QLocale::LongFormat) +
                          QLatin1String("  ") + message.text);
}
