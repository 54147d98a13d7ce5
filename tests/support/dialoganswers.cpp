#include "dialoganswers.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

void answerDialogs(QWidget *window, QStringList answers)
{
    auto *timer = new QTimer(window);
    QObject::connect(timer, &QTimer::timeout, [answers, answered = QPointer<QWidget>()]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == answered)
            return;
        // A warning needs no answer; it is closed.
        if (auto *box = qobject_cast<QMessageBox *>(modal); box && !box->button(QMessageBox::Yes))
            return void(box->close());
        if (answers.isEmpty())
            return;
        answered = modal;
        const QString answer = answers.takeFirst();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            // While its name field has the focus, the dialog leaves the name
            // alone.
            if (QWidget *focus = dialog->focusWidget())
                focus->clearFocus();
            dialog->selectFile(answer);
            static_cast<QDialog *>(dialog)->accept(); // public there, protected here
        } else if (auto *question = qobject_cast<QMessageBox *>(modal)) {
            question->button(answer == "Yes" ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    });
    timer->start(10);
}
