#pragma once

#include <QString>
#include <QUrl>

namespace dutyloop {

// What a calendar server may be trusted with: its own origin and its own collection. The user's
// password goes only to the origin of the address they gave, and only resources directly inside
// the calendar collection are read, changed or deleted, whatever the server's answers name.

// The same scheme, host and port, the port a scheme's own where none is given.
bool SameOrigin(const QUrl& one, const QUrl& other);

// Where a URL that a server named lies, as seen from the calendar collection.
struct PlaceInCalendar {
    enum class Place {
        Collection, // the collection itself
        Member,     // a resource directly inside it
        Outside,    // anything else: another origin, a parent, a nested path
    };
    Place place = Place::Outside;
    // The member's path, percent-decoded: "/kim/duty/20270302-5-tfs@dutyloop.example.ics".
    QString path;
};

// `url` is resolved already, against the URL the server answered. Percent-encoding is decoded
// before it is judged, so that "%2F" and "%2E%2E" lead nowhere either.
PlaceInCalendar PlaceOf(const QUrl& url, const QUrl& calendar);

} // namespace dutyloop
