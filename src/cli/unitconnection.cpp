#include "unitconnection.h"

#include "historywording.h"
#include "recordcheck.h"
#include "report.h"
#include "shutdownsignals.h"
#include "unitfinder.h"
#include "unitlink.h"
#include "unitsession.h"
#include "wording.h"

#include <QEventLoop>

UnitConnection::UnitConnection(ShutdownSignals &shutdown) : shutdown(shutdown)
{
    connect(&shutdown, &ShutdownSignals::requested, this, [this] {
        interrupted = true;
        Q_EMIT ended();
    });
}

UnitConnection::~UnitConnection() = default;

QString UnitConnection::port() const
{
    return unit ? unit->port() : QString();
}

QString UnitConnection::firmware() const
{
    return unit ? unit->firmware() : QString();
}

bool UnitConnection::failWith(int status, const QString &message)
{
    exitStatus = fail(ExitStatus(status), message);
    return false;
}

bool UnitConnection::stillThere()
{
    if (interrupted) {
        // The user knows why; the status says it to a script.
        exitStatus = shutdown.exitStatus();
        return false;
    }
    return isThere();
}

bool UnitConnection::isThere()
{
    if (lost || !unit)
        return failWith(NoUnit, Messages::tr("%1: the unit was lost").arg(port()));
    return true;
}

void UnitConnection::waitUntil(const std::function<bool()> &done)
{
    if (done() || lost || interrupted)
        return;
    QEventLoop loop;
    connect(this, &UnitConnection::ended, &loop, &QEventLoop::quit);
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    connect(unit, &UnitSession::received, &loop, check);
    connect(unit, &UnitSession::sent, &loop, check);
    connect(unit, &UnitSession::left, &loop, check);
    loop.exec();
}

bool UnitConnection::open(const Candidates &candidates)
{
    const QStringList ports = candidates.ports();
    if (ports.isEmpty())
        return failWith(NoUnit, noUnitFound(ports));
    finder = new UnitFinder(candidates, LinkTimings(), this);
    QEventLoop loop;
    SearchReport report;
    connect(finder, &UnitFinder::unitFound, &loop, [&](UnitLink *link) {
        finder->claim(link);
        finder->stop();
        unit = new UnitSession(link, SessionTimings(), this);
        loop.quit();
    });
    connect(finder, &UnitFinder::searchEnded, &loop, [&](const SearchReport &ended) {
        report = ended;
        loop.quit();
    });
    connect(this, &UnitConnection::ended, &loop, &QEventLoop::quit);
    finder->search();
    if (finder->isProbing() && !interrupted)
        loop.exec();
    if (interrupted) {
        exitStatus = shutdown.exitStatus();
        return false;
    }
    if (!unit) {
        for (const SearchReport::Failure &failed : std::as_const(report.openFailures))
            note(concerning(failed.port, failed.failure.translated()));
        return failWith(NoUnit, noUnitFound(ports));
    }
    connect(unit, &UnitSession::lost, this, [this] {
        lost = true;
        Q_EMIT ended();
    });
    return true;
}

SettingsRecord::Length UnitConnection::recordLength() const
{
    return SettingsRecord::lengthFor(firmware());
}

std::optional<Settings> UnitConnection::receiveSettings()
{
    // Whatever ended an earlier wait ends this one before it starts.
    if (!stillThere())
        return std::nullopt;
    std::optional<SettingsAnswer> answer;
    const QMetaObject::Connection taken = connect(
        unit, &UnitSession::received, this, [&answer](const SettingsAnswer &got) { answer = got; });
    unit->requestSettings();
    waitUntil([&answer] { return answer.has_value(); });
    disconnect(taken);
    if (!stillThere())
        return std::nullopt;
    if (answer->kind == SettingsAnswer::NoAnswer) {
        failWith(NoAnswer,
                 Messages::tr("%1: no answer within %n s", nullptr, unit->answerMs() / 1000)
                     .arg(port()));
        return std::nullopt;
    }
    if (const std::optional<SettingsRecord::Problem> problem =
            SettingsRecord::problem(answer->record, recordLength())) {
        failWith(NoAnswer, Messages::tr("%1: the unit answered with %2")
                               .arg(port(), Wording::recordProblem(*problem)));
        return std::nullopt;
    }
    Settings settings;
    SettingsRecord::read(settings, answer->record, recordLength());
    return settings;
}

bool UnitConnection::send(const QString &record)
{
    if (!stillThere())
        return false;
    std::optional<SendOutcome> outcome;
    const QMetaObject::Connection taken = connect(
        unit, &UnitSession::sent, this, [&outcome](const SendOutcome &got) { outcome = got; });
    unit->send(record);
    printLine(record);
    waitUntil([&outcome] { return outcome.has_value(); });
    disconnect(taken);
    if (!stillThere())
        return false;
    // The history protects, it never fails a send.
    if (const QString history = HistoryWording::note(*outcome); !history.isEmpty())
        note(concerning(port(), history));
    switch (outcome->kind) {
    case SendOutcome::Confirmed:
        return true;
    case SendOutcome::Differs:
        return failWith(NoAnswer, Messages::tr("%1: the unit reads back differently: %2")
                                      .arg(port(), Wording::readBack(*outcome)));
    case SendOutcome::NoAnswer:
    case SendOutcome::Lost:
        break;
    }
    return failWith(
        NoAnswer,
        Messages::tr("%1: no answer within %n s", nullptr, unit->answerMs() / 1000).arg(port()));
}

bool UnitConnection::finish()
{
    // Not cut short by a signal: what was begun leaves whole, a wave run's
    // stop byte included.
    if (!isThere())
        return false;
    std::optional<bool> allWritten;
    connect(unit, &UnitSession::left, this, [&allWritten](bool all) { allWritten = all; });
    unit->leave();
    if (!allWritten) {
        // A unit lost meanwhile ends the leaving too.
        QEventLoop loop;
        connect(unit, &UnitSession::left, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!isThere())
        return false;
    if (!allWritten.value_or(false))
        return failWith(NoAnswer, Messages::tr("%1: could not write to the port").arg(port()));
    return true;
}
