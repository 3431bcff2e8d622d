#pragma once

// A calendar server of the test's own on 127.0.0.1, for the answers a real server would never
// give: it answers each request as the test's script says and keeps every request it was sent.
// FakeCalendar is the script of a plain calendar, for a test to start from and lie around.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace dutyloop::testing {

struct SeenRequest {
    QByteArray method;
    QByteArray target;                    // as sent: "/kim/duty/a%40b.ics"
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    QString path() const { return QUrl::fromEncoded(target).path(QUrl::FullyDecoded); }
};

inline QByteArray HttpAnswer(const QByteArray& statusLine, const QByteArray& headers,
                             const QByteArray& body = {}) {
    return "HTTP/1.1 " + statusLine + "\r\n" + headers +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
           body;
}

class LyingServer : public QTcpServer {
public:
    using Script = std::function<QByteArray(const SeenRequest&)>;

    explicit LyingServer(Script script, const QHostAddress& address = QHostAddress::LocalHost)
        : m_script(std::move(script)) {
        listen(address, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(*socket); });
            }
        });
    }
    QString origin() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    bool sawAuthorization() const {
        return std::any_of(requests.begin(), requests.end(), [](const SeenRequest& request) {
            return request.headers.contains("authorization");
        });
    }

    QList<SeenRequest> requests;

private:
    // One request a connection: each answer closes it.
    void read(QTcpSocket& socket) {
        QByteArray& buffer = m_buffers[&socket];
        buffer += socket.readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        SeenRequest request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> words = lines.first().trimmed().split(' ');
        request.method = words.value(0);
        request.target = words.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const qsizetype length = request.headers.value("content-length").toLongLong();
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        m_buffers.remove(&socket);
        requests.append(request);
        socket.write(m_script(request));
        socket.disconnectFromHost();
    }

    Script m_script;
    QMap<QTcpSocket*, QByteArray> m_buffers;
};

// A calendar at `path` that holds what `report` lists and takes every change: a PUT is given
// the ETag "\"put-<n>\"", and a resource asked for its ETag gives "\"now\"".
struct FakeCalendar {
    QByteArray path = "/kim/duty/";
    QByteArray report = "<d:multistatus xmlns:d='DAV:'/>";
    int puts = 0;

    QByteArray answer(const SeenRequest& request) {
        const QByteArray xml = "Content-Type: application/xml; charset=utf-8\r\n";
        const bool collection = request.target == path || request.target + '/' == path;
        if (request.method == "PROPFIND" && collection)
            return HttpAnswer("207 Multi-Status", xml,
                              "<d:multistatus xmlns:d='DAV:' "
                              "xmlns:c='urn:ietf:params:xml:ns:caldav'><d:response><d:href>" +
                                  path +
                                  "</d:href><d:propstat><d:prop><d:resourcetype><d:collection/>"
                                  "<c:calendar/></d:resourcetype></d:prop><d:status>HTTP/1.1 200 "
                                  "OK</d:status></d:propstat></d:response></d:multistatus>");
        if (request.method == "REPORT" && collection)
            return HttpAnswer("207 Multi-Status", xml, report);
        if (request.method == "PUT")
            return HttpAnswer("201 Created",
                              "ETag: \"put-" + QByteArray::number(++puts) + "\"\r\n");
        if (request.method == "DELETE")
            return HttpAnswer("204 No Content", {});
        if (request.method == "PROPFIND")
            return HttpAnswer("207 Multi-Status", xml,
                              "<d:multistatus xmlns:d='DAV:'><d:response><d:href>" +
                                  request.target +
                                  "</d:href><d:propstat><d:prop><d:getetag>\"now\"</d:getetag>"
                                  "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                                  "</d:response></d:multistatus>");
        return HttpAnswer("405 Method Not Allowed", {});
    }
};

// A multistatus of resources, each an href with its ETag and its calendar data.
inline QByteArray Multistatus(const QList<std::pair<QByteArray, QByteArray>>& hrefsAndData) {
    QByteArray body = "<d:multistatus xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:caldav'>";
    for (const auto& [href, data] : hrefsAndData) {
        QByteArray escaped = data;
        escaped.replace('&', "&amp;").replace('<', "&lt;");
        body += "<d:response><d:href>" + href +
                "</d:href><d:propstat><d:prop><d:getetag>\"held\"</d:getetag><c:calendar-data>" +
                escaped +
                "</c:calendar-data></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                "</d:response>";
    }
    return body + "</d:multistatus>";
}

} // namespace dutyloop::testing
