#include "calendar/published_duty.h"
#include "publishing/publish_texts.h"
#include "publishing/publisher.h"

#include "lying_server.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone::utc());

PublishedDuty DutyFrom(const QDateTime& now) {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish.months = 1;
    return PublishedDutyFor(settings, {}, now);
}

PublishTarget CalendarAt(const QString& url) {
    return {PublishTarget::Kind::CalDav, url, "kim", {}, 1, {}};
}

// A request for the calendar itself or a resource directly inside it, on its own host.
bool InsideTheCalendar(const SeenRequest& request, const QString& host) {
    const QString path = request.path();
    return request.headers.value("host") == host.toUtf8() &&
           !request.target.toLower().contains("%2f") && path.startsWith(u"/kim/duty/") &&
           !path.mid(10).contains(u'/') && path.mid(10) != u"..";
}

} // namespace

class TestPublishLyingAnswers : public QObject {
    Q_OBJECT
private slots:
    // The calendar-query's answer names two events of Dutyloop's at hrefs that are not the
    // calendar's: one still wanted, which would be put back there, and one no longer wanted,
    // which would be deleted. Neither is touched; they are counted and said. {port} is the
    // server's port, {other} another server's.
    void hrefsOutside_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("outside");
        QTest::newRow("inside, as a real server names them") << "/kim/duty/" << 0;
        QTest::newRow("a sibling by ../") << "../personal/" << 2;
        QTest::newRow("a sibling by its path") << "/kim/personal/" << 2;
        QTest::newRow("another host") << "http://localhost:{port}/kim/duty/" << 2;
        QTest::newRow("another port") << "http://127.0.0.1:{other}/kim/duty/" << 2;
        QTest::newRow("another scheme") << "https://127.0.0.1:{port}/kim/duty/" << 2;
        QTest::newRow("a nested path") << "/kim/duty/old/" << 2;
        QTest::newRow("a percent-encoded slash") << "/kim/duty/..%2Fpersonal%2F" << 2;
        QTest::newRow("percent-encoded dots") << "/kim/duty/%2E%2E/personal/" << 2;
    }
    void hrefsOutside() {
        QFETCH(QString, folder);
        QFETCH(int, outside);
        const PublishedDuty wanted = DutyFrom(kNow);
        // Of the same crew, months on: Dutyloop's, and no longer wanted.
        const PublishedEvent unwanted = DutyFrom(kNow.addMonths(3)).events.first();
        LyingServer elsewhere([](const SeenRequest&) { return HttpAnswer("204 No Content", {}); });
        FakeCalendar calendar;
        LyingServer server(
            [&calendar](const SeenRequest& request) { return calendar.answer(request); });
        const QByteArray prefix = folder.replace("{port}", QString::number(server.serverPort()))
                                      .replace("{other}", QString::number(elsewhere.serverPort()))
                                      .toUtf8();
        calendar.report = Multistatus({{prefix + "victim%40phone.ics", unwanted.ics},
                                       {prefix + "kept.ics", wanted.events.first().ics}});

        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setRetrying(false);
        const PublishTarget target = CalendarAt(server.origin() + "/kim/duty/");
        publisher.setTarget(target, "secret");
        publisher.publish(wanted);
        QTRY_VERIFY(publisher.status().state != PublishStatus::State::Publishing);

        const PublishStatus status = publisher.status();
        QVERIFY(elsewhere.requests.isEmpty());
        for (const SeenRequest& request : server.requests)
            QVERIFY2(InsideTheCalendar(request, server.origin().mid(7)),
                     (request.method + ' ' + request.target).constData());
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.outside, outside);
        const int held = outside == 0 ? 1 : 0;
        QCOMPARE(status.deleted, held);
        QCOMPARE(status.updated, held);
        QCOMPARE(status.created, int(wanted.events.size()) - held);
        const QString said = outside == 0 ? QString()
                                          : QStringLiteral("\nThe server named 2 resources "
                                                           "outside the calendar; they were "
                                                           "left alone.");
        QCOMPARE(PublishRunText(status, target),
                 QStringLiteral("%1 created, %2 updated, %2 deleted on %3")
                         .arg(status.created)
                         .arg(held)
                         .arg(target.url) +
                     said);
        QVERIFY(PublishStatusText(status, kNow).endsWith(said));
    }

    // Every event is made meanwhile by another client: each create meets 412, is fetched
    // again and put over the other's version. What the run did is update them.
    void conflictCountsAsUpdate() {
        FakeCalendar calendar;
        LyingServer server([&calendar](const SeenRequest& request) {
            if (request.method == "PUT" && request.headers.contains("if-none-match"))
                return HttpAnswer("412 Precondition Failed", {});
            return calendar.answer(request);
        });
        QTemporaryDir settings;
        Publisher publisher(settings.path(), [] { return kNow; });
        publisher.setRetrying(false);
        const PublishTarget target = CalendarAt(server.origin() + "/kim/duty/");
        publisher.setTarget(target, "secret");
        publisher.publish(DutyFrom(kNow));
        QTRY_VERIFY(publisher.status().state != PublishStatus::State::Publishing);

        const int events = int(DutyFrom(kNow).events.size());
        QCOMPARE(publisher.status().state, PublishStatus::State::Published);
        QCOMPARE(publisher.status().created, 0);
        QCOMPARE(publisher.status().updated, events);
        QCOMPARE(calendar.puts, events);
        QCOMPARE(
            PublishRunText(publisher.status(), target),
            QStringLiteral("0 created, %1 updated, 0 deleted on %2").arg(events).arg(target.url));
    }
};

QTEST_GUILESS_MAIN(TestPublishLyingAnswers)
#include "test_publish_lying_answers.moc"
