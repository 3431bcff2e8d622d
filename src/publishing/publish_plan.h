#pragma once

#include "calendar/published_duty.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <map>

namespace dutyloop {

// An event the target holds: where, in which version, and under which UID.
struct HeldEvent {
    QString href; // the resource's path on the server, or the file's name in the folder
    QByteArray etag;
    QByteArray uid; // of the resource's first event
    QDate first;    // the day it starts on
    // The resource holds events of other UIDs beside it, as a whole calendar file dropped into
    // a folder does: never Dutyloop's to replace, whatever its first event is.
    bool shared = false;
    friend bool operator==(const HeldEvent&, const HeldEvent&) = default;
};

// An event of ours the target confirmed: in that version, with that content.
struct ConfirmedEvent {
    QByteArray etag;
    QByteArray uid;
    QByteArray hash;
    QDate first;
    friend bool operator==(const ConfirmedEvent&, const ConfirmedEvent&) = default;
};
using ConfirmedEvents = std::map<QString, ConfirmedEvent>; // by href

// One change to send.
struct PublishStep {
    enum class Action {
        Create, // If-None-Match: *
        Update, // If-Match: etag
        Delete, // If-Match: etag
    };
    Action action = Action::Create;
    QString href;
    QByteArray etag; // the version the change replaces; none for a create
    QByteArray uid;
    QByteArray ics; // none for a delete
    QByteArray hash;
    QDate first;
    friend bool operator==(const PublishStep&, const PublishStep&) = default;
};

// What takes the target from what it holds to the wanted duty, touching only events of ours:
// those with a UID of the wanted crew's (IsCrewUid), whatever marks another client left them.
// Other crews' events, published to the same calendar by another profile, are never touched.
// - a wanted event it does not hold is created, as "<UID>.ics" beside `hrefPrefix`;
// - one it holds is updated in place unless it is in the version confirmed with the wanted
//   content, so an event of ours that another client changed is put back as the rotation has
//   it;
// - an event of ours that is not wanted is deleted, where it starts on or after the first day
//   the wanted duty answers for; earlier ones are history and stay;
// - a second copy of a wanted event (the same UID elsewhere) is deleted; the one kept is the
//   copy at "<UID>.ics" where there is one.
// Creates and updates come first, in date order, then the deletes.
QList<PublishStep> PublishPlan(const PublishedDuty& wanted, const QList<HeldEvent>& held,
                               const ConfirmedEvents& confirmed, const QString& hrefPrefix);

// How many changes wait, as far as the confirmed events tell without asking the target: wanted
// events not confirmed with their content, and confirmed ones of ours that are no longer wanted.
int ChangesWaiting(const PublishedDuty& wanted, const ConfirmedEvents& confirmed);

} // namespace dutyloop
