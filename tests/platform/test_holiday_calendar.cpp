// The user's own calendar of holidays, read from an iCalendar file: the days of its events, of
// their repetitions, and a plain refusal of anything that is no such calendar.

#include "platform/holiday_calendar.h"

#include "file_helpers.h"

#include <QTemporaryDir>
#include <QTest>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

QByteArray Calendar(const QByteArray& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//holidays//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

QByteArray Event(const QByteArray& lines) {
    return "BEGIN:VEVENT\r\nUID:x@test\r\nDTSTAMP:20261210T000000Z\r\n" + lines + "END:VEVENT\r\n";
}

} // namespace

class TestHolidayCalendar : public QObject {
    Q_OBJECT
private slots:
    void daysOfItsEvents_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("days"); // date and title
        QTest::newRow("an all-day event")
            << Calendar(Event("DTSTART;VALUE=DATE:20270505\r\nDTEND;VALUE=DATE:20270506\r\n"
                              "SUMMARY:Town fair\r\n"))
            << QStringList{"2027-05-05 Town fair"};
        QTest::newRow("an event of three days: its end is the day after")
            << Calendar(Event("DTSTART;VALUE=DATE:20271227\r\nDTEND;VALUE=DATE:20271230\r\n"
                              "SUMMARY:Works closed\r\n"))
            << QStringList{"2027-12-27 Works closed", "2027-12-28 Works closed",
                           "2027-12-29 Works closed"};
        QTest::newRow("a day given by its start alone")
            << Calendar(Event("DTSTART;VALUE=DATE:20270704\r\nSUMMARY:Picnic\r\n"))
            << QStringList{"2027-07-04 Picnic"};
        QTest::newRow("a yearly event, until a day")
            << Calendar(Event("DTSTART;VALUE=DATE:20250315\r\nDTEND;VALUE=DATE:20250316\r\n"
                              "RRULE:FREQ=YEARLY;UNTIL=20270316\r\nSUMMARY:Founders' Day\r\n"))
            << QStringList{"2025-03-15 Founders' Day", "2026-03-15 Founders' Day",
                           "2027-03-15 Founders' Day"};
        QTest::newRow("events in any order come out by date")
            << Calendar(Event("DTSTART;VALUE=DATE:20270910\r\nSUMMARY:Late\r\n") +
                        Event("DTSTART;VALUE=DATE:20270110\r\nSUMMARY:Early\r\n"))
            << QStringList{"2027-01-10 Early", "2027-09-10 Late"};
        QTest::newRow("days beyond the calendar's range are left out")
            << Calendar(Event("DTSTART;VALUE=DATE:21011225\r\nSUMMARY:Far\r\n") +
                        Event("DTSTART;VALUE=DATE:20100101\r\nSUMMARY:Old\r\n"))
            << QStringList{};
    }
    void daysOfItsEvents() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, days);
        const std::optional<HolidayList> holidays = HolidaysOfCalendarText(text);
        QVERIFY(holidays);
        QStringList read;
        for (const Holiday& holiday : *holidays)
            read.append(holiday.date.toString(Qt::ISODate) + u' ' + holiday.title);
        QCOMPARE(read, days);
    }

    // A yearly event with no end repeats to the calendar's last year, and no further.
    void aYearlyEventRepeatsToTheLastYear() {
        const std::optional<HolidayList> holidays = HolidaysOfCalendarText(
            Calendar(Event("DTSTART;VALUE=DATE:20140501\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:May\r\n")));
        QVERIFY(holidays);
        QCOMPARE(int(holidays->size()), 2100 - 2014 + 1);
        QCOMPARE(holidays->back().date, QDate(2100, 5, 1));
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
        QCOMPARE(HolidaysOfCalendarText(text), std::nullopt);
    }

    // The settings ask for a file; where it cannot be read, the reason names it.
    void aFileThatCannotBeReadIsSaidSo_data() {
        QTest::addColumn<QByteArray>("contents"); // none: no file at all
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << QByteArray() << "cannot be read";
        QTest::newRow("no calendar") << QByteArray("hello\n") << "is no iCalendar file";
    }
    void aFileThatCannotBeReadIsSaidSo() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, error);
        QTemporaryDir folder;
        Settings settings;
        settings.holidayFile = folder.filePath(QStringLiteral("holidays.ics"));
        if (!contents.isEmpty())
            WritePlainFile(settings.holidayFile, contents);
        const HolidayCalendar calendar = LoadHolidayCalendar(settings);
        QVERIFY(!calendar.holidays);
        QVERIFY2(calendar.error.contains(error), qPrintable(calendar.error));
        QVERIFY(calendar.error.contains(settings.holidayFile));
    }

    void aRegionNeedsNoFile() {
        Settings settings;
        settings.holidayRegion = HolidayRegion::France;
        const HolidayCalendar calendar = LoadHolidayCalendar(settings);
        QVERIFY(calendar.error.isEmpty());
        QVERIFY(calendar.holidays);
        QCOMPARE(calendar.holidays->front().date, QDate(2014, 1, 1));
        QCOMPARE(calendar.holidays->back().date, QDate(2100, 12, 25));
        QVERIFY(!LoadHolidayCalendar(Settings()).holidays);
    }
};

QTEST_GUILESS_MAIN(TestHolidayCalendar)
#include "test_holiday_calendar.moc"
