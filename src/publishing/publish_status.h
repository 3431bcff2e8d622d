#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>

namespace dutyloop {

// Why the target does not have everything yet.
enum class PublishProblem {
    None,
    BadTarget,            // no target, or a URL or folder that cannot be used
    Unreachable,          // no connection: no network, no such host, connection refused
    Timeout,              // the server did not answer in time
    NoPassword,           // a calendar with a user name, and no password given for it
    WrongPassword,        // 401
    Forbidden,            // 403
    NotACalendar,         // the URL is no calendar collection (404 and the like)
    ServerError,          // 5xx
    BadAnswer,            // an answer that cannot be read
    UntrustedCertificate, // the server's certificate does not verify and was not accepted
    FolderNotWritable,    // a folder target that cannot be made or written
    Moved,                // the server sent the request to another origin; `details` says where
    Unencrypted,          // a plain http address the password was not allowed to go to
    StateNotKept,         // what the target confirmed cannot be written down in the settings folder
};

// Where publishing stands, for the Settings tab, the status line's tooltip and --publish.
struct PublishStatus {
    enum class State {
        Off,        // no target
        Publishing, // a run is under way
        Published,  // the target has everything
        Waiting,    // changes wait for the next try; `problem` says why
    };
    State state = State::Off;
    QDateTime lastComplete; // when the target last had everything; invalid: never
    int changesWaiting = 0; // events still to create or update, and ours still to delete
    PublishProblem problem = PublishProblem::None;
    QString details;        // the server's or the system's own words
    QByteArray certificate; // the untrusted certificate's SHA-256 in hexadecimal, to accept
    QDateTime nextTry;      // when the waiting work is tried again; invalid: not planned
    // What the last run did that the target confirmed.
    int created = 0;
    int updated = 0;
    int deleted = 0;
    // Resources the server named outside the calendar; they are left alone.
    int outside = 0;
    friend bool operator==(const PublishStatus&, const PublishStatus&) = default;
};

} // namespace dutyloop

Q_DECLARE_METATYPE(dutyloop::PublishStatus)
