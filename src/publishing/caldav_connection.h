#pragma once

#include "publishing/publish_connection.h"

#include <QUrl>

namespace dutyloop {

class DavClient;
struct DavAnswer;

// A calendar collection on a CalDAV server, through DavClient: PROPFIND and REPORT to see what it
// holds, PUT and DELETE with If-None-Match and If-Match for each change. Only resources directly
// inside the collection are read or changed; whatever else the server's answers name is left
// alone and counted.
class CalDavConnection : public PublishConnection {
public:
    CalDavConnection(const PublishTarget& target, const QString& password,
                     std::chrono::milliseconds timeout);
    void discover(Discovered done) override;
    void send(const PublishStep& step, Sent done) override;
    QString hrefPrefix() const override;
    int outsideResources() const override { return m_outside; }

private:
    using Fetched = std::function<void(bool gone, const QByteArray& etag, const PublishFailure&)>;
    void checkCalendar(const DavAnswer& answer, Discovered done);
    void listEvents(Discovered done);
    void sendAttempt(const PublishStep& step, int attempt, Sent done);
    void resolveConflict(const PublishStep& step, int attempt, Sent done);
    void fetchEtag(const QString& href, Fetched done);
    QUrl urlOf(const QString& href) const;

    DavClient* m_client;
    QUrl m_calendar;
    bool m_checked = false; // the URL was found to be a calendar
    int m_outside = 0;
};

} // namespace dutyloop
