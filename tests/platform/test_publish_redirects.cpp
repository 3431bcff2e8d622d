#include "calendar/published_duty.h"
#include "publishing/publish_texts.h"
#include "publishing/publisher.h"

#include "lying_server.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <tuple>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone::utc());

PublishedDuty SomeDuty() {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish.months = 1;
    return PublishedDutyFor(settings, {}, kNow);
}

// The server asks for the password until it has it.
QByteArray AskForPassword() {
    return HttpAnswer("401 Unauthorized", "WWW-Authenticate: Basic realm=\"duty\"\r\n");
}

PublishStatus PublishTo(const QString& url) {
    QTemporaryDir settings;
    Publisher publisher(settings.path(), [] { return kNow; });
    publisher.setRetrying(false);
    publisher.setTarget({PublishTarget::Kind::CalDav, url, "kim", {}, 1, {}}, "secret");
    publisher.publish(SomeDuty());
    // A run that does not end stays Publishing, which every test's comparison then shows.
    std::ignore = QTest::qWaitFor(
        [&publisher] { return publisher.status().state != PublishStatus::State::Publishing; },
        20000);
    return publisher.status();
}

} // namespace

class TestPublishRedirects : public QObject {
    Q_OBJECT
private slots:
    // The calendar's server sends every request on to another origin, before or after taking
    // the password. The other origin is a calendar that would take the password and the duty;
    // it is never asked, and the user is told where the server wanted to go.
    void toAnotherOrigin_data() {
        QTest::addColumn<QByteArray>("redirect");
        QTest::addColumn<bool>("asksFirst");
        QTest::newRow("307 at once") << QByteArray("307 Temporary Redirect") << false;
        QTest::newRow("307 once the password is taken")
            << QByteArray("307 Temporary Redirect") << true;
        QTest::newRow("301 at once") << QByteArray("301 Moved Permanently") << false;
        QTest::newRow("301 once the password is taken")
            << QByteArray("301 Moved Permanently") << true;
    }
    void toAnotherOrigin() {
        QFETCH(QByteArray, redirect);
        QFETCH(bool, asksFirst);
        FakeCalendar calendar;
        LyingServer elsewhere([&calendar](const SeenRequest& request) {
            return request.headers.contains("authorization") ? calendar.answer(request)
                                                             : AskForPassword();
        });
        LyingServer server([&](const SeenRequest& request) {
            if (asksFirst && !request.headers.contains("authorization"))
                return AskForPassword();
            return HttpAnswer(redirect,
                              "Location: " + elsewhere.origin().toUtf8() + request.target + "\r\n");
        });
        const PublishStatus status = PublishTo(server.origin() + "/kim/duty/");

        QVERIFY(!elsewhere.sawAuthorization());
        QVERIFY(elsewhere.requests.isEmpty());
        QCOMPARE(server.sawAuthorization(), asksFirst);
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::Moved);
        QCOMPARE(status.created, 0);
        QCOMPARE(status.changesWaiting, int(SomeDuty().events.size()));
        // What --publish says, and what the window shows.
        const QString where = elsewhere.origin() + "/kim/duty/";
        QCOMPARE(PublishFailureText(status),
                 QStringLiteral("The server moved the calendar to %1; change the address in "
                                "Publish… if you trust it.")
                     .arg(where));
        QVERIFY2(PublishStatusText(status, kNow).contains(where),
                 qPrintable(PublishStatusText(status, kNow)));
    }

    // Within its own origin the calendar may move: the requests follow it with their own
    // methods and the password, and the duty is published where it went.
    void withinTheOrigin() {
        FakeCalendar calendar{"/kim/moved/"};
        LyingServer server([&calendar](const SeenRequest& request) {
            if (!request.headers.contains("authorization"))
                return AskForPassword();
            if (request.target.startsWith("/kim/duty/"))
                return HttpAnswer("301 Moved Permanently",
                                  "Location: /kim/moved/" + request.target.mid(10) + "\r\n");
            return calendar.answer(request);
        });
        const PublishStatus status = PublishTo(server.origin() + "/kim/duty/");

        QVERIFY2(status.state == PublishStatus::State::Published,
                 qPrintable(PublishFailureText(status)));
        QCOMPARE(status.created, int(SomeDuty().events.size()));
        QCOMPARE(calendar.puts, int(SomeDuty().events.size()));
        QStringList methods;
        for (const SeenRequest& request : server.requests) {
            if (request.headers.contains("authorization"))
                methods.append(QString::fromLatin1(request.method + ' ' + request.target.left(11)));
        }
        methods.removeDuplicates();
        QCOMPARE(methods, QStringList({"PROPFIND /kim/duty/", "PROPFIND /kim/moved/",
                                       "REPORT /kim/moved/", "PUT /kim/moved/"}));
    }
};

QTEST_GUILESS_MAIN(TestPublishRedirects)
#include "test_publish_redirects.moc"
