#include "publishing/caldav_xml.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace dutyloop;

namespace {

// A parse as one line per resource, "path status etag data calendar name", or "no answer".
// A response whose unknown property holds elements nested until the whole is `depth` deep.
QByteArray NestedTo(int depth) {
    constexpr int kAroundProperty = 4; // multistatus, response, propstat, prop
    const int inner = depth - kAroundProperty;
    return "<d:multistatus xmlns:d='DAV:'><d:response><d:href>/n.ics</d:href><d:propstat>"
           "<d:prop>" +
           QByteArray("<d:x>").repeated(inner) + QByteArray("</d:x>").repeated(inner) +
           "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
           "</d:multistatus>";
}

QString Summary(const std::optional<QList<DavResource>>& resources) {
    if (!resources)
        return QStringLiteral("no answer");
    QStringList lines;
    for (const DavResource& resource : *resources) {
        lines.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                         .arg(resource.path)
                         .arg(resource.status)
                         .arg(QString::fromUtf8(resource.etag),
                              QString::fromUtf8(resource.calendarData).trimmed(),
                              resource.isCalendar ? u"calendar" : u"-", resource.displayName)
                         .trimmed());
    }
    return lines.join(u'\n');
}

const QUrl kCalendar(QStringLiteral("https://dav.example/kim/duty/"));

} // namespace

class TestCaldavXml : public QObject {
    Q_OBJECT
private slots:
    // Each body is well-formed XML in the namespaces it names.
    void requestBodies() {
        for (const QByteArray& body :
             {CollectionPropfindBody(), CalendarQueryBody(), EtagPropfindBody()}) {
            QXmlStreamReader xml(body);
            QVERIFY(xml.readNextStartElement());
            QVERIFY(xml.namespaceUri() == u"DAV:" ||
                    xml.namespaceUri() == u"urn:ietf:params:xml:ns:caldav");
            xml.skipCurrentElement();
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
        QVERIFY(CalendarQueryBody().contains("<c:comp-filter name=\"VEVENT\"/>"));
    }

    void multistatus_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("prefixes d: and C:, an absolute path")
            << QByteArray("<?xml version='1.0'?><d:multistatus xmlns:d='DAV:' "
                          "xmlns:C='urn:ietf:params:xml:ns:caldav'><d:response>"
                          "<d:href>/kim/duty/a.ics</d:href><d:propstat><d:prop>"
                          "<d:getetag>\"e1\"</d:getetag><C:calendar-data>BEGIN:VCALENDAR"
                          "</C:calendar-data></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
                          "</d:propstat></d:response></d:multistatus>")
            << "/kim/duty/a.ics 200 \"e1\" BEGIN:VCALENDAR -";
        QTest::newRow("default namespace, no prefix")
            << QByteArray("<multistatus xmlns='DAV:'><response><href>/kim/duty/b.ics</href>"
                          "<propstat><prop><getetag>W/\"7\"</getetag></prop>"
                          "<status>HTTP/1.1 200 OK</status></propstat></response></multistatus>")
            << "/kim/duty/b.ics 200 W/\"7\"  -";
        QTest::newRow("an odd prefix for DAV:")
            << QByteArray("<x:multistatus xmlns:x='DAV:'><x:response><x:href>/c.ics</x:href>"
                          "<x:propstat><x:prop><x:getetag>\"c\"</x:getetag></x:prop>"
                          "<x:status>HTTP/1.1 200 OK</x:status></x:propstat></x:response>"
                          "</x:multistatus>")
            << "/c.ics 200 \"c\"  -";
        QTest::newRow("a full URL as href")
            << QByteArray("<d:multistatus xmlns:d='DAV:'><d:response>"
                          "<d:href>https://dav.example/kim/duty/d.ics</d:href><d:propstat>"
                          "<d:prop><d:getetag>\"d\"</d:getetag></d:prop>"
                          "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
                          "</d:multistatus>")
            << "/kim/duty/d.ics 200 \"d\"  -";
        QTest::newRow("a relative href")
            << QByteArray("<d:multistatus xmlns:d='DAV:'><d:response><d:href>e.ics</d:href>"
                          "<d:propstat><d:prop><d:getetag>\"e\"</d:getetag></d:prop>"
                          "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
                          "</d:multistatus>")
            << "/kim/duty/e.ics 200 \"e\"  -";
        QTest::newRow("percent-encoding and a doubled slash")
            << QByteArray("<d:multistatus xmlns:d='DAV:'><d:response>"
                          "<d:href>/kim//duty/1-5-tfs%40dutyloop.example.ics</d:href><d:propstat>"
                          "<d:prop><d:getetag>\"f\"</d:getetag></d:prop>"
                          "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
                          "</d:multistatus>")
            << "/kim/duty/1-5-tfs@dutyloop.example.ics 200 \"f\"  -";
        QTest::newRow("a property in a 404 propstat is not read")
            << QByteArray("<d:multistatus xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:caldav'>"
                          "<d:response><d:href>/g.ics</d:href>"
                          "<d:propstat><d:prop><c:calendar-data>X</c:calendar-data></d:prop>"
                          "<d:status>HTTP/1.1 404 Not Found</d:status></d:propstat>"
                          "<d:propstat><d:prop><d:getetag>\"g\"</d:getetag></d:prop>"
                          "<d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                          "</d:response></d:multistatus>")
            << "/g.ics 200 \"g\"  -";
        QTest::newRow("a resource that is gone")
            << QByteArray("<d:multistatus xmlns:d='DAV:'><d:response><d:href>/h.ics</d:href>"
                          "<d:status>HTTP/1.1 404 Not Found</d:status></d:response>"
                          "</d:multistatus>")
            << "/h.ics 404   -";
        QTest::newRow("a calendar collection with its name, CDATA and entities")
            << QByteArray("<d:multistatus xmlns:d='DAV:' xmlns:c='urn:ietf:params:xml:ns:caldav'>"
                          "<d:response><d:href>/kim/duty/</d:href><d:propstat><d:prop>"
                          "<d:resourcetype><d:collection/><c:calendar/></d:resourcetype>"
                          "<d:displayname><![CDATA[Duty & more]]></d:displayname></d:prop>"
                          "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
                          "<d:response><d:href>/kim/duty/i.ics</d:href><d:propstat><d:prop>"
                          "<c:calendar-data>A&#13;&#10;B</c:calendar-data></d:prop>"
                          "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
                          "</d:multistatus>")
            << "/kim/duty/ 200   calendar Duty & more\n/kim/duty/i.ics 200  A\r\nB -";
        QTest::newRow("calendar in another namespace is no calendar")
            << QByteArray("<d:multistatus xmlns:d='DAV:'><d:response><d:href>/j/</d:href>"
                          "<d:propstat><d:prop><d:resourcetype><d:calendar/></d:resourcetype>"
                          "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                          "</d:response></d:multistatus>")
            << "/j/ 200   -";
        QTest::newRow("no responses") << QByteArray("<multistatus xmlns='DAV:'/>") << "";
        QTest::newRow("a response without href is passed over")
            << QByteArray("<multistatus xmlns='DAV:'><response><status>HTTP/1.1 200 OK</status>"
                          "</response></multistatus>")
            << "";
        QTest::newRow("garbage") << QByteArray("hello\r\n") << "no answer";
        QTest::newRow("empty") << QByteArray() << "no answer";
        QTest::newRow("an HTML page")
            << QByteArray("<html><body>Welcome</body></html>") << "no answer";
        QTest::newRow("multistatus outside DAV:")
            << QByteArray("<multistatus><response><href>/a</href></response></multistatus>")
            << "no answer";
        QTest::newRow("cut short")
            << QByteArray("<d:multistatus xmlns:d='DAV:'><d:response><d:href>/a.ics</d:href>")
            << "no answer";
        QTest::newRow("text after the end")
            << QByteArray("<multistatus xmlns='DAV:'/><other/>") << "no answer";
        QTest::newRow("nested as deep as allowed")
            << NestedTo(kDavNestingLimit) << "/n.ics 200   -";
        QTest::newRow("nested one level deeper") << NestedTo(kDavNestingLimit + 1) << "no answer";
    }
    void multistatus() {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(Summary(ParseMultistatus(body, kCalendar)), expected);
    }
};

QTEST_GUILESS_MAIN(TestCaldavXml)
#include "test_caldav_xml.moc"
