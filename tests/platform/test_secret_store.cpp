#include "publishing/secret_store.h"

#include <QElapsedTimer>
#include <QTest>

using namespace dutyloop;

namespace {

PublishTarget Kims() {
    return {PublishTarget::Kind::CalDav, "https://dav.example/kim/duty/", "kim", {}, 12, {}};
}

} // namespace

class TestSecretStore : public QObject {
    Q_OBJECT
private slots:
    // Without a session bus no secret store can answer: each call says so, with the store's own
    // words, and none of them hangs.
    void initTestCase() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/dutyloop-test-bus");
    }

    void entryNamedByUrlAndUser() {
        QCOMPARE(PublishTargetKey(Kims()), QStringLiteral("https://kim@dav.example/kim/duty/"));
    }

    void noStoreSaysWhy() {
        QElapsedTimer clock;
        clock.start();
        const SecretAnswer read = ReadPasswordNow(Kims());
        QCOMPARE(read.outcome, SecretAnswer::Outcome::NoStore);
        QVERIFY(!read.problem.isEmpty());
        QVERIFY(read.password.isEmpty());
        QVERIFY(clock.elapsed() < 30000);
    }

    void writeAndDeleteAnswerLater() {
        QObject context;
        std::optional<SecretAnswer> written;
        std::optional<SecretAnswer> deleted;
        WritePassword(Kims(), "secret", &context,
                      [&written](const SecretAnswer& answer) { written = answer; });
        DeletePassword(Kims(), &context,
                       [&deleted](const SecretAnswer& answer) { deleted = answer; });
        // Asked, not yet answered: the caller's thread goes on.
        QVERIFY(!written && !deleted);
        QTRY_VERIFY_WITH_TIMEOUT(written && deleted, 30000);
        QCOMPARE(written->outcome, SecretAnswer::Outcome::NoStore);
        QVERIFY(!written->problem.isEmpty());
        QCOMPARE(deleted->outcome, SecretAnswer::Outcome::NoStore);
    }

    // An answer for a context that is gone reaches no one.
    void noAnswerAfterTheContextIsGone() {
        bool called = false;
        {
            QObject context;
            ReadPassword(Kims(), &context, [&called](const SecretAnswer&) { called = true; });
        }
        QTest::qWait(500);
        QVERIFY(!called);
    }
};

QTEST_GUILESS_MAIN(TestSecretStore)
#include "test_secret_store.moc"
