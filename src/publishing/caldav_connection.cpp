#include "publishing/caldav_connection.h"

#include "calendar/ical_reader.h"
#include "calendar/published_duty.h"
#include "publishing/caldav_xml.h"
#include "publishing/calendar_scope.h"
#include "publishing/dav_client.h"

#include <QCoreApplication>

#include <algorithm>

namespace dutyloop {

namespace {

// A step is tried again after a 412 this often: the resource is fetched again and ours put over
// whatever another client made of it.
constexpr int kConflictAttempts = 3;

using Place = PlaceInCalendar::Place;

const DavClient::Headers kXmlDepth0{{"Depth", "0"},
                                    {"Content-Type", "application/xml; charset=utf-8"}};
const DavClient::Headers kXmlDepth1{{"Depth", "1"},
                                    {"Content-Type", "application/xml; charset=utf-8"}};

PublishFailure BadAnswer(const QString& details) {
    return {PublishProblem::BadAnswer, details, {}};
}

// The server's words, and why its body is no answer.
PublishFailure Unreadable(const DavAnswer& answer, const QString& problem) {
    return BadAnswer(problem.isEmpty() ? answer.words
                                       : QStringLiteral("%1: %2").arg(answer.words, problem));
}

// The events of a calendar-query's answer; the collection itself and anything without data are
// passed over, and anything outside the collection is counted in `outside`.
QList<HeldEvent> HeldEventsOf(const QList<DavResource>& resources, const QUrl& calendar,
                              int& outside) {
    QList<HeldEvent> held;
    for (const DavResource& resource : resources) {
        const PlaceInCalendar place = PlaceOf(resource.url, calendar);
        if (place.place == Place::Outside)
            ++outside;
        if (place.place != Place::Member || resource.calendarData.isEmpty() ||
            resource.status >= 300)
            continue;
        const QList<IcalEvent> events = IcalCalendarFromText(resource.calendarData).events;
        if (events.isEmpty())
            continue;
        // Of a recurring event with exceptions, the first component speaks for the resource.
        const IcalEvent& event = events.first();
        held.append(
            {place.path, resource.etag, event.uid, event.start.date, HoldsOtherUids(events)});
    }
    return held;
}

} // namespace

CalDavConnection::CalDavConnection(const PublishTarget& target, const QString& password,
                                   std::chrono::milliseconds timeout)
    : m_client(new DavClient(target, password, timeout, this)), m_calendar(target.url) {
    if (!m_calendar.path().endsWith(u'/'))
        m_calendar.setPath(m_calendar.path() + u'/');
}

QString CalDavConnection::hrefPrefix() const {
    return NormalizedDavPath(m_calendar);
}

QUrl CalDavConnection::urlOf(const QString& href) const {
    QUrl url = m_calendar;
    url.setPath(href, QUrl::DecodedMode);
    return url;
}

void CalDavConnection::discover(Discovered done) {
    m_outside = 0;
    if (m_checked) {
        listEvents(std::move(done));
        return;
    }
    m_client->request(
        "PROPFIND", m_calendar, CollectionPropfindBody(), kXmlDepth0,
        [this, done = std::move(done)](const DavAnswer& answer, const PublishFailure& failure) {
            if (failure.failed())
                return done({}, failure);
            checkCalendar(answer, done);
        });
}

void CalDavConnection::checkCalendar(const DavAnswer& answer, Discovered done) {
    // Moved within its origin, the calendar is where the server answered from.
    QUrl calendar = answer.url;
    if (!calendar.path().endsWith(u'/'))
        calendar.setPath(calendar.path() + u'/');
    QString problem;
    const auto resources = ParseMultistatus(answer.body, calendar, &problem);
    if (!resources)
        return done({}, Unreadable(answer, problem));
    const bool isCalendar =
        std::any_of(resources->begin(), resources->end(), [&calendar](const DavResource& r) {
            return r.isCalendar && PlaceOf(r.url, calendar).place == Place::Collection;
        });
    if (!isCalendar)
        return done({}, {PublishProblem::NotACalendar, calendar.toString(), {}});
    m_calendar = calendar;
    m_checked = true;
    listEvents(std::move(done));
}

void CalDavConnection::listEvents(Discovered done) {
    m_client->request(
        "REPORT", m_calendar, CalendarQueryBody(), kXmlDepth1,
        [this, done = std::move(done)](const DavAnswer& answer, const PublishFailure& failure) {
            if (failure.failed())
                return done({}, failure);
            QString problem;
            // Hrefs are judged against the calendar itself, wherever the answer came from.
            const auto resources = ParseMultistatus(answer.body, answer.url, &problem);
            if (answer.status != 207 || !resources)
                return done({}, Unreadable(answer, problem));
            done(HeldEventsOf(*resources, m_calendar, m_outside), {});
        });
}

void CalDavConnection::send(const PublishStep& step, Sent done) {
    // The plan's names are the calendar's members or new ones beside them; anything else is
    // never sent.
    if (PlaceOf(urlOf(step.href), m_calendar).place != Place::Member)
        return done({}, {PublishProblem::BadTarget, step.href, {}});
    sendAttempt(step, 1, std::move(done));
}

void CalDavConnection::sendAttempt(const PublishStep& step, int attempt, Sent done) {
    const bool remove = step.action == PublishStep::Action::Delete;
    const QByteArray condition =
        step.action == PublishStep::Action::Create ? "If-None-Match" : "If-Match";
    const QByteArray version = step.action == PublishStep::Action::Create ? "*" : step.etag;
    DavClient::Headers headers{{condition, version}};
    if (!remove)
        headers.emplaceBack("Content-Type", "text/calendar; charset=utf-8");
    m_client->request(
        remove ? "DELETE" : "PUT", urlOf(step.href), remove ? QByteArray() : step.ics, headers,
        [this, step, attempt, remove, done = std::move(done)](const DavAnswer& answer,
                                                              const PublishFailure& failure) {
            if (answer.status == 412 && attempt < kConflictAttempts)
                return resolveConflict(step, attempt, done);
            if (remove && answer.status == 404)
                return done({{}, step.action}, {}); // gone already
            if (failure.failed())
                return done({}, failure);
            if (remove || !answer.etag.isEmpty())
                return done({answer.etag, step.action}, {});
            // A server that gives no ETag with its answer gives it when asked.
            fetchEtag(step.href, [done, action = step.action](bool, const QByteArray& fetched,
                                                              const PublishFailure& fetchFailure) {
                done({fetched, action}, fetchFailure);
            });
        });
}

// The resource changed on the server since it was seen (412). The rotation is what the user's
// calendar should show, so the resource is fetched again and ours put over it, or, for a delete,
// it is deleted in its new version. Another client's changes to Dutyloop's events are not kept.
// What is sent then is what the step is counted as: an update of a resource found there.
void CalDavConnection::resolveConflict(const PublishStep& step, int attempt, Sent done) {
    fetchEtag(step.href, [this, step, attempt, done](bool gone, const QByteArray& etag,
                                                     const PublishFailure& failure) {
        if (failure.failed())
            return done({}, failure);
        PublishStep again = step;
        if (gone) {
            if (step.action == PublishStep::Action::Delete)
                return done({{}, step.action}, {});
            again.action = PublishStep::Action::Create;
            again.etag.clear();
        } else {
            if (again.action == PublishStep::Action::Create)
                again.action = PublishStep::Action::Update;
            again.etag = etag;
        }
        sendAttempt(again, attempt + 1, done);
    });
}

void CalDavConnection::fetchEtag(const QString& href, Fetched done) {
    m_client->request(
        "PROPFIND", urlOf(href), EtagPropfindBody(), kXmlDepth0,
        [done = std::move(done)](const DavAnswer& answer, const PublishFailure& failure) {
            if (answer.status == 404)
                return done(true, {}, {});
            if (failure.failed())
                return done(false, {}, failure);
            QString problem;
            const auto resources = ParseMultistatus(answer.body, answer.url, &problem);
            if (!resources)
                return done(false, {}, Unreadable(answer, problem));
            // Only the answer for the resource asked about counts.
            const auto resource =
                std::find_if(resources->begin(), resources->end(), [&answer](const DavResource& r) {
                    return SameOrigin(r.url, answer.url) && r.path == NormalizedDavPath(answer.url);
                });
            if (resource == resources->end())
                return done(false, {}, BadAnswer(answer.words));
            if (resource->status == 404)
                return done(true, {}, {});
            if (resource->etag.isEmpty())
                return done(false, {}, BadAnswer(answer.words));
            done(false, resource->etag, {});
        });
}

} // namespace dutyloop
