#include "unitjob.h"

#include "historywording.h"
#include "namedsettings.h"
#include "recordcheck.h"
#include "report.h"
#include "unitsession.h"
#include "wording.h"

#include <QJsonObject>

UnitJob::UnitJob(UnitSession *session, bool every) : unit(session), every(every)
{
    session->setParent(this);
    // Whatever was under way ends with the unit; leaving says it was lost,
    // queued, so that a loss that ended a run is known by then.
    connect(session, &UnitSession::lost, this, [this] {
        lost = true;
        finish();
    });
    connect(
        session, &UnitSession::left, this,
        [this](bool allWritten) {
            if (exitStatus == Done && lost)
                exitStatus = ::fail(NoUnit, concerning(port(), Messages::tr("the unit was lost")));
            else if (exitStatus == Done && !allWritten)
                exitStatus = ::fail(
                    NoAnswer, concerning(port(), Messages::tr("could not write to the port")));
            done = true;
            Q_EMIT finished();
        },
        Qt::QueuedConnection);
}

UnitJob::~UnitJob() = default;

QString UnitJob::port() const
{
    return unit->port();
}

SettingsRecord::Length UnitJob::recordLength() const
{
    return SettingsRecord::lengthFor(unit->firmware());
}

void UnitJob::interrupt(int status)
{
    exitStatus = status;
    finish();
}

void UnitJob::finish()
{
    if (ending)
        return;
    ending = true;
    disconnect(unit, &UnitSession::received, this, nullptr);
    disconnect(unit, &UnitSession::sent, this, nullptr);
    unit->leave();
}

void UnitJob::fail(int status, const QString &message)
{
    if (ending)
        return;
    exitStatus = ::fail(ExitStatus(status), concerning(port(), message));
    finish();
}

void UnitJob::failNoAnswer()
{
    fail(NoAnswer, Messages::tr("no answer within %n s", nullptr, unit->answerMs() / 1000));
}

bool UnitJob::print(const QString &line)
{
    return printLine(every ? port() + QLatin1Char('\t') + line : line);
}

QString UnitJob::notePrefix() const
{
    return every ? port() + QLatin1String(": ") : QString();
}

QJsonValue UnitJob::settingsJson(const Settings &settings) const
{
    QJsonObject object = NamedSettings::toJson(settings);
    object.insert(QLatin1String("port"), unit->port());
    object.insert(QLatin1String("firmware"), unit->firmware());
    object.insert(QLatin1String("recordLength"), int(recordLength()));
    return object;
}

void UnitJob::receiveSettings(const std::function<void(const Settings &)> &then)
{
    connect(unit, &UnitSession::received, this, [this, then](const SettingsAnswer &answer) {
        disconnect(unit, &UnitSession::received, this, nullptr);
        // The unit's loss is said once, as it comes.
        if (answer.kind == SettingsAnswer::Lost)
            return;
        if (answer.kind == SettingsAnswer::NoAnswer)
            return failNoAnswer();
        if (const std::optional<SettingsRecord::Problem> problem =
                SettingsRecord::problem(answer.record, recordLength()))
            return fail(
                NoAnswer,
                Messages::tr("the unit answered with %1").arg(Wording::recordProblem(*problem)));
        Settings settings;
        SettingsRecord::read(settings, answer.record, recordLength());
        then(settings);
    });
    unit->requestSettings();
}

void UnitJob::send(const QString &record, const std::function<void(const Settings &)> &then)
{
    connect(unit, &UnitSession::sent, this, [this, then](const SendOutcome &outcome) {
        disconnect(unit, &UnitSession::sent, this, nullptr);
        if (outcome.kind == SendOutcome::Lost)
            return;
        // The history protects, it never fails a send.
        if (const QString history = HistoryWording::note(outcome); !history.isEmpty())
            note(concerning(port(), history));
        if (outcome.kind == SendOutcome::Differs)
            return fail(NoAnswer, Messages::tr("the unit holds other settings than were sent: %1")
                                      .arg(Wording::readBack(outcome)));
        if (outcome.kind != SendOutcome::Confirmed)
            return failNoAnswer();
        noteSettingsTaken();
        Settings confirmed;
        SettingsRecord::read(confirmed, outcome.readBack, recordLength());
        then(confirmed);
    });
    unit->send(record);
}

void UnitJob::sendAndShow(const QString &record, bool json)
{
    send(record, [this, record, json](const Settings &confirmed) {
        if (json)
            setJson(settingsJson(confirmed));
        else
            print(record);
        finish();
    });
}
