// A password goes over plain http only where the user allowed it for that address: to any other
// computer nothing is sent until then, and the allowance is kept in the settings file as the
// address's scheme, host and port.

#include "calendar/published_duty.h"
#include "publishing/clear_text.h"
#include "publishing/publisher.h"

#include "lying_server.h"

#include <QHostInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <tuple>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone::utc());

PublishTarget Calendar(const QString& url, const QString& user, const QString& allowed) {
    return {PublishTarget::Kind::CalDav, url, user, {}, 1, {}, allowed};
}

PublishStatus PublishTo(const PublishTarget& target) {
    QTemporaryDir settings;
    Publisher publisher(settings.path(), [] { return kNow; });
    publisher.setRetrying(false);
    publisher.setTarget(target, "secret");
    Settings duty;
    duty.assignment = QStringLiteral("5 TFS");
    duty.publish.months = 1;
    publisher.publish(PublishedDutyFor(duty, {}, kNow));
    std::ignore = QTest::qWaitFor(
        [&publisher] { return publisher.status().state != PublishStatus::State::Publishing; },
        20000);
    return publisher.status();
}

} // namespace

class TestPublishUnencrypted : public QObject {
    Q_OBJECT
private slots:
    void whereThePasswordMayGo_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("allowed");
        QTest::addColumn<bool>("inClear");
        QTest::addColumn<bool>("mayGo");
        QTest::newRow("https") << "https://dav.example/kim/duty/"
                               << "kim"
                               << "" << false << true;
        QTest::newRow("http, not allowed") << "http://dav.example/kim/duty/"
                                           << "kim"
                                           << "" << true << false;
        QTest::newRow("http, allowed for the address") << "http://dav.example/kim/duty/"
                                                       << "kim"
                                                       << "http://dav.example:80" << true << true;
        QTest::newRow("http, allowed for another port") << "http://dav.example:5232/kim/duty/"
                                                        << "kim"
                                                        << "http://dav.example:80" << true << false;
        QTest::newRow("http, allowed for another host")
            << "http://dav.example/kim/duty/"
            << "kim"
            << "http://dav.example.org:80" << true << false;
        QTest::newRow("http, allowed for its https") << "http://dav.example/kim/duty/"
                                                     << "kim"
                                                     << "https://dav.example:443" << true << false;
        QTest::newRow("http to localhost") << "http://localhost:5232/kim/duty/"
                                           << "kim"
                                           << "" << false << true;
        QTest::newRow("http to 127.0.0.1") << "http://127.0.0.1:5232/kim/duty/"
                                           << "kim"
                                           << "" << false << true;
        QTest::newRow("http to ::1") << "http://[::1]:5232/kim/duty/"
                                     << "kim"
                                     << "" << false << true;
        QTest::newRow("http to a name ending in localhost") << "http://dav.localhost/kim/duty/"
                                                            << "kim"
                                                            << "" << false << true;
        QTest::newRow("http to a host named like localhost") << "http://localhost.example/kim/duty/"
                                                             << "kim"
                                                             << "" << true << false;
        QTest::newRow("http without a user") << "http://dav.example/public/"
                                             << ""
                                             << "" << false << true;
    }
    void whereThePasswordMayGo() {
        QFETCH(QString, url);
        QFETCH(QString, user);
        QFETCH(QString, allowed);
        QFETCH(bool, inClear);
        QFETCH(bool, mayGo);
        const PublishTarget target = Calendar(url, user, allowed);
        QCOMPARE(SendsPasswordInClear(target), inClear);
        QCOMPARE(PasswordMayGo(target), mayGo);
    }

    // Kept in the settings file as scheme, host and port, and read back so; an address that is
    // not one is no allowance.
    void theAllowanceIsKept_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("the default port") << "http://dav.example/"
                                          << "http://dav.example:80";
        QTest::newRow("a port of its own") << "http://dav.example:5232/kim/"
                                           << "http://dav.example:5232";
        QTest::newRow("capitals") << "HTTP://DAV.Example:8080"
                                  << "http://dav.example:8080";
        QTest::newRow("no address") << "dav.example"
                                    << "";
        QTest::newRow("a file") << "file:///etc/passwd"
                                << "";
    }
    void theAllowanceIsKept() {
        QFETCH(QString, written);
        QFETCH(QString, read);
        const QByteArray file = "[Publish]\nTarget=caldav\nURL=http://dav.example/kim/\n"
                                "Unencrypted=" +
                                written.toUtf8() + "\n";
        QCOMPARE(PublishTargetFromText(file).unencrypted, read);
        PublishTarget target = PublishTargetFromText(file);
        target.unencrypted = written;
        QCOMPARE(PublishTargetFromText(TextWithPublishTarget(QByteArray(), target)).unencrypted,
                 read);
    }

    // The computer's own name is not one the program knows for this computer: to the program it
    // is another host on the network, which the test's server listens for.
    void nothingIsSentUntilAllowed() {
        const QString host = QHostInfo::localHostName();
        if (host.isEmpty() || QHostInfo::fromName(host).addresses().isEmpty())
            QSKIP("this computer's name does not resolve");
        FakeCalendar calendar;
        LyingServer server(
            [&calendar](const SeenRequest& request) { return calendar.answer(request); },
            QHostAddress::Any);
        const QString url =
            QStringLiteral("http://%1:%2/kim/duty/").arg(host).arg(server.serverPort());

        const PublishStatus refused = PublishTo(Calendar(url, "kim", {}));
        QCOMPARE(refused.problem, PublishProblem::Unencrypted);
        QCOMPARE(refused.created, 0);
        QVERIFY(server.requests.isEmpty());

        const PublishStatus allowed = PublishTo(Calendar(url, "kim", OriginOf(url)));
        QVERIFY(!server.requests.isEmpty());
        QCOMPARE(allowed.state, PublishStatus::State::Published);
    }
};

QTEST_MAIN(TestPublishUnencrypted)
#include "test_publish_unencrypted.moc"
