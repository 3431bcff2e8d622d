#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace dutyloop {

// The WebDAV (RFC 4918) and CalDAV (RFC 4791) request bodies the publishing sends, and the
// reading of the multistatus answers to them.

// PROPFIND, Depth 0, on the calendar's URL: is it a calendar collection, and what is it called.
QByteArray CollectionPropfindBody();
// REPORT calendar-query, Depth 1: every event of the calendar with its ETag and its data.
QByteArray CalendarQueryBody();
// PROPFIND, Depth 0, on one resource: its ETag now.
QByteArray EtagPropfindBody();

// One <response> of a multistatus answer.
struct DavResource {
    // The resource's path on the server, percent-decoded, resolved against the request's URL:
    // "/kim/duty/20270302-5-tfs@dutyloop.halvorne.example.ics".
    QString path;
    QUrl url; // the same, whole: the href resolved against the request's URL
    // The HTTP status of the properties read (those in a 200 propstat), or of the response
    // itself where it has one (a resource that is gone: 404).
    int status = 0;
    QByteArray etag; // as the server gives it, quotes included
    QByteArray calendarData;
    bool isCalendar = false; // its resourcetype holds a CalDAV calendar
    QString displayName;
    friend bool operator==(const DavResource&, const DavResource&) = default;
};

// How deep an answer's elements may nest. A multistatus with calendar data needs seven levels;
// a body far deeper answers none of our requests, and reading it costs memory at every level.
constexpr int kDavNestingLimit = 64;

// The responses of a 207 Multi-Status body, in document order; nullopt for a body that is not a
// well-formed multistatus or nests deeper than the limit, with the reason in `problem`. Names
// are matched by namespace, whatever prefix the server uses.
std::optional<QList<DavResource>> ParseMultistatus(const QByteArray& body, const QUrl& requestUrl,
                                                   QString* problem = nullptr);

// A path as ParseMultistatus gives it, the same for every spelling of one URL: "%40" and "@"
// alike, no empty segments.
QString NormalizedDavPath(const QUrl& url);

} // namespace dutyloop
