// A calendar that others share: another profile publishing another crew's duty to it, a phone
// that edits an event of ours and drops what it does not know. Against Debian's Radicale, read
// back by python3-caldav.

#include "calendar/published_duty.h"
#include "publishing/publisher.h"

#include "radicale_duty.h"
#include "radicale_server.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

// Those of the listed lines that are the crew's duty.
QStringList DutyOf(const QStringList& listed, const QString& crew) {
    return listed.filter(QStringLiteral("On duty (%1)").arg(crew));
}

PublishStatus WaitForRun(const Publisher& publisher) {
    if (!QTest::qWaitFor(
            [&] { return publisher.status().state != PublishStatus::State::Publishing; }, 60000))
        qWarning("the run did not end within a minute");
    return publisher.status();
}

} // namespace

class TestPublishSharedCalendar : public QObject {
    Q_OBJECT
    RadicaleCalendar m_calendar;

    PublishStatus publishAndWait(const PublishedDuty& duty) {
        m_calendar.publisher->publish(duty);
        return WaitForRun(*m_calendar.publisher);
    }

private slots:
    void initTestCase() {
        const QString why = WhyNoRadicale();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }

    // Each test: a fresh server with an empty calendar, another client's event in it, and a
    // publisher of 5 TFS with a settings folder of its own.
    void init() {
        const QString why = m_calendar.start();
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
    void cleanup() { m_calendar.stop(); }

    // Two profiles of different crews, each with a settings folder of its own, publish to one
    // calendar in turn: each leaves the other crew's duty alone, and once both have published,
    // no run changes anything.
    void twoCrewsShareACalendar() {
        QTemporaryDir twtSettings;
        Publisher threeTwt(twtSettings.path(), [] { return kNow; });
        threeTwt.setRetrying(false);
        threeTwt.setTarget(m_calendar.target(), "secret");
        Settings settings = FiveTfsForAYear();
        settings.assignment = QStringLiteral("3 TWT");
        const PublishedDuty twtDuty = PublishedDutyFor(settings, {}, kNow);
        QStringList twtListed;
        for (int round = 1; round <= 3; ++round) {
            const PublishStatus tfs = publishAndWait(DutyWith({}));
            threeTwt.publish(twtDuty);
            const PublishStatus twt = WaitForRun(threeTwt);
            QCOMPARE(tfs.state, PublishStatus::State::Published);
            QCOMPARE(twt.state, PublishStatus::State::Published);
            QCOMPARE(tfs.deleted + twt.deleted, 0);
            QCOMPARE(tfs.updated + twt.updated, 0);
            QCOMPARE(tfs.created, round == 1 ? int(YearOfRuns().size()) : 0);
            const QStringList listed = OursOn(*m_calendar.server);
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
        const QString phone = OthersOn(*m_calendar.server);
        QCOMPARE(publishAndWait(DutyWith({})).state, PublishStatus::State::Published);
        QStringList uids;
        OursOn(*m_calendar.server, &uids);
        QString output;
        QString hrefs;
        CALDAV_CLIENT(*m_calendar.server, QStringList{"hrefs"}, hrefs);
        CALDAV_CLIENT(*m_calendar.server, (QStringList{"strip", uids.value(1)}), output);
        QCOMPARE(OursOn(*m_calendar.server).size(), YearOfRuns().size() - 1);

        PublishStatus status = publishAndWait(DutyWith({}));
        QCOMPARE(status.state, PublishStatus::State::Published);
        QCOMPARE(status.created, 0);
        QCOMPARE(status.updated, 1);
        QCOMPARE(status.deleted, 0);
        QCOMPARE(OursOn(*m_calendar.server), Listed(YearOfRuns()));
        CALDAV_CLIENT(*m_calendar.server, QStringList{"hrefs"}, output);
        QCOMPARE(output, hrefs);

        CALDAV_CLIENT(*m_calendar.server, (QStringList{"strip", uids.value(1)}), output);
        status = publishAndWait(DutyWith(kChangedDays));
        QCOMPARE(status.state, PublishStatus::State::Published);
        uids.clear();
        QCOMPARE(OursOn(*m_calendar.server, &uids), ChangedDuty());
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
        QCOMPARE(OthersOn(*m_calendar.server), phone);
    }
};

QTEST_GUILESS_MAIN(TestPublishSharedCalendar)
#include "test_publish_shared_calendar.moc"
