#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

// Answers the modal dialogs as they open: a file dialog gets the next
// answer as its path, and is cancelled when none is left; a question (and
// the file dialog's own before it replaces a file) gets the button whose
// text is the next answer ("Yes", "Send", "Discard", ...), and its text is
// kept; any other message box is kept as a warning and closed.
class DialogAnswers : public QObject
{
public:
    DialogAnswers(QWidget *window, QStringList answers = {});

    QStringList questions;
    QStringList warnings;
    int fileDialogs = 0;

private:
    void answer();

    QStringList answers;
    QWidget *answered = nullptr;
};
