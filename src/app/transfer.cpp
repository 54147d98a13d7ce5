#include "mainwindow.h"

#include "formview.h"
#include "historywording.h"
#include "protocol.h"
#include "settingfields.h"
#include "unitsession.h"

// What is sent is asked back at once and compared, so that the user learns
// whether the unit took it.
void MainWindow::on_sendButton_clicked()
{
    // Settings meant for one tank must not reach another unseen.
    if (!maySendTo()) {
        closingAfterSend = false;
        return;
    }
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

// The unit's settings go into the form when asked for, and when the unit is
// found while the form holds nothing of the user's; otherwise the form
// stays, and the mark says that it differs from the unit.
void MainWindow::onReceived(const SettingsAnswer &answer)
{
    const bool found = answer.reason == SettingsAnswer::Found;
    const auto length = SettingsRecord::Length(recordLength());
    const QString identity = protocol->session()->identity();
    QString said;
    if (answer.kind == SettingsAnswer::NoAnswer) {
        said = found ? tr("the unit did not say what it holds within %n second(s); the form "
                          "stays as it was",
                          nullptr, protocol->session()->answerMs() / 1000)
                     : noAnswer();
    } else if (answer.kind == SettingsAnswer::Received && found && !untouched) {
        // The form stays as the user made it; whose settings it holds is said.
        if (!formSource.isEmpty() && formSource != identity)
            said = tr("this is another unit than the one the form's settings were read from");
    } else if (answer.kind == SettingsAnswer::Received && showFoundRecord(answer.record, found)) {
        formSource = identity;
        actingNotice.clear();
        said = tr("settings received from the unit");
    } else if (answer.kind == SettingsAnswer::Received) {
        said = tr("the unit's answer is no settings record of %n field(s)", nullptr, int(length));
    }
    // What the mark says changes first; what happened is said after it.
    updateModified();
    applyState();
    if (!said.isEmpty())
        tell(said);
}

void MainWindow::onSent(const SendOutcome &outcome)
{
    QString said;
    const QString historyNote = HistoryWording::note(outcome);
    if (outcome.kind == SendOutcome::NoAnswer) {
        said = noAnswer();
    } else if (outcome.kind == SendOutcome::Confirmed) {
        untouched = true;
        formSource = protocol->session()->identity();
        actingNotice.clear();
        said = tr("settings sent to the unit and confirmed");
    } else if (outcome.kind == SendOutcome::Differs) {
        QStringList fields;
        if (outcome.heldFields != outcome.sentFields)
            fields << tr("a record of %n field(s), not %1", nullptr, outcome.heldFields)
                          .arg(outcome.sentFields);
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
    if (!historyNote.isEmpty())
        said = said.isEmpty() ? historyNote : said + QLatin1String("; ") + historyNote;
    // A unit that kept other settings, or a history that kept nothing, asks
    // the user to act: it stays said.
    if (outcome.kind == SendOutcome::Differs || !historyNote.isEmpty())
        warn(said);
    else if (!said.isEmpty())
        tell(said);
    // Closing waited for this: it goes on once the unit holds the form.
    if (std::exchange(closingAfterSend, false) && outcome.kind == SendOutcome::Confirmed)
        protocol->leave();
}
