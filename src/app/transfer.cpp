#include "mainwindow.h"

#include "formview.h"
#include "protocol.h"
#include "settingfields.h"
#include "unitsession.h"

// What is sent is asked back at once and compared, so that the user learns
// whether the unit took it.
void MainWindow::on_sendButton_clicked()
{
    protocol->session()->send(createDataString());
    applyState();
}

void MainWindow::on_receiveButton_clicked()
{
    protocol->session()->requestSettings();
    applyState();
}

QString MainWindow::noAnswer() const
{
    return tr("the unit did not answer within %n second(s)", nullptr,
              protocol->session()->answerMs() / 1000);
}

void MainWindow::onReceived(const SettingsAnswer &answer)
{
    const auto length = SettingsRecord::Length(recordLength());
    QString said;
    if (answer.kind == SettingsAnswer::NoAnswer)
        said = noAnswer();
    else if (answer.kind == SettingsAnswer::Received && applyRecord(answer.record, length))
        said = tr("settings received from the unit");
    else if (answer.kind == SettingsAnswer::Received)
        said = tr("the unit's answer is no settings record of %n field(s)", nullptr, int(length));
    // What the mark says changes first; what happened is said after it.
    updateModified();
    applyState();
    if (!said.isEmpty())
        tell(said);
}

void MainWindow::onSent(const SendOutcome &outcome)
{
    QString said;
    if (outcome.kind == SendOutcome::NoAnswer) {
        said = noAnswer();
    } else if (outcome.kind == SendOutcome::Confirmed) {
        said = tr("settings sent to the unit and confirmed");
    } else if (outcome.kind == SendOutcome::Differs) {
        QStringList fields;
        for (const SettingsRecord::Difference &field : outcome.differences)
            fields << tr("%1 is %2, not %3")
                          .arg(SettingFields::translated(
                                   SettingFields::recordFieldMeaning(field.position)),
                               field.second, field.first);
        said = tr("the unit holds other settings than were sent: %1")
                   .arg(fields.join(QLatin1String("; ")));
    }
    updateModified();
    applyState();
    if (!said.isEmpty())
        tell(said);
}
