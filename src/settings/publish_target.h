#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace dutyloop {

inline constexpr int kMinPublishMonths = 1;
inline constexpr int kMaxPublishMonths = 24;
inline constexpr int kDefaultPublishMonths = 12;

// Where the chosen crew's duty is kept current: nowhere, a CalDAV calendar on the user's own
// server, or a folder of one .ics file per event ("vdir") that khal reads and vdirsyncer syncs.
// The password is never part of it: it lives in the desktop's secret store, keyed by the URL and
// the user name.
struct PublishTarget {
    enum class Kind { None, CalDav, Folder };
    Kind kind = Kind::None;
    QString url;    // the calendar's collection, http or https; empty where none is usable
    QString user;   // the user name on the server
    QString folder; // an absolute path; empty where none is usable
    int months = kDefaultPublishMonths; // from the 1st of this month, 1 to 24 months
    // The SHA-256 fingerprint, 64 lower-case hexadecimal digits, of the one certificate the user
    // accepted although it does not verify; empty where none was.
    QByteArray certificate;
    // The plain http address, as "http://host:port", that the user allowed to receive the
    // password unencrypted; empty where none was.
    QString unencrypted = QString();
    friend bool operator==(const PublishTarget&, const PublishTarget&) = default;
};

// The target that the settings file's [Publish] section holds; each missing or unusable value at
// its default: an unknown Target is none, a URL that is not http or https with a host is empty,
// as is a folder that is not an absolute path, months outside 1 to 24 are 12, and a fingerprint
// that is not 32 bytes in hexadecimal (colons between them allowed) is none.
PublishTarget PublishTargetFromText(const QByteArray& fileText);

// The file's text with the target written into its [Publish] section; every other line stays as
// it was. A user who publishes nowhere gets no section; turning publishing off takes the Target
// line out and leaves the rest, so that the dialog offers the same target again.
QByteArray TextWithPublishTarget(const QByteArray& fileText, const PublishTarget& target);

// The target as the state file and the secret store name it: the calendar's URL with the user in
// it, "https://kim@dav.example/duty/", or the folder's path as a file URL; empty for none.
QString PublishTargetKey(const PublishTarget& target);

// "http://dav.example:80": the scheme, host and port of an address, which a password allowed to
// travel unencrypted is allowed to; empty for no usable address.
QString OriginOf(const QString& url);

// The checks of the reading, one value at a time; empty where the value is unusable.
QString UsablePublishUrl(const QString& text);
QByteArray UsableFingerprint(QByteArrayView text);

} // namespace dutyloop
