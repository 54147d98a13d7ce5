#pragma once

#include <QObject>
#include <QString>

class QIODevice;

// Why a candidate could not be opened, in words for the user.
struct OpenFailure {
    enum Kind {
        Missing,          // no such device, or a link that leads nowhere
        PermissionDenied, // the user may not open it
        InUse,            // another program holds it
        NotSerial,        // a folder, a regular file, a device that is no serial line
        Unreachable,      // a network port that cannot be connected to
        Refused,          // a server that refused the line's settings
        Other,            // the system's own text
    };
    Kind kind = Other;
    // Lower case, no full stop: "permission denied", "connection refused".
    // English, as the debug output has it.
    QString text;
    // The text in the user's language where it had to be made with the
    // English; empty when the catalog gives it from the English.
    QString local = QString();

    // A text marked for the catalog in context "OpenFailure", with an
    // argument marked there too.
    static OpenFailure said(Kind kind, const char *text, const char *argument);
    // The text in the user's language.
    QString translated() const;
    // The same, with what the user can do about it where there is something:
    // a port denied to the user is opened after joining the group dialout.
    QString advised() const;
};

// How a link reaches one unit: a serial port, or a network connection that
// stands in for one. Opening may take a while (a connect, a negotiation), so
// its outcome comes as a signal: opened() as soon as the line is open, from
// within open() when that is at once, but a failure never before open() has
// returned.
class Transport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the candidate names a network port rather than a serial one.
    static bool isNetwork(const QString &candidate);

    // The candidate as the user named it: a port path or a URL.
    virtual QString name() const = 0;
    // Starts opening; ends in opened() or openFailed().
    virtual void open() = 0;
    // Closes at once; no signal follows.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The unit's bytes, both ways, once opened; its readyRead() tells of new ones.
    virtual QIODevice *device() = 0;
    // Bytes written that may not have reached the unit's line yet; a program
    // that is about to close waits for these.
    virtual qint64 bytesToWrite();
    // Waits, blocking, until what was written has left or `ms` passed; for
    // the last bytes of a program that has no event loop left to wait in.
    virtual bool waitForWritten(int ms);
    // The device file whose appearance and identity tell of the port, so that
    // it can be watched; empty for a port that cannot be (a network port).
    virtual QString devicePath() const { return {}; }
    // The name that stays with the port while it is the same one: the
    // device's lasting name, a network port's URL.
    virtual QString lastingName() const { return name(); }
    // Whether a port that could not be reached may be reached later without
    // any sign of it, and so is worth trying again by itself.
    virtual bool triedAgainWhenUnreachable() const { return false; }

Q_SIGNALS:
    void opened();
    void openFailed(const OpenFailure &failure);
    // The far end went away while open (a hang-up, a pulled adapter, a
    // connection closed or reset); the transport is closed when this comes.
    void lost(const QString &reason);
    // Bytes the device had already counted as written have now reached the
    // unit's line too; only a transport that waits beyond its device says so.
    void farEndWritten();
};
