#pragma once

#include "publishing/publish_connection.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>

class QNetworkAccessManager;
class QNetworkReply;

namespace dutyloop {

// Any answer larger than this is refused: two years of duty with every day changed is well
// under a megabyte, and anything past the limit is not read into memory.
constexpr qint64 kDavAnswerLimit = 8 * 1024 * 1024;

// A server's answer to one request.
struct DavAnswer {
    int status = 0;
    QByteArray body; // at most kDavAnswerLimit bytes
    QByteArray etag; // the ETag header
    QUrl url;        // where it was answered: the URL asked, or where a redirect led on its origin
    QString words;   // "403 Forbidden", and what the server said beside it, cut short
};

// Requests to the calendar's server over QNetworkAccessManager. The user's password goes to the
// origin (scheme, host and port) of the calendar's address and nowhere else: a redirect is
// followed only within that origin, with the same method and body, and one to elsewhere ends
// the request with nothing sent there. Each request has a time limit and each answer a size
// limit. A certificate that does not verify is refused unless its SHA-256 fingerprint is the
// one the user accepted.
class DavClient : public QObject {
public:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;
    using Answered = std::function<void(const DavAnswer& answer, const PublishFailure& failure)>;

    DavClient(const PublishTarget& target, const QString& password,
              std::chrono::milliseconds timeout, QObject* parent);
    // `failure` is none for a 2xx answer.
    void request(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                 const Headers& headers, Answered done);

private:
    struct Request {
        QByteArray verb;
        QUrl url;
        QByteArray body;
        Headers headers;
    };
    struct Exchange;
    void send(const Request& request, int redirectsLeft, Answered done);
    void watch(QNetworkReply* reply, const std::shared_ptr<Exchange>& exchange);
    static bool takeAnswer(QNetworkReply& reply, Exchange& exchange);
    void answered(QNetworkReply& reply, const Exchange& exchange, const Request& request,
                  int redirectsLeft, const Answered& done);

    QNetworkAccessManager* m_network;
    QUrl m_origin;
    QString m_user;
    QString m_password;
    QByteArray m_acceptedCertificate;
    std::chrono::milliseconds m_timeout;
};

} // namespace dutyloop
