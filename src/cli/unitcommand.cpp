#include "unitcommand.h"

#include "commandline.h"
#include "report.h"
#include "sessiontimings.h"
#include "shutdownsignals.h"
#include "unitfinder.h"
#include "unitjob.h"
#include "unitlink.h"
#include "unitsession.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <memory>

void sayWhatFailed(const SearchReport &report, bool named)
{
    for (const SearchReport::Failure &failed : report.openFailures)
        note(concerning(failed.port, failed.failure.advised()));
    // Of the system's own ports most hold no unit; those the user named
    // were meant to.
    if (named || report.units.isEmpty()) {
        for (const QString &port : report.silent)
            note(concerning(port, Messages::tr("no unit answered")));
    }
}

int runOnUnits(const CommandLine &commandLine, ShutdownSignals &shutdown,
               const std::function<UnitJob *(UnitSession *session, bool every)> &makeJob)
{
    const QStringList ports = commandLine.candidates().ports();
    if (ports.isEmpty())
        return fail(NoUnit, Messages::tr("no candidate ports to probe"));
    const bool every = commandLine.isAll();
    std::vector<std::unique_ptr<UnitJob>> jobs;
    std::optional<SearchReport> report;
    bool interrupted = false;

    QEventLoop loop;
    const auto ended = [&] {
        return (report || interrupted) &&
               std::all_of(jobs.cbegin(), jobs.cend(),
                           [](const std::unique_ptr<UnitJob> &job) { return job->hasFinished(); });
    };
    const auto quitWhenDone = [&] {
        if (ended())
            loop.quit();
    };
    UnitFinder finder(commandLine.candidates());
    QObject::connect(&finder, &UnitFinder::unitFound, &loop, [&](UnitLink *link) {
        if (interrupted || (!every && !jobs.empty()))
            return;
        finder.claim(link);
        auto *session = new UnitSession(link, SessionTimings());
        jobs.emplace_back(makeJob(session, every));
        QObject::connect(jobs.back().get(), &UnitJob::finished, &loop, quitWhenDone);
        if (!every) {
            // The first unit is the one: the others' probes end here.
            finder.stop();
            report.emplace();
            if (ports.size() > 1)
                note(concerning(link->port(),
                                Messages::tr("the unit used, firmware %1").arg(link->firmware())));
        }
        jobs.back()->start();
    });
    QObject::connect(&finder, &UnitFinder::searchEnded, &loop, [&](const SearchReport &found) {
        report = found;
        quitWhenDone();
    });
    QObject::connect(&shutdown, &ShutdownSignals::requested, &loop, [&] {
        interrupted = true;
        finder.stop();
        for (const std::unique_ptr<UnitJob> &job : jobs)
            job->interrupt(shutdown.exitStatus());
        quitWhenDone();
    });
    finder.search();
    if (!ended())
        loop.exec();

    if (interrupted)
        return shutdown.exitStatus();
    if (every || jobs.empty())
        sayWhatFailed(*report, commandLine.candidates().isNamed());
    if (jobs.empty())
        return NoUnit;
    int status = Done;
    QJsonArray outputs;
    for (const std::unique_ptr<UnitJob> &job : jobs) {
        status = mostSerious(status, job->status());
        if (!job->json().isUndefined())
            outputs.append(job->json());
    }
    if (commandLine.isJson() && every) {
        printJson(QJsonDocument(outputs));
    } else if (commandLine.isJson() && !outputs.isEmpty()) {
        const QJsonValue output = outputs.first();
        printJson(output.isArray() ? QJsonDocument(output.toArray())
                                   : QJsonDocument(output.toObject()));
    }
    return status;
}
