#pragma once

#include "publishing/publish_connection.h"

#include <QNetworkReply>
#include <QUrl>

class QNetworkAccessManager;

namespace dutyloop {

// A calendar collection on a CalDAV server, over QNetworkAccessManager: PROPFIND and REPORT to
// see what it holds, PUT and DELETE with If-None-Match and If-Match for each change. Each request
// has a time limit. A certificate that does not verify is refused unless its SHA-256
// fingerprint is the one the user accepted.
class CalDavConnection : public PublishConnection {
public:
    CalDavConnection(const PublishTarget& target, const QString& password,
                     std::chrono::milliseconds timeout);
    void discover(Discovered done) override;
    void send(const PublishStep& step, Sent done) override;
    QString hrefPrefix() const override;

private:
    using Answered = std::function<void(QNetworkReply& reply, const PublishFailure& failure)>;
    void request(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                 const QList<std::pair<QByteArray, QByteArray>>& headers, Answered done);
    void listEvents(Discovered done);
    void sendAttempt(const PublishStep& step, int attempt, Sent done);
    void resolveConflict(const PublishStep& step, int attempt, Sent done);
    void
    fetchEtag(const QString& href,
              std::function<void(bool gone, const QByteArray& etag, const PublishFailure&)> done);
    QUrl urlOf(const QString& href) const;

    QNetworkAccessManager* m_network;
    QUrl m_calendar;
    QString m_user;
    QString m_password;
    QByteArray m_acceptedCertificate;
    std::chrono::milliseconds m_timeout;
    bool m_checked = false; // the URL was found to be a calendar
};

} // namespace dutyloop
