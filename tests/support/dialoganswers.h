#pragma once

#include <QStringList>

class QWidget;

// Answers the modal dialogs as they open: a file dialog gets the next path,
// a question the next button ("Yes" or "No"); a warning is closed.
void answerDialogs(QWidget *window, QStringList answers);
