// The days an iCalendar file of holidays marks, each fixture's days worked out by hand from the
// calendar: what a calendar program shows of its events is what the month marks.

#include "calendar/holiday_file.h"

#include <QTest>

using namespace dutyloop;

namespace {

const QDate kFirst(2014, 3, 31);
const QDate kLast(2100, 12, 31);

QByteArray Calendar(const QByteArray& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//holidays//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

QByteArray Event(const QByteArray& lines, const QByteArray& uid = "x@test") {
    return "BEGIN:VEVENT\r\nUID:" + uid + "\r\nDTSTAMP:20261210T000000Z\r\n" + lines +
           "END:VEVENT\r\n";
}

// Founders' Day on 1 May, 2027 to 2029.
const QByteArray kYearly = "DTSTART;VALUE=DATE:20270501\r\nRRULE:FREQ=YEARLY;COUNT=3\r\n"
                           "SUMMARY:Founders Day\r\n";

// "<date> <name>" for each holiday, by date.
QStringList Described(const HolidayList& holidays) {
    QStringList days;
    for (const Holiday& holiday : holidays)
        days.append(holiday.date.toString(Qt::ISODate) + u' ' + holiday.title);
    return days;
}

HolidayFileDays Read(const QByteArray& text, const QTimeZone& local = QTimeZone::utc()) {
    return HolidaysOfIcalText(text, kFirst, kLast, local).value_or(HolidayFileDays{});
}

} // namespace

class TestHolidayFile : public QObject {
    Q_OBJECT
private slots:
    void daysOfItsEvents_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("days");
        QTest::newRow("an all-day event of three days: its end is the day after")
            << Calendar(Event("DTSTART;VALUE=DATE:20271227\r\nDTEND;VALUE=DATE:20271230\r\n"
                              "SUMMARY:Works closed\r\n"))
            << QStringList{"2027-12-27 Works closed", "2027-12-28 Works closed",
                           "2027-12-29 Works closed"};
        QTest::newRow("a yearly event")
            << Calendar(Event(kYearly))
            << QStringList{"2027-05-01 Founders Day", "2028-05-01 Founders Day",
                           "2029-05-01 Founders Day"};
        QTest::newRow("EXDATE of a day")
            << Calendar(Event(kYearly + "EXDATE;VALUE=DATE:20280501\r\n"))
            << QStringList{"2027-05-01 Founders Day", "2029-05-01 Founders Day"};
        QTest::newRow("EXDATE of a time in UTC, two in one line")
            << Calendar(Event("DTSTART:20270301T100000Z\r\nRRULE:FREQ=DAILY;COUNT=4\r\n"
                              "EXDATE:20270302T100000Z,20270304T100000Z\r\nSUMMARY:Fair\r\n"))
            << QStringList{"2027-03-01 Fair", "2027-03-03 Fair"};
        QTest::newRow("EXDATE by a zone's clock")
            << Calendar(Event("DTSTART;TZID=Europe/Berlin:20270301T100000\r\n"
                              "RRULE:FREQ=DAILY;COUNT=3\r\n"
                              "EXDATE;TZID=Europe/Berlin:20270302T100000\r\nSUMMARY:Fair\r\n"))
            << QStringList{"2027-03-01 Fair", "2027-03-03 Fair"};
        QTest::newRow("EXDATE of a floating time")
            << Calendar(Event("DTSTART:20270301T100000\r\nRRULE:FREQ=DAILY;COUNT=3\r\n"
                              "EXDATE:20270302T100000\r\nSUMMARY:Fair\r\n"))
            << QStringList{"2027-03-01 Fair", "2027-03-03 Fair"};
        QTest::newRow("RDATE of days")
            << Calendar(Event("DTSTART;VALUE=DATE:20270101\r\n"
                              "RDATE;VALUE=DATE:20270601,20271001\r\nSUMMARY:Bank day\r\n"))
            << QStringList{"2027-01-01 Bank day", "2027-06-01 Bank day", "2027-10-01 Bank day"};
        QTest::newRow("RDATE of a time")
            << Calendar(Event("DTSTART:20270101T120000Z\r\nDTEND:20270101T130000Z\r\n"
                              "RDATE:20270701T120000Z\r\nSUMMARY:Parade\r\n"))
            << QStringList{"2027-01-01 Parade", "2027-07-01 Parade"};
        QTest::newRow("RDATE of a PERIOD over two midnights")
            << Calendar(Event("DTSTART:20270101T120000Z\r\nDTEND:20270101T130000Z\r\n"
                              "RDATE;VALUE=PERIOD:20270801T220000Z/20270803T020000Z\r\n"
                              "SUMMARY:Parade\r\n"))
            << QStringList{"2027-01-01 Parade", "2027-08-01 Parade", "2027-08-02 Parade",
                           "2027-08-03 Parade"};
        QTest::newRow("RECURRENCE-ID moves one instance")
            << Calendar(Event(kYearly, "f@test") +
                        Event("RECURRENCE-ID;VALUE=DATE:20280501\r\n"
                              "DTSTART;VALUE=DATE:20280503\r\nSUMMARY:Founders Day\r\n",
                              "f@test"))
            << QStringList{"2027-05-01 Founders Day", "2028-05-03 Founders Day",
                           "2029-05-01 Founders Day"};
        QTest::newRow("RECURRENCE-ID cancels one instance")
            << Calendar(Event("RECURRENCE-ID;VALUE=DATE:20280501\r\n"
                              "DTSTART;VALUE=DATE:20280501\r\nSTATUS:CANCELLED\r\n"
                              "SUMMARY:Founders Day\r\n",
                              "f@test") +
                        Event(kYearly, "f@test"))
            << QStringList{"2027-05-01 Founders Day", "2029-05-01 Founders Day"};
        QTest::newRow("a cancelled event, and its moved instance")
            << Calendar(Event(kYearly + "STATUS:CANCELLED\r\n", "f@test") +
                        Event("RECURRENCE-ID;VALUE=DATE:20280501\r\n"
                              "DTSTART;VALUE=DATE:20280503\r\nSUMMARY:Founders Day\r\n",
                              "f@test"))
            << QStringList{};
        QTest::newRow("a time across midnight marks both days")
            << Calendar(Event("DTSTART:20271231T230000Z\r\nDTEND:20280101T010000Z\r\n"
                              "SUMMARY:Night\r\n"))
            << QStringList{"2027-12-31 Night", "2028-01-01 Night"};
        QTest::newRow("a time of three days marks the fourth it ends on")
            << Calendar(Event("DTSTART:20271228T100000Z\r\nDURATION:P3D\r\nSUMMARY:Break\r\n"))
            << QStringList{"2027-12-28 Break", "2027-12-29 Break", "2027-12-30 Break",
                           "2027-12-31 Break"};
        QTest::newRow("a time that ends at midnight does not touch that day")
            << Calendar(Event("DTSTART:20270301T220000Z\r\nDTEND:20270302T000000Z\r\n"
                              "SUMMARY:Late\r\n"))
            << QStringList{"2027-03-01 Late"};
        QTest::newRow("a zone's evening is the next day here")
            << Calendar(Event("DTSTART;TZID=America/New_York:20271224T200000\r\n"
                              "DTEND;TZID=America/New_York:20271224T230000\r\nSUMMARY:Eve\r\n"))
            << QStringList{"2027-12-25 Eve"};
        QTest::newRow("a rule that never matches has its first day alone")
            << Calendar(Event("DTSTART;VALUE=DATE:20270101\r\n"
                              "RRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30\r\nSUMMARY:Never\r\n") +
                        Event("DTSTART;VALUE=DATE:20270102\r\n"
                              "RRULE:FREQ=MONTHLY;BYMONTH=2;BYMONTHDAY=31\r\nSUMMARY:Nor\r\n"))
            << QStringList{"2027-01-01 Never", "2027-01-02 Nor"};
        QTest::newRow("a daily rule of days in December")
            << Calendar(Event("DTSTART;VALUE=DATE:20271224\r\n"
                              "RRULE:FREQ=DAILY;BYMONTH=12;BYMONTHDAY=24,26;UNTIL=20281231\r\n"
                              "SUMMARY:Yule\r\n"))
            << QStringList{"2027-12-24 Yule", "2027-12-26 Yule", "2028-12-24 Yule",
                           "2028-12-26 Yule"};
        QTest::newRow("a monthly rule of the fourth Thursday of November")
            << Calendar(Event("DTSTART;VALUE=DATE:20271125\r\n"
                              "RRULE:FREQ=MONTHLY;BYMONTH=11;BYDAY=4TH;COUNT=2\r\n"
                              "SUMMARY:Thanks\r\n"))
            << QStringList{"2027-11-25 Thanks", "2028-11-23 Thanks"};
        QTest::newRow("a name once a day, however often it is there")
            << Calendar(Event(kYearly + "RDATE;VALUE=DATE:20280501\r\n") +
                        Event("DTSTART;VALUE=DATE:20270501\r\nSUMMARY:Founders Day\r\n", "y"))
            << QStringList{"2027-05-01 Founders Day", "2028-05-01 Founders Day",
                           "2029-05-01 Founders Day"};
        QTest::newRow("a line with a NUL byte is left out, the rest read")
            << Calendar(Event(QByteArray("DESCRIPTION:a\0b\r\n", 17) +
                              "DTSTART;VALUE=DATE:20270704\r\nSUMMARY:Picnic\r\n"))
            << QStringList{"2027-07-04 Picnic"};
        QTest::newRow("days beyond the calendar's range are left out")
            << Calendar(Event("DTSTART;VALUE=DATE:21011225\r\nSUMMARY:Far\r\n") +
                        Event("DTSTART;VALUE=DATE:20100101\r\nSUMMARY:Old\r\n"))
            << QStringList{};
    }
    void daysOfItsEvents() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, days);
        const std::optional<HolidayFileDays> read =
            HolidaysOfIcalText(text, kFirst, kLast, QTimeZone::utc());
        QVERIFY(read);
        QCOMPARE(Described(read->holidays), days);
        QCOMPARE(read->cutShort, QStringList{});
    }

    // A yearly event with no end repeats to the calendar's last year, and no further.
    void aYearlyEventRepeatsToTheLastYear() {
        const HolidayFileDays read = Read(
            Calendar(Event("DTSTART;VALUE=DATE:20140501\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:May\r\n")));
        QCOMPARE(int(read.holidays.size()), 2100 - 2014 + 1);
        QCOMPARE(read.holidays.back().date, QDate(2100, 5, 1));
    }

    // A rule begun long before the calendar's first day is taken up where the calendar begins,
    // on the days the rule gives there: Thanksgiving, the fourth Thursday of November.
    void aRuleFromLongAgo() {
        const HolidayFileDays read =
            Read(Calendar(Event("DTSTART;VALUE=DATE:19891123\r\n"
                                "RRULE:FREQ=MONTHLY;BYMONTH=11;BYDAY=4TH\r\nSUMMARY:Thanks\r\n")));
        QCOMPARE(int(read.holidays.size()), 2100 - 2014 + 1);
        QCOMPARE(read.holidays[0].date, QDate(2014, 11, 27));
        QCOMPARE(read.holidays[1].date, QDate(2015, 11, 26));
        QCOMPARE(read.holidays.back().date, QDate(2100, 11, 25));
        QCOMPARE(read.cutShort, QStringList{});
    }

    // A name reads as it is written: no character turns the text around, and a name of a
    // hundred thousand characters is cut as a note is.
    void namesAreCleanedAsNotesAre() {
        const QByteArray reversed = QStringLiteral("Fair \u202Eriaf").toUtf8();
        const HolidayFileDays read = Read(Calendar(
            Event("DTSTART;VALUE=DATE:20270704\r\nSUMMARY:" + reversed + "\r\n") +
            Event("DTSTART;VALUE=DATE:20270705\r\nSUMMARY:" + QByteArray(100000, 'a') + "\r\n")));
        QCOMPARE(read.holidays.size(), std::size_t(2));
        QCOMPARE(read.holidays[0].title, QStringLiteral("Fair riaf"));
        QCOMPARE(read.holidays[1].title, QString(300, u'a'));
    }

    // A file of more repetitions than a calendar of holidays holds has each event's share read,
    // the last event's as well as the first's, and says which were cut short.
    void everyEventHasItsShare() {
        QByteArray events;
        for (int n = 0; n < 2000; ++n)
            events += Event("DTSTART;VALUE=DATE:20150101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Daily " +
                                QByteArray::number(n) + "\r\n",
                            "d" + QByteArray::number(n));
        const HolidayFileDays read = Read(Calendar(events));
        const auto first = std::count_if(read.holidays.begin(), read.holidays.end(),
                                         [](const Holiday& h) { return h.title == "Daily 0"; });
        const auto last = std::count_if(read.holidays.begin(), read.holidays.end(),
                                        [](const Holiday& h) { return h.title == "Daily 1999"; });
        QVERIFY(first > 0);
        QCOMPARE(last, first);
        QCOMPARE(read.cutShort.size(), 2000);
        QCOMPARE(read.cutShort.back(), QStringLiteral("Daily 1999"));
    }

    void noCalendar_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Christmas is on the 25th\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe BEGIN:VCALENDAR", 20);
        QTest::newRow("an event without its calendar")
            << Event("DTSTART;VALUE=DATE:20270505\r\nSUMMARY:Loose\r\n");
    }
    void noCalendar() {
        QFETCH(QByteArray, text);
        QVERIFY(!HolidaysOfIcalText(text, kFirst, kLast, QTimeZone::utc()));
    }
};

QTEST_APPLESS_MAIN(TestHolidayFile)
#include "test_holiday_file.moc"
