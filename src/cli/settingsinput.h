#pragma once

#include "settings.h"
#include "settingsrecord.h"

#include <QString>
#include <QStringList>

#include <optional>

// The settings that put and diff take: a settings file, or standard input
// for "-", holding a record of either length or what get --json prints,
// told apart by what it holds. Both are read as the window restores a file:
// every value through the form's rules.
struct SettingsInput {
    // The file's name, or "standard input".
    QString name;
    Settings settings;
    // The record's length, or the one a JSON object says it came from.
    SettingsRecord::Length length = SettingsRecord::Basic;
    // What the rules moved, in the form set reports it: "NAME: OLD -> NEW".
    QStringList moved;
    // An extended record's reserved fields, as given.
    QStringList reserved;

    // Reads and checks it; on failure says why on standard error.
    static std::optional<SettingsInput> read(const QString &fileName);
    // What a unit of `length` gets.
    QString recordFor(SettingsRecord::Length length) const;
    // What reading changed, and what the unit's length changes, each said
    // on standard error after `prefix`.
    void report(SettingsRecord::Length unitLength, const QString &prefix) const;
};
