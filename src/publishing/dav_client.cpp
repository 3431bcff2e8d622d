#include "publishing/dav_client.h"

#include "publishing/calendar_scope.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>

#include <memory>

namespace dutyloop {

namespace {

// Same-origin redirects followed for one request before it counts as going round in circles.
constexpr int kRedirectLimit = 5;
// What Qt holds of an answer before it is read; it stops reading the network meanwhile.
constexpr qint64 kReadBuffer = 1024 * 1024;
constexpr qint64 kAnswerLimitMiB = kDavAnswerLimit / (1024 * 1024);

int StatusOf(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// "403 Forbidden", and what the server said beside it, cut short.
QString ServerWords(const QNetworkReply& reply, const QByteArray& body) {
    const QString reason =
        reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    QString words = QStringLiteral("%1 %2").arg(StatusOf(reply)).arg(reason).trimmed();
    const QString said = QString::fromUtf8(body.left(2000)).simplified();
    if (!said.isEmpty() && !said.startsWith(u'<'))
        words += QStringLiteral(": ") + said.left(200);
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

// Where a redirect leads, as the user may read it: no user name or password the server put in
// it, and every character that could pass for another spelled out.
QString Shown(const QUrl& url) {
    return url.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded).left(300);
}

} // namespace

// One request's answer as it arrives, and what went wrong on the way.
struct DavClient::Exchange {
    QByteArray body;
    bool timedOut = false;
    bool tooLarge = false;
    QByteArray untrustedCertificate;
    QString certificateErrors;
};

DavClient::DavClient(const PublishTarget& target, const QString& password,
                     std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_origin(target.url),
      m_user(target.user), m_password(password), m_acceptedCertificate(target.certificate),
      m_timeout(timeout) {
    // The credentials are offered once for each request, and only to the calendar's origin;
    // asked again, the password was wrong, and the 401 is the answer.
    connect(m_network, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator* authenticator) {
                if (!SameOrigin(reply->url(), m_origin) ||
                    reply->property("credentialsOffered").toBool())
                    return;
                reply->setProperty("credentialsOffered", true);
                authenticator->setUser(m_user);
                authenticator->setPassword(m_password);
            });
}

void DavClient::request(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                        const Headers& headers, Answered done) {
    send({verb, url, body, headers}, kRedirectLimit, std::move(done));
}

void DavClient::send(const Request& request, int redirectsLeft, Answered done) {
    QNetworkRequest networkRequest(request.url);
    for (const auto& [name, value] : request.headers)
        networkRequest.setRawHeader(name, value);
    // Qt would follow a redirect to another origin itself and ask for that origin's password;
    // redirects are judged here instead. The credentials QNetworkAccessManager keeps and sends
    // again unasked are kept by origin, and only the calendar's origin is ever asked.
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = m_network->sendCustomRequest(networkRequest, request.verb, request.body);
    reply->setReadBufferSize(kReadBuffer);
    const auto exchange = std::make_shared<Exchange>();
    watch(reply, exchange);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, exchange, request, redirectsLeft, done = std::move(done)] {
                reply->deleteLater();
                takeAnswer(*reply, *exchange);
                answered(*reply, *exchange, request, redirectsLeft, done);
            });
}

// The time limit, the certificate, and the answer read as it comes, up to its limit.
void DavClient::watch(QNetworkReply* reply, const std::shared_ptr<Exchange>& exchange) {
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply, exchange] {
        exchange->timedOut = true;
        reply->abort();
    });
    timer->start(m_timeout);
    connect(reply, &QNetworkReply::sslErrors, reply,
            [this, reply, exchange](const QList<QSslError>& errors) {
                const QList<QSslCertificate> chain =
                    reply->sslConfiguration().peerCertificateChain();
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
                exchange->untrustedCertificate = fingerprint;
                exchange->certificateErrors = words.join(QStringLiteral("; "));
            });
    // An answer that says it is too large is refused before its body comes.
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, exchange] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kDavAnswerLimit) {
            exchange->tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, exchange] {
        if (takeAnswer(*reply, *exchange))
            reply->abort();
    });
}

// What has come of the answer since last read; true where it has just passed the limit.
bool DavClient::takeAnswer(QNetworkReply& reply, Exchange& exchange) {
    if (exchange.tooLarge)
        return false;
    exchange.body += reply.read(kDavAnswerLimit + 1 - exchange.body.size());
    if (exchange.body.size() <= kDavAnswerLimit)
        return false;
    exchange.tooLarge = true;
    exchange.body.clear();
    exchange.body.squeeze();
    return true;
}

void DavClient::answered(QNetworkReply& reply, const Exchange& exchange, const Request& request,
                         int redirectsLeft, const Answered& done) {
    const int status = StatusOf(reply);
    DavAnswer answer{status, exchange.body, reply.rawHeader("ETag"), request.url,
                     ServerWords(reply, exchange.body)};
    const auto fail = [&](PublishProblem problem, const QString& details,
                          const QByteArray& certificate = {}) {
        done(answer, {problem, details, certificate});
    };
    if (exchange.timedOut)
        return fail(PublishProblem::Timeout, QString());
    if (!exchange.untrustedCertificate.isEmpty())
        return fail(PublishProblem::UntrustedCertificate, exchange.certificateErrors,
                    exchange.untrustedCertificate);
    if (exchange.tooLarge)
        return fail(PublishProblem::BadAnswer,
                    QCoreApplication::translate("Publishing", "the answer is larger than %L1 MiB")
                        .arg(kAnswerLimitMiB));
    const QByteArray location = reply.rawHeader("Location").trimmed();
    if (IsRedirect(status) && !location.isEmpty()) {
        QUrl target = request.url.resolved(QUrl::fromEncoded(location));
        target.setUserInfo(QString());
        target.setFragment(QString());
        if (!SameOrigin(target, m_origin))
            return fail(PublishProblem::Moved, Shown(target));
        if (redirectsLeft == 0)
            return fail(PublishProblem::BadAnswer,
                        QCoreApplication::translate("Publishing", "redirected more than %n times",
                                                    nullptr, kRedirectLimit));
        return send({request.verb, target, request.body, request.headers}, redirectsLeft - 1, done);
    }
    if (status >= 200 && status < 300)
        return done(answer, {});
    if (status != 0)
        return fail(ProblemOfStatus(status), answer.words);
    fail(ProblemOfNetworkError(reply.error()), reply.errorString());
}

} // namespace dutyloop
