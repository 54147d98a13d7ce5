#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QObject>

// Plays the controller unit: remembers its settings record, answers the
// probe and the settings request, and describes every message it gets as
// one printable log line.
class UnitResponder : public QObject
{
    Q_OBJECT

public:
    // The record of the configuration tool's start state.
    static constexpr const char *startRecord = "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";

    explicit UnitResponder(const QByteArray &firmware, QObject *parent = nullptr);

    // Accepts a basic or an extended record; false, and nothing changed,
    // for anything else.
    bool loadRecord(const QByteArray &record);
    // From now on the field at `position` (counted from 0) holds `value`
    // whatever a record sets it to, as a unit that changes a setting on its
    // own; false, and nothing held, for a position past the record.
    bool holdField(int position, const QByteArray &value);

public slots:
    void handleFrame(const QByteArray &body);
    void handleStop();

signals:
    void logged(const QByteArray &line);
    void replyReady(const QByteArray &frame);

private:
    QByteArray record() const;
    void applyAdjust(const QByteArray &text);

    QByteArray firmware;
    bool extended;
    QByteArrayList fields;
    QHash<int, QByteArray> heldFields;
};
