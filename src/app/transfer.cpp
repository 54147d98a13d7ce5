#include "mainwindow.h"

#include "formview.h"
#include "protocol.h"
#include "recordcomparison.h"
#include "settingsrecord.h"

namespace
{
// The unit answers within half a second; the rest covers a slow adapter.
constexpr int answerMs = 2000;
} // namespace

void MainWindow::initTransfer()
{
    answerTimer.setSingleShot(true);
    answerTimer.setInterval(answerMs);
    connect(&answerTimer, &QTimer::timeout, this, &MainWindow::onAnswerMissing);
}

// What is sent is asked back at once and compared, so that the user learns
// whether the unit took it.
void MainWindow::on_sendButton_clicked()
{
    sentRecord = createDataString();
    protocol->writeData(sentRecord);
    requestSettings(true);
}

void MainWindow::on_receiveButton_clicked()
{
    requestSettings(false);
}

void MainWindow::requestSettings(bool afterSend)
{
    readingBack = afterSend;
    state.answerAwaited = true;
    protocol->writeData(QString::fromLatin1(UnitMessages::settingsRequest));
    answerTimer.start();
    applyState();
}

void MainWindow::onAnswerMissing()
{
    // An answer that comes later answers nothing any more.
    state.answerAwaited = false;
    tell(tr("the unit did not answer within %n second(s)", nullptr, answerMs / 1000));
    applyState();
}

void MainWindow::onReceiveComplete(const QString &data)
{
    // Only the first message after a request is an answer; the unit's other
    // messages must never touch the form.
    if (!state.answerAwaited)
        return;
    state.answerAwaited = false;
    answerTimer.stop();
    QString said;
    const auto length = SettingsRecord::Length(recordLength());
    if (readingBack) {
        const QList<SettingsRecord::Difference> differing =
            SettingsRecord::differences(sentRecord, data);
        Settings held = formView->settings();
        if (SettingsRecord::read(held, data, length))
            confirmed = held;
        if (differing.isEmpty()) {
            said = tr("settings sent to the unit and confirmed");
        } else {
            QStringList fields;
            for (const SettingsRecord::Difference &field : differing)
                fields << tr("%1 is %2, not %3").arg(field.name, field.second, field.first);
            said = tr("the unit holds other settings than were sent: %1")
                       .arg(fields.join(QLatin1String("; ")));
        }
    } else if (applyRecord(data, length)) {
        confirmed = formView->settings();
        said = tr("settings received from the unit");
    } else {
        said = tr("the unit's answer is no settings record of %n field(s)", nullptr, int(length));
    }
    updateModified();
    applyState();
    tell(said);
}
