#include "dialoganswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

DialogAnswers::DialogAnswers(QWidget *window, QStringList answers)
    : QObject(window), answers(std::move(answers))
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &DialogAnswers::answer);
    timer->start(10);
}

void DialogAnswers::answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == answered)
        return;
    answered = modal;
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        ++fileDialogs;
        if (answers.isEmpty())
            return dialog->reject();
        // While its name field has the focus, the dialog leaves the name alone.
        if (QWidget *focus = dialog->focusWidget())
            focus->clearFocus();
        dialog->selectFile(answers.takeFirst());
        // Queued: a question the dialog asks itself must find this free.
        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        return;
    }
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box)
        return;
    // The file dialog asks before replacing a file with a warning's icon.
    if (box->icon() != QMessageBox::Question && !box->button(QMessageBox::Yes)) {
        warnings << box->text();
        box->close();
        return;
    }
    questions << box->text();
    const QString wanted = answers.isEmpty() ? QString() : answers.takeFirst();
    for (QAbstractButton *button : box->buttons()) {
        if (button->text().remove(QLatin1Char('&')) == wanted)
            return button->click();
    }
}
