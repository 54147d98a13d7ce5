#include "unitsession.h"

#include "unitlink.h"
#include "unitmessages.h"

#include <QCoreApplication>

UnitSession::UnitSession(UnitLink *link, const SessionTimings &timings, QObject *parent)
    : QObject(parent), link(link), timings(timings), unitPort(link->port()),
      unitFirmware(link->firmware()), unitIdentity(link->lastingName())
{
    link->setParent(this);
    connect(link, &UnitLink::messageReceived, this, &UnitSession::onMessage);
    connect(link, &UnitLink::lost, this,
            [this](const QString &, const QString &reason) { onLost(reason); });
    deadlineTimer.setSingleShot(true);
    connect(&deadlineTimer, &QTimer::timeout, this, &UnitSession::onDeadline);
    leaveTimer.setSingleShot(true);
    leaveTimer.setInterval(timings.leaveMs);
    connect(&leaveTimer, &QTimer::timeout, this, &UnitSession::finishLeaving);
    connect(link, &UnitLink::allWritten, this, [this] {
        if (leaving)
            finishLeaving();
    });
    connect(&waveRun, &WaveRun::sent, this, [this](double waveSeconds) {
        // The unit takes each step as it comes.
        if (knownSettings)
            knownSettings->waveSeconds = waveSeconds;
    });
}

UnitSession::~UnitSession()
{
    if (waveRun.isRunning()) {
        waveRun.stop();
        link->finishWriting(timings.leaveMs);
    }
    link->close();
}

SettingsRecord::Length UnitSession::recordLength() const
{
    return SettingsRecord::lengthFor(unitFirmware);
}

bool UnitSession::isPresent() const
{
    return present && !leftAlready;
}

void UnitSession::requestSettings(SettingsAnswer::Reason reason)
{
    Request ask = due();
    ask.reason = reason;
    pending.append(ask);
    link->writeFrame(QString::fromLatin1(UnitMessages::settingsRequest));
    armDeadline();
}

void UnitSession::send(const QString &record)
{
    if (knownSettings)
        return writeAndReadBack(record, keepHeld(), false);
    // Nothing is known of what the unit holds: it is asked once first.
    Request ask = due();
    ask.toSend = record;
    pending.append(ask);
    link->writeFrame(QString::fromLatin1(UnitMessages::settingsRequest));
    armDeadline();
}

UnitSession::Request UnitSession::due() const
{
    Request request;
    request.deadline = QDeadlineTimer(timings.answerMs);
    return request;
}

UnitHistory::Written UnitSession::keepHeld()
{
    return UnitHistory::keep({QDateTime::currentDateTimeUtc(), unitPort, unitIdentity, unitFirmware,
                              QCoreApplication::applicationName(),
                              SettingsRecord::write(*knownSettings, recordLength())});
}

void UnitSession::writeAndReadBack(const QString &record, const UnitHistory::Written &history,
                                   bool heldUnknown)
{
    link->writeFrame(record);
    Request readBack = due();
    readBack.sent = record;
    readBack.history = history;
    readBack.heldUnknown = heldUnknown;
    pending.append(readBack);
    link->writeFrame(QString::fromLatin1(UnitMessages::settingsRequest));
    armDeadline();
}

void UnitSession::armDeadline()
{
    if (pending.isEmpty())
        deadlineTimer.stop();
    else
        deadlineTimer.start(int(qMax<qint64>(0, pending.constFirst().deadline.remainingTime())));
}

void UnitSession::onDeadline()
{
    // Every request whose time is up has no answer; a message that comes
    // later answers nothing.
    while (!pending.isEmpty() && pending.constFirst().deadline.hasExpired()) {
        const Request expired = pending.takeFirst();
        answer(expired, SettingsAnswer::NoAnswer, QString());
    }
    armDeadline();
}

void UnitSession::onMessage(const QString &body)
{
    Q_EMIT messageReceived(body);
    // Only the first message after a request is its answer; a late reply
    // to a probe answers nothing.
    if (pending.isEmpty() || UnitMessages::isProbeAnswer(body))
        return;
    const Request request = pending.takeFirst();
    armDeadline();
    learn(body);
    answer(request, SettingsAnswer::Received, body);
}

void UnitSession::learn(const QString &record)
{
    Settings settings;
    if (SettingsRecord::read(settings, record, recordLength()))
        knownSettings = settings;
}

void UnitSession::answer(const Request &request, SettingsAnswer::Kind kind, const QString &body)
{
    if (request.toSend) {
        // The send goes on whether or not the unit said what it held.
        if (kind == SettingsAnswer::Lost) {
            SendOutcome lost;
            lost.kind = SendOutcome::Lost;
            lost.sent = *request.toSend;
            Q_EMIT sent(lost);
        } else if (knownSettings) {
            writeAndReadBack(*request.toSend, keepHeld(), false);
        } else {
            writeAndReadBack(*request.toSend, {}, true);
        }
        return;
    }
    if (!request.sent) {
        Q_EMIT received({kind, body, request.reason});
        return;
    }
    SendOutcome outcome;
    outcome.sent = *request.sent;
    outcome.readBack = body;
    outcome.history = request.history;
    outcome.heldUnknown = request.heldUnknown;
    if (kind == SettingsAnswer::NoAnswer) {
        outcome.kind = SendOutcome::NoAnswer;
    } else if (kind == SettingsAnswer::Lost) {
        outcome.kind = SendOutcome::Lost;
    } else {
        // Every field and the length: a unit that takes fewer fields than
        // it was sent has not taken the settings.
        outcome.differences = SettingsRecord::fieldDifferences(outcome.sent, body);
        outcome.sentFields = SettingsRecord::fieldCount(outcome.sent);
        outcome.heldFields = SettingsRecord::fieldCount(body);
        const bool same = outcome.differences.isEmpty() && outcome.sentFields == outcome.heldFields;
        outcome.kind = same ? SendOutcome::Confirmed : SendOutcome::Differs;
    }
    Q_EMIT sent(outcome);
}

void UnitSession::startRun(double waveSeconds, bool inverse, double endSeconds)
{
    waveRun.start(link, waveSeconds, inverse, endSeconds);
}

void UnitSession::onLost(const QString &reason)
{
    present = false;
    // The run cannot go on and its stop byte has nowhere to go.
    const bool duringRun = waveRun.isRunning();
    waveRun.abandon();
    deadlineTimer.stop();
    const QList<Request> unanswered = std::exchange(pending, {});
    for (const Request &request : unanswered)
        answer(request, SettingsAnswer::Lost, QString());
    Q_EMIT lost(reason, duringRun);
    if (leaving)
        finishLeaving();
}

void UnitSession::leave()
{
    if (leaving)
        return;
    leaving = true;
    waveRun.stop();
    // An answer to come would find nobody to take it.
    pending.clear();
    deadlineTimer.stop();
    if (!present || link->bytesToWrite() == 0)
        return finishLeaving();
    leaveTimer.start();
}

void UnitSession::finishLeaving()
{
    if (leftAlready)
        return;
    leftAlready = true;
    leaveTimer.stop();
    Q_EMIT left(present && link->bytesToWrite() == 0);
}

void UnitSession::writeFrame(const QString &payload)
{
    link->writeFrame(payload);
}

void UnitSession::writeRaw(const QString &payload)
{
    link->writeRaw(payload);
}
