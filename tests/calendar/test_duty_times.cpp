// Duty hours as they are lived, across the changes of the clocks of 2027: in Berlin on 28 March
// and 31 October, in New York on 14 March and 7 November. The hours were reckoned with
// python3-dateutil's zone data, apart from the program.

#include "calendar/duty_hours_texts.h"
#include "calendar/duty_times.h"
#include "schedule/crew.h"

#include <QTest>

using namespace dutyloop;

class TestDutyTimes : public QObject {
    Q_OBJECT
private slots:
    void hoursOfADuty_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<int>("minutes");
        const QTime seven(7, 0);
        const QTime nineteen(19, 0);
        const QByteArray berlin = "Europe/Berlin";
        const QByteArray newYork = "America/New_York";
        QTest::newRow("Berlin, 24 h from the day before spring")
            << berlin << QDate(2027, 3, 27) << seven << seven << 23 * 60;
        QTest::newRow("Berlin, 24 h from the day of spring")
            << berlin << QDate(2027, 3, 28) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, 24 h from the day after spring")
            << berlin << QDate(2027, 3, 29) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, 24 h from the day before autumn")
            << berlin << QDate(2027, 10, 30) << seven << seven << 25 * 60;
        QTest::newRow("Berlin, 24 h from the day of autumn")
            << berlin << QDate(2027, 10, 31) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, 24 h from the day after autumn")
            << berlin << QDate(2027, 11, 1) << seven << seven << 24 * 60;
        QTest::newRow("Berlin, a night across spring")
            << berlin << QDate(2027, 3, 27) << nineteen << seven << 11 * 60;
        QTest::newRow("Berlin, a night across autumn")
            << berlin << QDate(2027, 10, 30) << nineteen << seven << 13 * 60;
        QTest::newRow("Berlin, a day duty on the day of spring")
            << berlin << QDate(2027, 3, 28) << seven << nineteen << 12 * 60;
        QTest::newRow("New York, 24 h from the day before spring")
            << newYork << QDate(2027, 3, 13) << seven << seven << 23 * 60;
        QTest::newRow("New York, 24 h from the day of spring")
            << newYork << QDate(2027, 3, 14) << seven << seven << 24 * 60;
        QTest::newRow("New York, 24 h from the day before autumn")
            << newYork << QDate(2027, 11, 6) << seven << seven << 25 * 60;
        QTest::newRow("New York, a night across autumn")
            << newYork << QDate(2027, 11, 6) << nineteen << seven << 13 * 60;
        QTest::newRow("New York, Berlin's spring is nothing here")
            << newYork << QDate(2027, 3, 27) << seven << seven << 24 * 60;
        QTest::newRow("UTC, never a change")
            << QByteArray("UTC") << QDate(2027, 3, 27) << seven << seven << 24 * 60;
        // The clocks skip 02:00-03:00 in Berlin on 28 March: a duty from 02:30 starts at 03:30,
        // as RFC 5545 reads a time in the gap.
        QTest::newRow("Berlin, a start the clocks skip")
            << berlin << QDate(2027, 3, 28) << QTime(2, 30) << QTime(6, 0) << 150;
    }
    void hoursOfADuty() {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, day);
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(int, minutes);
        const QTimeZone timeZone(zone);
        QVERIFY(timeZone.isValid());
        QCOMPARE(DutyMinutesOn(day, {start, end}, timeZone), qint64(minutes));
    }

    // March 2027 in Berlin for a crew on duty every Saturday, 07:00 to 07:00: four Saturdays
    // of 24 hours and the one before the spring change of 23.
    void minutesOfAMonth() {
        const DutyOf saturdays = [](QDate day) {
            return day.dayOfWeek() == Qt::Saturday ? DutyCode::Work : DutyCode::Off;
        };
        const qint64 minutes =
            DutyMinutesBetween(QDate(2027, 3, 1), QDate(2027, 3, 31), saturdays, DutyCode::Work,
                               {QTime(7, 0), QTime(7, 0)}, QTimeZone("Europe/Berlin"));
        QCOMPARE(minutes, qint64((3 * 24 + 23) * 60));
    }

    // March 2027 for 5 TFS, on duty 07:00 to 07:00 on the 2nd, 3rd, 4th, 9th, 10th, 11th, 15th,
    // 16th, 21st, 22nd, 23rd, 28th, 29th and 30th (14 duties), with days of its own changed.
    void hoursOfAMonth_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("changed"); // leave on 2, sick on 9, extra duty on 27 March
        QTest::addColumn<int>("workedHours");
        QTest::addColumn<int>("takenHours");
        QTest::newRow("as rostered, Berlin")
            << QByteArray("Europe/Berlin") << false << 14 * 24 << 0;
        // The extra duty from 07:00 on the 27th ends on the morning the clocks go forward.
        QTest::newRow("changed, Berlin")
            << QByteArray("Europe/Berlin") << true << 12 * 24 + 23 << 2 * 24;
        QTest::newRow("changed, UTC") << QByteArray("UTC") << true << 13 * 24 << 2 * 24;
        // New York changed its clocks on 14 March, a day 5 TFS is off.
        QTest::newRow("changed, New York")
            << QByteArray("America/New_York") << true << 13 * 24 << 2 * 24;
    }
    void hoursOfAMonth() {
        QFETCH(QByteArray, zone);
        QFETCH(bool, changed);
        QFETCH(int, workedHours);
        QFETCH(int, takenHours);
        DayChanges changes;
        if (changed) {
            changes[QDate(2027, 3, 2)] = {DayChangeKind::Leave, {}};
            changes[QDate(2027, 3, 9)] = {DayChangeKind::Sick, {}};
            changes[QDate(2027, 3, 27)] = {DayChangeKind::ExtraDuty, {}};
        }
        const QDate anchor = Crews()[4].anchor;
        const HourCounts counts = HourCountsFor(QDate(2027, 3, 1), anchor, &changes,
                                                {QTime(7, 0), QTime(7, 0)}, QTimeZone(zone));
        QCOMPARE(counts.monthMinutes, qint64(workedHours) * 60);
        QCOMPARE(counts.monthTakenMinutes, qint64(takenHours) * 60);
        QCOMPARE(counts.yearTakenMinutes, counts.monthTakenMinutes);
        QVERIFY(counts.yearMinutes > counts.monthMinutes);
    }
};

QTEST_APPLESS_MAIN(TestDutyTimes)
#include "test_duty_times.moc"
