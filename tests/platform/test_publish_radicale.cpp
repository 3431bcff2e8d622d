#include "calendar/published_duty.h"
#include "publishing/publisher.h"

#include "radicale_duty.h"
#include "radicale_server.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace dutyloop;
using namespace dutyloop::testing;
using namespace std::chrono_literals;

class TestPublishRadicale : public QObject {
    Q_OBJECT
    RadicaleCalendar m_calendar;

    // Publishes and waits until the target has everything or the run failed.
    PublishStatus publishAndWait(const PublishedDuty& duty) {
        m_calendar.publisher->publish(duty);
        return waitForRun();
    }
    PublishStatus waitForRun() {
        const auto ended = [this] {
            return m_calendar.publisher->status().state != PublishStatus::State::Publishing;
        };
        if (!QTest::qWaitFor(ended, 60000))
            qWarning("the run did not end within a minute");
        return m_calendar.publisher->status();
    }

private slots:
    void initTestCase() {
        const QString why = WhyNoRadicale();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }

    // Each test: a fresh server with an empty calendar, another client's event in it, and a
    // publisher with a settings folder of its own.
    void init() {
        const QString why = m_calendar.start();
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
    void cleanup() { m_calendar.stop(); }

    // A year published, read back by another client: exactly the duty, the other client's
    // event untouched. Then days changed: exactly the new duty, no duplicate, nothing stale.
    void publishesTheYearAndFollowsChanges() {
        const QString phone = OthersOn(*m_calendar.server);
        QVERIFY(phone.contains("Dentist"));
        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.problem, PublishProblem::None);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, int(YearOfRuns().size()));
        QCOMPARE(status.lastComplete, kNow);
        QCOMPARE(OursOn(*m_calendar.server), Listed(YearOfRuns()));

        // The same duty again sends nothing.
        status = publishAndWait(DutyWith({}));
        QCOMPARE(status.created + status.updated + status.deleted, 0);

        status = publishAndWait(DutyWith(kChangedDays));
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, 2); // the extra duty and the note
        QCOMPARE(status.updated, 1); // the run from 9 March, now from the 10th
        QStringList uids;
        QCOMPARE(OursOn(*m_calendar.server, &uids), ChangedDuty());
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
        QCOMPARE(OthersOn(*m_calendar.server), phone);

        // Taken back: the extra duty and the note deleted again.
        status = publishAndWait(DutyWith({}));
        QCOMPARE(status.deleted, 2);
        QCOMPARE(OursOn(*m_calendar.server), Listed(YearOfRuns()));
        QCOMPARE(OthersOn(*m_calendar.server), phone);
    }

    // The server stopped: the change waits, the status says why; back, it arrives.
    void waitsForAStoppedServer() {
        QCOMPARE(publishAndWait(DutyWith({})).state, PublishStatus::State::Published);
        m_calendar.server->stop();
        PublishStatus status = publishAndWait(DutyWith(kChangedDays));
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::Unreachable);
        QCOMPARE(status.changesWaiting, 3);
        QCOMPARE(status.lastComplete, kNow);
        QVERIFY(m_calendar.server->start().isEmpty());
        m_calendar.publisher->retryNow();
        status = waitForRun();
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.changesWaiting, 0);
        QCOMPARE(OursOn(*m_calendar.server), ChangedDuty());
    }

    // A publisher that stops half-way (the program ends) leaves what it confirmed; the next one,
    // from the same settings folder, sends only the rest.
    void theNextRunSendsWhatIsMissing() {
        m_calendar.publisher->publish(DutyWith({}));
        QTRY_VERIFY_WITH_TIMEOUT(m_calendar.publisher->status().created >= 10, 60000);
        const int confirmed = m_calendar.publisher->status().created;
        m_calendar.publisher.reset();
        m_calendar.publisher =
            std::make_unique<Publisher>(m_calendar.settings->path(), [] { return kNow; });
        m_calendar.publisher->setRetrying(false);
        m_calendar.publisher->setTarget(m_calendar.target(), "secret");
        const PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Published);
        // The step under way at the stop may have arrived unconfirmed: it is sent once more.
        QVERIFY(status.updated <= 1);
        QCOMPARE(status.created + status.updated, int(YearOfRuns().size()) - confirmed);
        QStringList uids;
        QCOMPARE(OursOn(*m_calendar.server, &uids), Listed(YearOfRuns()));
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
    }

    // A wrong password: said plainly, nothing lost; the right one publishes.
    void wrongPassword() {
        m_calendar.publisher->setTarget(m_calendar.target(), "not the password");
        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::WrongPassword);
        QCOMPARE(status.changesWaiting, int(YearOfRuns().size()));
        m_calendar.publisher->setTarget(m_calendar.target(), "secret");
        status = waitForRun();
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(OursOn(*m_calendar.server), Listed(YearOfRuns()));
    }

    // Over HTTPS with a certificate of the server's own making: refused, with the fingerprint
    // that openssl gives it; accepted by that fingerprint, published.
    void certificateAcceptedByItsFingerprint() {
        const QString openssl = QStandardPaths::findExecutable("openssl");
        if (openssl.isEmpty())
            QSKIP("openssl is not installed (the Makefile's DEB_PACKAGES)");
        const QString certificate = m_calendar.settings->filePath("server.pem");
        const QString key = m_calendar.settings->filePath("server.key");
        QProcess make;
        make.start(openssl, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                             "/CN=127.0.0.1", "-keyout", key, "-out", certificate});
        QVERIFY(make.waitForFinished(60000) && make.exitCode() == 0);
        QProcess print;
        print.start(openssl, {"x509", "-noout", "-fingerprint", "-sha256", "-in", certificate});
        QVERIFY(print.waitForFinished(60000) && print.exitCode() == 0);
        // "sha256 Fingerprint=AB:CD:…"
        const QByteArray fingerprint =
            print.readAllStandardOutput().trimmed().split('=').last().replace(':', "").toLower();
        QCOMPARE(fingerprint.size(), 64);
        m_calendar.server->stop();
        m_calendar.server->useTls(certificate, key);
        QVERIFY(m_calendar.server->start().isEmpty());
        PublishTarget tls = m_calendar.target();
        QVERIFY(tls.url.startsWith("https://"));
        m_calendar.publisher->setTarget(tls, "secret");
        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::UntrustedCertificate);
        QCOMPARE(status.certificate, fingerprint);
        QVERIFY(!status.details.isEmpty());
        tls.certificate = fingerprint;
        m_calendar.publisher->setTarget(tls, "secret");
        status = waitForRun();
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(OursOn(*m_calendar.server), Listed(YearOfRuns()));
    }

    // Another client changes an event of ours between the look at the calendar and the update
    // (412): fetched again and put back as the rotation has it.
    void eventChangedMeanwhile() {
        QCOMPARE(publishAndWait(DutyWith({})).state, PublishStatus::State::Published);
        QStringList uids;
        OursOn(*m_calendar.server, &uids);
        const QString ninth = uids.value(1); // the run from 9 March
        bool edited = false;
        connect(m_calendar.publisher.get(), &Publisher::statusChanged, this,
                [&](const PublishStatus& status) {
                    // Planned: the changes are counted, none sent yet.
                    if (edited || status.state != PublishStatus::State::Publishing ||
                        status.changesWaiting != 3)
                        return;
                    edited = true;
                    bool ok = false;
                    m_calendar.server->client({"retitle", ninth, "Swapped with Jo"}, &ok);
                    QVERIFY(ok);
                });
        const PublishStatus status = publishAndWait(DutyWith(kChangedDays));
        QVERIFY(edited);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(OursOn(*m_calendar.server), ChangedDuty());
    }
};

QTEST_GUILESS_MAIN(TestPublishRadicale)
#include "test_publish_radicale.moc"
