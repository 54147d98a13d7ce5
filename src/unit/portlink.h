#pragma once

#include <QString>

// A symbolic link that names the unit's port at a fixed path, so a person
// or a script need not read the changing pseudo-terminal name. It is
// removed again when the unit ends, unless something else replaced it.
class PortLink
{
public:
    PortLink() = default;
    ~PortLink();
    PortLink(const PortLink &) = delete;
    PortLink &operator=(const PortLink &) = delete;

    // Replaces a stale link left at `path`, but never any other file.
    bool create(const QString &path, const QString &target, QString *error);

private:
    QString linkPath;
    QString linkTarget;
};
