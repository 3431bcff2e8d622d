#include "publishing/caldav_xml.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace dutyloop {

namespace {

constexpr QStringView kDav = u"DAV:";
constexpr QStringView kCalDav = u"urn:ietf:params:xml:ns:caldav";

bool Is(const QXmlStreamReader& xml, QStringView space, QStringView name) {
    return xml.namespaceUri() == space && xml.name() == name;
}

// "HTTP/1.1 404 Not Found": 404; 0 for anything else.
int StatusCode(const QString& line) {
    const QStringList words = line.simplified().split(u' ');
    return words.size() >= 2 && words[0].startsWith(u"HTTP/") ? words[1].toInt() : 0;
}

// What one <prop> holds, read into the resource.
void ReadProp(QXmlStreamReader& xml, DavResource& resource) {
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, u"getetag")) {
            resource.etag = xml.readElementText().trimmed().toUtf8();
        } else if (Is(xml, kCalDav, u"calendar-data")) {
            resource.calendarData = xml.readElementText().toUtf8();
        } else if (Is(xml, kDav, u"displayname")) {
            resource.displayName = xml.readElementText().trimmed();
        } else if (Is(xml, kDav, u"resourcetype")) {
            while (xml.readNextStartElement()) {
                resource.isCalendar = resource.isCalendar || Is(xml, kCalDav, u"calendar");
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

// A <propstat>: its properties count where its status is a success; the others were not found
// or not allowed.
void ReadPropstat(QXmlStreamReader& xml, DavResource& resource) {
    DavResource found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, u"prop"))
            ReadProp(xml, found);
        else if (Is(xml, kDav, u"status"))
            status = StatusCode(xml.readElementText());
        else
            xml.skipCurrentElement();
    }
    if (status >= 200 && status < 300) {
        resource.status = status;
        resource.etag = found.etag.isEmpty() ? resource.etag : found.etag;
        resource.calendarData =
            found.calendarData.isEmpty() ? resource.calendarData : found.calendarData;
        resource.displayName =
            found.displayName.isEmpty() ? resource.displayName : found.displayName;
        resource.isCalendar = resource.isCalendar || found.isCalendar;
    } else if (resource.status == 0) {
        resource.status = status;
    }
}

DavResource ReadResponse(QXmlStreamReader& xml, const QUrl& requestUrl) {
    DavResource resource;
    int responseStatus = 0;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, u"href")) {
            const QString href = xml.readElementText().trimmed();
            if (resource.path.isEmpty() && !href.isEmpty()) {
                resource.url = requestUrl.resolved(QUrl(href));
                resource.path = NormalizedDavPath(resource.url);
            }
        } else if (Is(xml, kDav, u"status")) {
            responseStatus = StatusCode(xml.readElementText());
        } else if (Is(xml, kDav, u"propstat")) {
            ReadPropstat(xml, resource);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (responseStatus != 0)
        resource.status = responseStatus;
    return resource;
}

// Whether the elements nest no deeper than `limit`. The reader stops at the first level past it,
// so a body nested a million deep costs no more than one within the limit.
bool NestsWithin(const QByteArray& body, int limit) {
    QXmlStreamReader xml(body);
    int depth = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > limit)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}

} // namespace

QByteArray CollectionPropfindBody() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:displayname/>"
           "</d:prop></d:propfind>\n";
}

QByteArray CalendarQueryBody() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<c:calendar-query xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
           "<d:prop><d:getetag/><c:calendar-data/></d:prop>"
           "<c:filter><c:comp-filter name=\"VCALENDAR\"><c:comp-filter name=\"VEVENT\"/>"
           "</c:comp-filter></c:filter></c:calendar-query>\n";
}

QByteArray EtagPropfindBody() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:getetag/></d:prop></d:propfind>\n";
}

QString NormalizedDavPath(const QUrl& url) {
    QString path = url.path(QUrl::FullyDecoded);
    while (path.contains(u"//"))
        path.replace(QStringLiteral("//"), QStringLiteral("/"));
    return path.isEmpty() ? QStringLiteral("/") : path;
}

std::optional<QList<DavResource>> ParseMultistatus(const QByteArray& body, const QUrl& requestUrl,
                                                   QString* problem) {
    const auto refuse = [problem](const QString& why) -> std::optional<QList<DavResource>> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (!NestsWithin(body, kDavNestingLimit))
        return refuse(
            QCoreApplication::translate("Publishing", "its elements nest deeper than %L1 levels")
                .arg(kDavNestingLimit));
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !Is(xml, kDav, u"multistatus"))
        return refuse(QCoreApplication::translate("Publishing", "no multistatus answer"));
    QList<DavResource> resources;
    while (xml.readNextStartElement()) {
        if (!Is(xml, kDav, u"response")) {
            xml.skipCurrentElement();
            continue;
        }
        DavResource resource = ReadResponse(xml, requestUrl);
        if (!resource.path.isEmpty())
            resources.append(std::move(resource));
    }
    // Past the closing tag: a document cut short, or anything after it, is no answer.
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        return refuse(xml.errorString());
    return resources;
}

} // namespace dutyloop
