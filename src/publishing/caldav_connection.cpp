#include "publishing/caldav_connection.h"

#include "calendar/ical_reader.h"
#include "calendar/published_duty.h"
#include "publishing/caldav_xml.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>

namespace dutyloop {

namespace {

// A step is tried again after a 412 this often: the resource is fetched again and ours put over
// whatever another client made of it.
constexpr int kConflictAttempts = 3;

int StatusOf(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// "403 Forbidden", and what the server said beside it, cut short.
QString ServerWords(QNetworkReply& reply) {
    const QString reason =
        reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    QString words = QStringLiteral("%1 %2").arg(StatusOf(reply)).arg(reason).trimmed();
    const QString body = QString::fromUtf8(reply.peek(2000)).simplified();
    if (!body.isEmpty() && !body.startsWith(u'<'))
        words += QStringLiteral(": ") + body.left(200);
    return words;
}

PublishProblem ProblemOfStatus(int status) {
    if (status == 401)
        return PublishProblem::WrongPassword;
    if (status == 403)
        return PublishProblem::Forbidden;
    if (status == 404 || status == 405 || status == 301 || status == 302)
        return PublishProblem::NotACalendar;
    if (status >= 500)
        return PublishProblem::ServerError;
    return PublishProblem::BadAnswer;
}

PublishProblem ProblemOfNetworkError(QNetworkReply::NetworkError error) {
    switch (error) {
    // Reached, but closed without an answer that reads as HTTP.
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProtocolFailure:
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::UnknownContentError:
        return PublishProblem::BadAnswer;
    case QNetworkReply::TimeoutError:
        return PublishProblem::Timeout;
    default:
        return PublishProblem::Unreachable;
    }
}

// What went wrong with an answered request; none for a 2xx.
PublishFailure FailureOf(QNetworkReply& reply) {
    if (reply.property("timedOut").toBool())
        return {PublishProblem::Timeout, QString(), {}};
    const QByteArray certificate = reply.property("untrustedCertificate").toByteArray();
    if (!certificate.isEmpty())
        return {PublishProblem::UntrustedCertificate,
                reply.property("certificateErrors").toString(), certificate};
    const int status = StatusOf(reply);
    if (status >= 200 && status < 300)
        return {};
    if (status != 0)
        return {ProblemOfStatus(status), ServerWords(reply), {}};
    return {ProblemOfNetworkError(reply.error()), reply.errorString(), {}};
}

PublishFailure BadAnswer(const QString& details) {
    return {PublishProblem::BadAnswer, details, {}};
}

// The events of a calendar-query's answer; the collection itself and anything without data are
// passed over.
QList<HeldEvent> HeldEventsOf(const QList<DavResource>& resources, const QString& collection) {
    QList<HeldEvent> held;
    for (const DavResource& resource : resources) {
        if (resource.path == collection || resource.calendarData.isEmpty() ||
            resource.status >= 300)
            continue;
        const QList<IcalEvent> events = IcalCalendarFromText(resource.calendarData).events;
        if (events.isEmpty())
            continue;
        // Of a recurring event with exceptions, the first component speaks for the resource.
        const IcalEvent& event = events.first();
        held.append(
            {resource.path, resource.etag, event.uid, event.start.date, HoldsOtherUids(events)});
    }
    return held;
}

} // namespace

CalDavConnection::CalDavConnection(const PublishTarget& target, const QString& password,
                                   std::chrono::milliseconds timeout)
    : m_network(new QNetworkAccessManager(this)), m_calendar(target.url), m_user(target.user),
      m_password(password), m_acceptedCertificate(target.certificate), m_timeout(timeout) {
    if (!m_calendar.path().endsWith(u'/'))
        m_calendar.setPath(m_calendar.path() + u'/');
    // The credentials are offered once for each request; asked again, the password was wrong,
    // and the 401 is the answer.
    connect(m_network, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator* authenticator) {
                if (reply->property("credentialsOffered").toBool())
                    return;
                reply->setProperty("credentialsOffered", true);
                authenticator->setUser(m_user);
                authenticator->setPassword(m_password);
            });
}

QString CalDavConnection::hrefPrefix() const {
    return NormalizedDavPath(m_calendar);
}

QUrl CalDavConnection::urlOf(const QString& href) const {
    QUrl url = m_calendar;
    url.setPath(href, QUrl::DecodedMode);
    return url;
}

void CalDavConnection::request(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                               const QList<std::pair<QByteArray, QByteArray>>& headers,
                               Answered done) {
    QNetworkRequest request(url);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    QNetworkReply* reply = m_network->sendCustomRequest(request, verb, body);
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty("timedOut", true);
        reply->abort();
    });
    timer->start(m_timeout);
    connect(reply, &QNetworkReply::sslErrors, reply, [this, reply](const QList<QSslError>& errors) {
        const QList<QSslCertificate> chain = reply->sslConfiguration().peerCertificateChain();
        const QByteArray fingerprint =
            chain.isEmpty() ? QByteArray()
                            : chain.first().digest(QCryptographicHash::Sha256).toHex();
        if (!fingerprint.isEmpty() && fingerprint == m_acceptedCertificate) {
            reply->ignoreSslErrors(errors);
            return;
        }
        QStringList words;
        for (const QSslError& error : errors)
            words.append(error.errorString());
        reply->setProperty("untrustedCertificate", fingerprint);
        reply->setProperty("certificateErrors", words.join(QStringLiteral("; ")));
    });
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        done(*reply, FailureOf(*reply));
    });
}

void CalDavConnection::discover(Discovered done) {
    if (m_checked) {
        listEvents(std::move(done));
        return;
    }
    request("PROPFIND", m_calendar, CollectionPropfindBody(),
            {{"Depth", "0"}, {"Content-Type", "application/xml; charset=utf-8"}},
            [this, done = std::move(done)](QNetworkReply& reply, const PublishFailure& failure) {
                if (failure.failed())
                    return done({}, failure);
                const auto resources =
                    ParseMultistatus(reply.peek(reply.bytesAvailable()), m_calendar);
                if (!resources)
                    return done({}, BadAnswer(ServerWords(reply)));
                const bool calendar =
                    std::any_of(resources->begin(), resources->end(),
                                [](const DavResource& resource) { return resource.isCalendar; });
                if (!calendar)
                    return done({}, {PublishProblem::NotACalendar, m_calendar.toString(), {}});
                m_checked = true;
                listEvents(done);
            });
}

void CalDavConnection::listEvents(Discovered done) {
    request("REPORT", m_calendar, CalendarQueryBody(),
            {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}},
            [this, done = std::move(done)](QNetworkReply& reply, const PublishFailure& failure) {
                if (failure.failed())
                    return done({}, failure);
                const auto resources =
                    ParseMultistatus(reply.peek(reply.bytesAvailable()), m_calendar);
                if (StatusOf(reply) != 207 || !resources)
                    return done({}, BadAnswer(ServerWords(reply)));
                done(HeldEventsOf(*resources, hrefPrefix()), {});
            });
}

void CalDavConnection::send(const PublishStep& step, Sent done) {
    sendAttempt(step, 1, std::move(done));
}

void CalDavConnection::sendAttempt(const PublishStep& step, int attempt, Sent done) {
    const bool remove = step.action == PublishStep::Action::Delete;
    const QByteArray condition =
        step.action == PublishStep::Action::Create ? "If-None-Match" : "If-Match";
    const QByteArray version = step.action == PublishStep::Action::Create ? "*" : step.etag;
    QList<std::pair<QByteArray, QByteArray>> headers{{condition, version}};
    if (!remove)
        headers.append(
            std::pair<QByteArray, QByteArray>("Content-Type", "text/calendar; charset=utf-8"));
    request(remove ? "DELETE" : "PUT", urlOf(step.href), remove ? QByteArray() : step.ics, headers,
            [this, step, attempt, remove, done = std::move(done)](QNetworkReply& reply,
                                                                  const PublishFailure& failure) {
                const int status = StatusOf(reply);
                if (status == 412 && attempt < kConflictAttempts)
                    return resolveConflict(step, attempt, done);
                if (remove && status == 404)
                    return done({}, {}); // gone already
                if (failure.failed())
                    return done({}, failure);
                const QByteArray etag = reply.rawHeader("ETag");
                if (remove || !etag.isEmpty())
                    return done(etag, {});
                // A server that gives no ETag with its answer gives it when asked.
                fetchEtag(step.href, [done](bool, const QByteArray& fetched,
                                            const PublishFailure& fetchFailure) {
                    done(fetched, fetchFailure);
                });
            });
}

// The resource changed on the server since it was seen (412). The rotation is what the user's
// calendar should show, so the resource is fetched again and ours put over it, or, for a delete,
// it is deleted in its new version. Another client's changes to Dutyloop's events are not kept.
void CalDavConnection::resolveConflict(const PublishStep& step, int attempt, Sent done) {
    fetchEtag(step.href, [this, step, attempt, done](bool gone, const QByteArray& etag,
                                                     const PublishFailure& failure) {
        if (failure.failed())
            return done({}, failure);
        PublishStep again = step;
        if (gone) {
            if (step.action == PublishStep::Action::Delete)
                return done({}, {});
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

void CalDavConnection::fetchEtag(
    const QString& href,
    std::function<void(bool gone, const QByteArray& etag, const PublishFailure&)> done) {
    const QUrl url = urlOf(href);
    request("PROPFIND", url, EtagPropfindBody(),
            {{"Depth", "0"}, {"Content-Type", "application/xml; charset=utf-8"}},
            [url, done = std::move(done)](QNetworkReply& reply, const PublishFailure& failure) {
                if (StatusOf(reply) == 404)
                    return done(true, {}, {});
                if (failure.failed())
                    return done(false, {}, failure);
                const auto resources = ParseMultistatus(reply.peek(reply.bytesAvailable()), url);
                if (!resources || resources->isEmpty())
                    return done(false, {}, BadAnswer(ServerWords(reply)));
                const DavResource& resource = resources->first();
                if (resource.status == 404)
                    return done(true, {}, {});
                if (resource.etag.isEmpty())
                    return done(false, {}, BadAnswer(ServerWords(reply)));
                done(false, resource.etag, {});
            });
}

} // namespace dutyloop
