#include "calendar/ical_reader.h"
#include "calendar/published_duty.h"

#include <QTest>
#include <QTimeZone>

using namespace dutyloop;

namespace {

const QTimeZone kBerlin("Europe/Berlin");

// 10 March 2027, in Berlin: March is published for a month.
QDateTime Now(int minute = 0) {
    return QDateTime(QDate(2027, 3, 10), QTime(9, minute), kBerlin);
}

Settings FiveTfs() {
    Settings settings;
    settings.assignment = QStringLiteral("5 TFS");
    settings.publish.months = 1;
    return settings;
}

QList<QDate> StartsOf(const PublishedDuty& duty) {
    QList<QDate> starts;
    for (const PublishedEvent& event : duty.events)
        starts.append(event.first);
    return starts;
}

const PublishedEvent* EventStarting(const PublishedDuty& duty, QDate first) {
    for (const PublishedEvent& event : duty.events) {
        if (event.first == first)
            return &event;
    }
    return nullptr;
}

} // namespace

class TestPublishedDuty : public QObject {
    Q_OBJECT
private slots:
    // 5 TFS in March 2027, worked out by hand from the rotation: runs from 2, 9, 15, 21 and
    // 28 March. The days answered for start where the stretch of days off before 2 March starts,
    // the 26th of February.
    void oneResourcePerEvent() {
        const PublishedDuty duty = PublishedDutyFor(FiveTfs(), {}, Now());
        QCOMPARE(duty.crew, QStringLiteral("5 TFS"));
        QCOMPARE(StartsOf(duty),
                 (QList<QDate>{
                     {2027, 3, 2}, {2027, 3, 9}, {2027, 3, 15}, {2027, 3, 21}, {2027, 3, 28}}));
        QCOMPARE(duty.days.first, QDate(2027, 2, 26));
        for (const PublishedEvent& event : duty.events) {
            const QList<IcalEvent> events = IcalCalendarFromText(event.ics).events;
            QCOMPARE(events.size(), 1);
            QCOMPARE(events[0].uid, event.uid);
            QCOMPARE(events[0].crew, QStringLiteral("5 TFS"));
            QCOMPARE(events[0].categories, QStringList{kPublishedCategory});
            QVERIFY(event.ics.contains("\r\nX-DUTYLOOP-CREW:5 TFS\r\nCATEGORIES:Dutyloop\r\n"));
            QVERIFY(event.uid.endsWith(kUidDomain));
            // A calendar collection's resources carry no METHOD.
            QVERIFY(!event.ics.contains("METHOD"));
            QVERIFY(event.ics.endsWith("END:VCALENDAR\r\n"));
        }
        QCOMPARE(EventStarting(duty, {2027, 3, 2})->uid,
                 QByteArray("20270302-5-tfs@dutyloop.halvorne.example"));
    }

    // Timed duty names its zone, and the resource carries that zone's VTIMEZONE.
    void timedDutyCarriesItsZone() {
        Settings settings = FiveTfs();
        settings.dutyHours[QStringLiteral("5 TFS")] = {QTime(7, 0), QTime(7, 0)};
        const PublishedDuty duty = PublishedDutyFor(settings, {}, Now());
        const PublishedEvent* event = EventStarting(duty, {2027, 3, 2});
        QVERIFY(event);
        QVERIFY(event->ics.contains("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin"));
        QVERIFY(event->ics.contains("DTSTART;TZID=Europe/Berlin:20270302T070000"));
        QCOMPARE(event->ics.count("BEGIN:VEVENT"), 1);
    }

    // The hash leaves out what changes on every run: the same duty a minute later has the same
    // hashes; a day's note changes its event's hash alone.
    void hashFollowsTheEventAlone() {
        const PublishedDuty before = PublishedDutyFor(FiveTfs(), {}, Now());
        const PublishedDuty later = PublishedDutyFor(FiveTfs(), {}, Now(1));
        QCOMPARE(later.events.size(), before.events.size());
        for (qsizetype i = 0; i < before.events.size(); ++i) {
            QVERIFY(later.events[i].ics != before.events[i].ics); // DTSTAMP at least
            QCOMPARE(later.events[i].hash, before.events[i].hash);
        }
        DayChangesBySection changes;
        DayChange note;
        note.note = QStringLiteral("Course in the morning");
        changes[DaysSectionFor(QStringLiteral("5 TFS"))][QDate(2027, 3, 10)] = note;
        const PublishedDuty noted = PublishedDutyFor(FiveTfs(), changes, Now(1));
        for (qsizetype i = 0; i < before.events.size(); ++i) {
            const bool changed = noted.events[i].first == QDate(2027, 3, 9);
            QCOMPARE(noted.events[i].hash != before.events[i].hash, changed);
        }
    }

    // 5 TFS works 28 to 30 March 2027, Easter Monday among them; Berlin's other holidays of
    // the month, Women's Day and Good Friday, it has off. Only that run names a holiday, and
    // so only that run is published anew when the holidays come.
    void aHolidayOnDutyIsNamed() {
        const HolidayList berlin = HolidaysInYears(HolidayRegion::Berlin, 2027, 2027);
        const PublishedDuty plain = PublishedDutyFor(FiveTfs(), {}, Now());
        const PublishedDuty marked = PublishedDutyFor(FiveTfs(), {}, Now(), &berlin);
        QCOMPARE(StartsOf(marked), StartsOf(plain));
        for (qsizetype i = 0; i < plain.events.size(); ++i) {
            const bool easter = marked.events[i].first == QDate(2027, 3, 28);
            QCOMPARE(marked.events[i].ics.contains(
                         "DESCRIPTION:2027-03-29: Public holiday: Easter Monday\r\n"),
                     easter);
            QCOMPARE(marked.events[i].hash != plain.events[i].hash, easter);
        }
    }

    void noCrewNoEvents() {
        Settings settings = FiveTfs();
        settings.assignment = QStringLiteral("Tornvale");
        const PublishedDuty duty = PublishedDutyFor(settings, {}, Now());
        QVERIFY(duty.crew.isEmpty());
        QVERIFY(duty.events.isEmpty());
    }

    // Each row's UID as another program may have left it in a calendar, and whether it is
    // 5 TFS's own: the UID alone decides, whatever marks a phone dropped or kept.
    void whatIsOurs_data() {
        QTest::addColumn<QByteArray>("uid");
        QTest::addColumn<bool>("ours");
        QTest::newRow("a run of 5 TFS")
            << QByteArray("20270302-5-tfs@dutyloop.halvorne.example") << true;
        QTest::newRow("a timed duty's own day")
            << QByteArray("day-20270303-5-tfs@dutyloop.halvorne.example") << true;
        QTest::newRow("a note of 5 TFS")
            << QByteArray("note-20270306-5-tfs@dutyloop.halvorne.example") << true;
        QTest::newRow("the same run of 3 TWT")
            << QByteArray("20270302-3-twt@dutyloop.halvorne.example") << false;
        QTest::newRow("a crew whose name ends like ours")
            << QByteArray("20270302-15-tfs@dutyloop.halvorne.example") << false;
        QTest::newRow("the suffix alone")
            << QByteArray("-5-tfs@dutyloop.halvorne.example") << false;
        QTest::newRow("an export of the agency-wide entry")
            << QByteArray("20270302-tornvale@dutyloop.halvorne.example") << false;
        QTest::newRow("a phone's event") << QByteArray("abc@phone.example") << false;
        QTest::newRow("ours in other letters")
            << QByteArray("20270302-5-TFS@dutyloop.halvorne.example") << false;
    }
    void whatIsOurs() {
        QFETCH(QByteArray, uid);
        QFETCH(bool, ours);
        QCOMPARE(IsCrewUid(uid, QStringLiteral("5 TFS")), ours);
    }
};

QTEST_GUILESS_MAIN(TestPublishedDuty)
#include "test_published_duty.moc"
