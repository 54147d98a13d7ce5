#pragma once

#include "settingsrecord.h"

#include <QString>

#include <optional>

class UnitConnection;

// The settings that put and diff take: a settings file, or standard input
// for "-", holding a record or, with --json, what get --json prints.
struct SettingsInput {
    // The file's name, or "standard input".
    QString name;
    // The record as read; for JSON, the basic record of its settings.
    QString record;
    bool fromJson = false;
    // The length the record was written for.
    SettingsRecord::Length length = SettingsRecord::Basic;

    // Reads and checks it as far as can be done without a unit; on failure
    // says why on standard error.
    static std::optional<SettingsInput> read(const QString &fileName, bool json);
    // The record a unit of `length` gets, restored as the window restores a
    // file; nothing, with the problem, when it does not fit that length.
    // JSON fits either.
    std::optional<QString> recordFor(SettingsRecord::Length length, QString *problem) const;
    // The record for the unit found, as the window would hold it; nothing,
    // after one line on standard error naming the unit, when it does not fit.
    std::optional<QString> recordForUnit(const UnitConnection &unit) const;

private:
    bool takeJson(const QString &text, QString *problem);
    bool takeRecord(const QString &text, QString *problem);
};
