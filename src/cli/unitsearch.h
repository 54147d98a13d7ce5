#pragma once

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class Protocol;

struct FoundUnit {
    QString port;
    QString firmware;
};

// Probes every candidate port at once, each with a link of its own and the
// window's probe, so that many ports take about as long as one.
class UnitSearch : public QObject
{
    Q_OBJECT

public:
    explicit UnitSearch(const QStringList &ports);
    ~UnitSearch() override;

    // Waits until every candidate has answered or given up; the units found,
    // in the order of the candidates.
    QList<FoundUnit> run();
    // The link to a unit that run() found, its port still open.
    std::unique_ptr<Protocol> takeLink(const QString &port);

private:
    QStringList ports;
    std::vector<std::unique_ptr<Protocol>> links;
};
