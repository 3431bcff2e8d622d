#include "calendar/published_duty.h"
#include "publishing/publisher.h"

#include "radicale_server.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace dutyloop;
using namespace dutyloop::testing;
using namespace std::chrono_literals;

namespace {

const QDateTime kNow(QDate(2027, 3, 10), QTime(9, 0), QTimeZone("Europe/Berlin"));

// The first days of 5 TFS's runs from March 2027 to February 2028, read off the pattern table
// from its anchor Monday 2014-01-06.
QStringList YearOfRuns() {
    return {"2027-03-02", "2027-03-09", "2027-03-15", "2027-03-21", "2027-03-28", "2027-04-04",
            "2027-04-11", "2027-04-16", "2027-04-23", "2027-04-30", "2027-05-07", "2027-05-12",
            "2027-05-19", "2027-05-26", "2027-06-02", "2027-06-07", "2027-06-14", "2027-06-21",
            "2027-06-28", "2027-07-05", "2027-07-10", "2027-07-17", "2027-07-24", "2027-07-31",
            "2027-08-05", "2027-08-12", "2027-08-19", "2027-08-26", "2027-08-31", "2027-09-07",
            "2027-09-14", "2027-09-21", "2027-09-27", "2027-10-03", "2027-10-10", "2027-10-17",
            "2027-10-24", "2027-10-29", "2027-11-05", "2027-11-12", "2027-11-19", "2027-11-24",
            "2027-12-01", "2027-12-08", "2027-12-15", "2027-12-20", "2027-12-27", "2028-01-03",
            "2028-01-10", "2028-01-17", "2028-01-22", "2028-01-29", "2028-02-05", "2028-02-12",
            "2028-02-17", "2028-02-24"};
}

// The duty as the other client lists it: "2027-03-02<TAB>On duty (5 TFS)", sorted.
QStringList Listed(const QStringList& starts, const QString& summary = "On duty (5 TFS)") {
    QStringList lines;
    for (const QString& start : starts)
        lines.append(start + u'\t' + summary);
    lines.sort();
    return lines;
}

// What the server holds of ours, as the other client reads it: start and summary; and its UIDs,
// each of which must be there once.
QStringList OursOn(const RadicaleServer& server, QStringList* uids = nullptr) {
    bool ok = false;
    const QString output = server.client({"list"}, &ok);
    if (!ok)
        return {QStringLiteral("the client failed: ") + output};
    QStringList ours;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 4 && fields[2] != u"-") {
            ours.append(fields[0] + u'\t' + fields[1]);
            if (uids)
                uids->append(fields[3]);
        }
    }
    return ours;
}

QString OthersOn(const RadicaleServer& server) {
    bool ok = false;
    const QString output = server.client({"list"}, &ok);
    QStringList others;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.split(u'\t').value(2) == u"-")
            others.append(line);
    }
    return others.join(u'\n');
}

Settings FiveTfsForAYear() {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish = {PublishTarget::Kind::CalDav, {}, "kim", {}, 12, {}};
    return settings;
}

PublishedDuty DutyWith(const QByteArray& days) {
    return PublishedDutyFor(FiveTfsForAYear(), AllDayChangesFromText(days), kNow);
}

// Those of the listed lines that are the crew's duty.
QStringList DutyOf(const QStringList& listed, const QString& crew) {
    return listed.filter(QStringLiteral("On duty (%1)").arg(crew));
}

const char* kPhoneEvent = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:dentist-1@phone.example\r\n"
                          "DTSTAMP:20270101T000000Z\r\nDTSTART;VALUE=DATE:20270309\r\n"
                          "SUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// Leave on the first day of the run from 9 March, extra duty on Saturday 13 March, a day off,
// and a note on Thursday 18 March, another.
const QByteArray kChangedDays =
    "[Days 5 TFS]\n2027-03-09=leave\n2027-03-13=extra\n2027-03-18=rostered;Call Anna\n";

QStringList ChangedDuty() {
    QStringList starts = YearOfRuns();
    starts.replace(1, "2027-03-10");
    QStringList duty = Listed(starts);
    duty.append("2027-03-13\tExtra duty (5 TFS)");
    duty.append("2027-03-18\tCall Anna");
    duty.sort();
    return duty;
}

} // namespace

class TestPublishRadicale : public QObject {
    Q_OBJECT
    std::unique_ptr<RadicaleServer> m_server;
    std::unique_ptr<QTemporaryDir> m_settings;
    std::unique_ptr<Publisher> m_publisher;

    // Publishes and waits until the target has everything or the run failed.
    PublishStatus publishAndWait(const PublishedDuty& duty) {
        m_publisher->publish(duty);
        return waitForRun();
    }
    PublishStatus waitForRun() {
        const auto ended = [this] {
            return m_publisher->status().state != PublishStatus::State::Publishing;
        };
        if (!QTest::qWaitFor(ended, 60000))
            qWarning("the run did not end within a minute");
        return m_publisher->status();
    }
    PublishTarget target() const {
        PublishTarget target = FiveTfsForAYear().publish;
        target.url = m_server->calendarUrl();
        return target;
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
        m_server = std::make_unique<RadicaleServer>();
        const QString started = m_server->start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QString output;
        CALDAV_CLIENT(*m_server, QStringList{"make"}, output);
        CALDAV_CLIENT(*m_server, (QStringList{"add", kPhoneEvent}), output);
        m_settings = std::make_unique<QTemporaryDir>();
        m_publisher = std::make_unique<Publisher>(m_settings->path(), [] { return kNow; });
        m_publisher->setRetrying(false);
        m_publisher->setTarget(target(), "secret");
    }
    void cleanup() {
        m_publisher.reset();
        m_server.reset();
    }

    // A year published, read back by another client: exactly the duty, the other client's
    // event untouched. Then days changed: exactly the new duty, no duplicate, nothing stale.
    void publishesTheYearAndFollowsChanges() {
        const QString phone = OthersOn(*m_server);
        QVERIFY(phone.contains("Dentist"));
        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.problem, PublishProblem::None);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, int(YearOfRuns().size()));
        QCOMPARE(status.lastComplete, kNow);
        QCOMPARE(OursOn(*m_server), Listed(YearOfRuns()));

        // The same duty again sends nothing.
        status = publishAndWait(DutyWith({}));
        QCOMPARE(status.created + status.updated + status.deleted, 0);

        status = publishAndWait(DutyWith(kChangedDays));
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, 2); // the extra duty and the note
        QCOMPARE(status.updated, 1); // the run from 9 March, now from the 10th
        QStringList uids;
        QCOMPARE(OursOn(*m_server, &uids), ChangedDuty());
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
        QCOMPARE(OthersOn(*m_server), phone);

        // Taken back: the extra duty and the note deleted again.
        status = publishAndWait(DutyWith({}));
        QCOMPARE(status.deleted, 2);
        QCOMPARE(OursOn(*m_server), Listed(YearOfRuns()));
        QCOMPARE(OthersOn(*m_server), phone);
    }

    // Two profiles of different crews, each with a settings folder of its own, publish to one
    // calendar in turn: each leaves the other crew's duty alone, and once both have published,
    // no run changes anything.
    void twoCrewsShareACalendar() {
        QTemporaryDir twtSettings;
        Publisher threeTwt(twtSettings.path(), [] { return kNow; });
        threeTwt.setRetrying(false);
        threeTwt.setTarget(target(), "secret");
        Settings settings = FiveTfsForAYear();
        settings.assignment = QStringLiteral("3 TWT");
        const PublishedDuty twtDuty = PublishedDutyFor(settings, {}, kNow);
        QStringList twtListed;
        for (int round = 1; round <= 3; ++round) {
            const PublishStatus tfs = publishAndWait(DutyWith({}));
            threeTwt.publish(twtDuty);
            QVERIFY(QTest::qWaitFor(
                [&] { return threeTwt.status().state != PublishStatus::State::Publishing; },
                60000));
            const PublishStatus twt = threeTwt.status();
            QCOMPARE(tfs.state, PublishStatus::State::Published);
            QCOMPARE(twt.state, PublishStatus::State::Published);
            QCOMPARE(tfs.deleted + twt.deleted, 0);
            QCOMPARE(tfs.updated + twt.updated, 0);
            QCOMPARE(tfs.created, round == 1 ? int(YearOfRuns().size()) : 0);
            const QStringList listed = OursOn(*m_server);
            QCOMPARE(DutyOf(listed, "5 TFS"), Listed(YearOfRuns()));
            if (round == 1)
                twtListed = DutyOf(listed, "3 TWT");
            QCOMPARE(twt.created, round == 1 ? int(twtListed.size()) : 0);
            QCOMPARE(DutyOf(listed, "3 TWT"), twtListed);
            QCOMPARE(listed.size(), YearOfRuns().size() + twtListed.size());
        }
        QVERIFY(!twtListed.isEmpty());
    }

    // A phone edits an event of ours and saves it in place without the crew's mark and the
    // category: by its UID it is still ours, put back where it is and never created a second
    // time, and the changes after it arrive too.
    void eventStrippedOnAPhone() {
        const QString phone = OthersOn(*m_server);
        QCOMPARE(publishAndWait(DutyWith({})).state, PublishStatus::State::Published);
        QStringList uids;
        OursOn(*m_server, &uids);
        QString output;
        QString hrefs;
        CALDAV_CLIENT(*m_server, QStringList{"hrefs"}, hrefs);
        CALDAV_CLIENT(*m_server, (QStringList{"strip", uids.value(1)}), output);
        QCOMPARE(OursOn(*m_server).size(), YearOfRuns().size() - 1);

        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, 0);
        QCOMPARE(status.updated, 1);
        QCOMPARE(status.deleted, 0);
        QCOMPARE(OursOn(*m_server), Listed(YearOfRuns()));
        CALDAV_CLIENT(*m_server, QStringList{"hrefs"}, output);
        QCOMPARE(output, hrefs);

        CALDAV_CLIENT(*m_server, (QStringList{"strip", uids.value(1)}), output);
        status = publishAndWait(DutyWith(kChangedDays));
        QCOMPARE(status.state, PublishStatus::State::Published);
        uids.clear();
        QCOMPARE(OursOn(*m_server, &uids), ChangedDuty());
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
        QCOMPARE(OthersOn(*m_server), phone);
    }

    // The server stopped: the change waits, the status says why; back, it arrives.
    void waitsForAStoppedServer() {
        QCOMPARE(publishAndWait(DutyWith({})).state, PublishStatus::State::Published);
        m_server->stop();
        PublishStatus status = publishAndWait(DutyWith(kChangedDays));
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::Unreachable);
        QCOMPARE(status.changesWaiting, 3);
        QCOMPARE(status.lastComplete, kNow);
        QVERIFY(m_server->start().isEmpty());
        m_publisher->retryNow();
        status = waitForRun();
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.changesWaiting, 0);
        QCOMPARE(OursOn(*m_server), ChangedDuty());
    }

    // A publisher that stops half-way (the program ends) leaves what it confirmed; the next one,
    // from the same settings folder, sends only the rest.
    void theNextRunSendsWhatIsMissing() {
        m_publisher->publish(DutyWith({}));
        QTRY_VERIFY_WITH_TIMEOUT(m_publisher->status().created >= 10, 60000);
        const int confirmed = m_publisher->status().created;
        m_publisher.reset();
        m_publisher = std::make_unique<Publisher>(m_settings->path(), [] { return kNow; });
        m_publisher->setRetrying(false);
        m_publisher->setTarget(target(), "secret");
        const PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Published);
        // The step under way at the stop may have arrived unconfirmed: it is sent once more.
        QVERIFY(status.updated <= 1);
        QCOMPARE(status.created + status.updated, int(YearOfRuns().size()) - confirmed);
        QStringList uids;
        QCOMPARE(OursOn(*m_server, &uids), Listed(YearOfRuns()));
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
    }

    // A wrong password: said plainly, nothing lost; the right one publishes.
    void wrongPassword() {
        m_publisher->setTarget(target(), "not the password");
        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::WrongPassword);
        QCOMPARE(status.changesWaiting, int(YearOfRuns().size()));
        m_publisher->setTarget(target(), "secret");
        status = waitForRun();
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(OursOn(*m_server), Listed(YearOfRuns()));
    }

    // Over HTTPS with a certificate of the server's own making: refused, with the fingerprint
    // that openssl gives it; accepted by that fingerprint, published.
    void certificateAcceptedByItsFingerprint() {
        const QString openssl = QStandardPaths::findExecutable("openssl");
        if (openssl.isEmpty())
            QSKIP("openssl is not installed (the Makefile's DEB_PACKAGES)");
        const QString certificate = m_settings->filePath("server.pem");
        const QString key = m_settings->filePath("server.key");
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
        m_server->stop();
        m_server->useTls(certificate, key);
        QVERIFY(m_server->start().isEmpty());
        PublishTarget tls = target();
        QVERIFY(tls.url.startsWith("https://"));
        m_publisher->setTarget(tls, "secret");
        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Waiting);
        QCOMPARE(status.problem, PublishProblem::UntrustedCertificate);
        QCOMPARE(status.certificate, fingerprint);
        QVERIFY(!status.details.isEmpty());
        tls.certificate = fingerprint;
        m_publisher->setTarget(tls, "secret");
        status = waitForRun();
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(OursOn(*m_server), Listed(YearOfRuns()));
    }

    // Another client changes an event of ours between the look at the calendar and the update
    // (412): fetched again and put back as the rotation has it.
    void eventChangedMeanwhile() {
        QCOMPARE(publishAndWait(DutyWith({})).state, PublishStatus::State::Published);
        QStringList uids;
        OursOn(*m_server, &uids);
        const QString ninth = uids.value(1); // the run from 9 March
        bool edited = false;
        connect(m_publisher.get(), &Publisher::statusChanged, this,
                [&](const PublishStatus& status) {
                    // Planned: the changes are counted, none sent yet.
                    if (edited || status.state != PublishStatus::State::Publishing ||
                        status.changesWaiting != 3)
                        return;
                    edited = true;
                    bool ok = false;
                    m_server->client({"retitle", ninth, "Swapped with Jo"}, &ok);
                    QVERIFY(ok);
                });
        const PublishStatus status = publishAndWait(DutyWith(kChangedDays));
        QVERIFY(edited);
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(OursOn(*m_server), ChangedDuty());
    }
};

QTEST_GUILESS_MAIN(TestPublishRadicale)
#include "test_publish_radicale.moc"
