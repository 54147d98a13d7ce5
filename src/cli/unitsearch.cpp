#include "unitsearch.h"

#include "protocol.h"

#include <QEventLoop>
#include <QTimer>

UnitSearch::UnitSearch(const QStringList &ports) : ports(ports) {}

UnitSearch::~UnitSearch() = default;

QList<FoundUnit> UnitSearch::run()
{
    QList<FoundUnit> outcome(ports.size());
    qsizetype pending = ports.size();
    QEventLoop loop;
    for (qsizetype index = 0; index < ports.size(); ++index) {
        auto link = std::make_unique<Protocol>();
        link->setCandidates({ports[index]});
        // Each link reports once: the port and firmware, or two empty texts.
        connect(link.get(), &Protocol::interfaceDetected, &loop,
                [&outcome, &pending, &loop, index](const QStringList &list) {
                    outcome[index] = {list.value(0), list.value(1)};
                    if (--pending == 0)
                        loop.quit();
                });
        links.push_back(std::move(link));
    }
    for (const std::unique_ptr<Protocol> &link : links)
        link->checkInterface();
    // Each probe ends by its own timer; this only keeps a link that never
    // reports from holding the command forever.
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (pending > 0)
        loop.exec();
    for (const std::unique_ptr<Protocol> &link : links)
        disconnect(link.get(), &Protocol::interfaceDetected, &loop, nullptr);
    outcome.removeIf([](const FoundUnit &unit) { return unit.port.isEmpty(); });
    return outcome;
}

std::unique_ptr<Protocol> UnitSearch::takeLink(const QString &port)
{
    const qsizetype index = ports.indexOf(port);
    if (index < 0 || !links[size_t(index)])
        return nullptr;
    return std::move(links[size_t(index)]);
}
