#include "calendar/ical_export.h"

#include <QProcess>
#include <QTest>
#include <QTimeZone>

#include <libical/ical.h>

#include <memory>

using namespace dutyloop;

namespace {

// The exported file read back by libical: each event as a line, its times as written and in
// UTC as libical converts them with the file's own VTIMEZONE, and its alarm.

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

QByteArray Written(icalproperty* property) {
    if (!property)
        return "<none>";
    const char* zone = icalproperty_get_parameter_as_string(property, "TZID");
    const icaltimetype time = icalvalue_get_datetimedate(icalproperty_get_value(property));
    return QByteArray(icaltime_as_ical_string(time)) + (zone ? QByteArray(";") + zone : "");
}

// The moment in UTC, "HH:MMZ", by the zone libical finds in the file for the TZID.
QByteArray InUtc(icaltimetype time) {
    if (time.is_date)
        return "day";
    const icaltimetype utc = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
    return QByteArray(icaltime_as_ical_string(utc)).mid(9, 4).insert(2, ':') + 'Z';
}

// "<UID before the crew> <DTSTART>[;TZID] <DTEND>[;TZID] <start>-<end in UTC>", then
// " alarm <TRIGGER> <DESCRIPTION>" for each alarm.
QStringList Events(const QByteArray& ics, const QByteArray& uidSuffix) {
    QStringList events;
    const Component calendar(icalparser_parse_string(ics.constData()));
    if (!calendar)
        return {"<no calendar>"};
    for (icalcomponent* event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        QByteArray uid = icalcomponent_get_uid(event);
        if (uid.endsWith(uidSuffix))
            uid.chop(uidSuffix.size());
        QByteArray line =
            uid + ' ' + Written(icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY)) +
            ' ' + Written(icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) + ' ' +
            InUtc(icalcomponent_get_dtstart(event)) + '-' + InUtc(icalcomponent_get_dtend(event));
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            line += " CANCELLED";
        for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
             alarm; alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
            icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
            icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
            line += QByteArray(" alarm ") +
                    (action && icalproperty_get_action(action) == ICAL_ACTION_DISPLAY ? ""
                                                                                       : "?") +
                    (trigger ? icalproperty_get_value_as_string(trigger) : "<no trigger>") + ' ' +
                    icalcomponent_get_description(alarm);
        }
        events << QString::fromUtf8(line);
    }
    return events;
}

const QByteArray k5Tfs = "-5-tfs@dutyloop.halvorne.example";

QDateTime Stamp() {
    return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), QTimeZone::utc());
}

DayChanges MarchChanges(std::initializer_list<std::pair<int, DayChange>> days) {
    DayChanges changes;
    for (const auto& [day, change] : days)
        changes[QDate(2027, 3, day)] = change;
    return changes;
}

const DutyHours kDay{QTime(7, 0), QTime(7, 0)};
const DutyHours kNight{QTime(19, 0), QTime(7, 0)};
const Reminder kNoReminder;
const Reminder kHourBefore{Reminder::Kind::Before, 60, {}};
const Reminder kQuarterBefore{Reminder::Kind::Before, 15, {}};
const Reminder kEveningAt19{Reminder::Kind::EveningBefore, 0, QTime(19, 0)};

using OptionalHours = std::optional<DutyHours>;

} // namespace

Q_DECLARE_METATYPE(OptionalHours)
Q_DECLARE_METATYPE(Reminder)

// 5 TFS, read off the pattern table from its anchor Monday 2014-01-06: in March 2027 it works
// the 2nd to 4th, 9th to 11th, 15th and 16th, 21st to 23rd and 28th to 30th. The clocks go
// forward in Berlin on Sunday 28 March 2027 at 02:00 (CET +01:00 to CEST +02:00) and in New
// York on Sunday 14 March at 02:00 (EST -05:00 to EDT -04:00).
class TestIcalTimed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* zone : {"Europe/Berlin", "America/New_York"})
            if (!QTimeZone(zone).isValid())
                QSKIP("the system has no time zone data (Debian's tzdata)");
    }

    void timedEvents_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<OptionalHours>("hours");
        QTest::addColumn<Reminder>("reminder");
        QTest::addColumn<DayChanges>("changes");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("all day, no reminder: dates as before")
            << QByteArray("Europe/Berlin") << OptionalHours() << kNoReminder << DayChanges()
            << QDate(2027, 3, 1) << QDate(2027, 3, 8)
            << QStringList{"20270302 20270302 20270305 day-day"};
        QTest::newRow("all day, an hour before: at 23:00 the day before")
            << QByteArray("Europe/Berlin") << OptionalHours() << kHourBefore << DayChanges()
            << QDate(2027, 3, 1) << QDate(2027, 3, 8)
            << QStringList{"20270302 20270302 20270305 day-day alarm -PT1H On duty (5 TFS)"};
        QTest::newRow("all day, the evening before at 19:00: five hours before midnight")
            << QByteArray("UTC") << OptionalHours() << kEveningAt19 << DayChanges()
            << QDate(2027, 3, 1) << QDate(2027, 3, 8)
            << QStringList{"20270302 20270302 20270305 day-day alarm -PT5H On duty (5 TFS)"};
        QTest::newRow("Berlin 07:00 for 24 hours: a run is one event, in CET")
            << QByteArray("Europe/Berlin") << OptionalHours(kDay) << kNoReminder << DayChanges()
            << QDate(2027, 3, 21) << QDate(2027, 3, 23)
            << QStringList{"20270321 20270321T070000;Europe/Berlin 20270324T070000;Europe/Berlin "
                           "06:00Z-06:00Z"};
        QTest::newRow("Berlin 07:00 for 24 hours: the run across the spring change, 71 hours")
            << QByteArray("Europe/Berlin") << OptionalHours(kDay) << kNoReminder << DayChanges()
            << QDate(2027, 3, 27) << QDate(2027, 3, 31)
            << QStringList{"20270328 20270328T070000;Europe/Berlin 20270331T070000;Europe/Berlin "
                           "05:00Z-05:00Z"};
        QTest::newRow("New York 19:00 to 07:00: each night an event, from the 15th in EDT")
            << QByteArray("America/New_York") << OptionalHours(kNight) << kNoReminder
            << DayChanges() << QDate(2027, 3, 9) << QDate(2027, 3, 16)
            << QStringList{
                   "20270309 20270309T190000;America/New_York 20270310T070000;America/New_York "
                   "00:00Z-12:00Z",
                   "day-20270310 20270310T190000;America/New_York "
                   "20270311T070000;America/New_York 00:00Z-12:00Z",
                   "day-20270311 20270311T190000;America/New_York "
                   "20270312T070000;America/New_York 00:00Z-12:00Z",
                   "20270315 20270315T190000;America/New_York 20270316T070000;America/New_York "
                   "23:00Z-11:00Z",
                   "day-20270316 20270316T190000;America/New_York "
                   "20270317T070000;America/New_York 23:00Z-11:00Z"};
        QTest::newRow("UTC: times in UTC, no zone named")
            << QByteArray("UTC") << OptionalHours(kDay) << kNoReminder << DayChanges()
            << QDate(2027, 3, 1) << QDate(2027, 3, 8)
            << QStringList{"20270302 20270302T070000Z 20270305T070000Z 07:00Z-07:00Z"};
        QTest::newRow("leave in a run cuts it; a note on a day off stays all day, no alarm")
            << QByteArray("Europe/Berlin") << OptionalHours(kDay) << kHourBefore
            << MarchChanges({{10, {DayChangeKind::Leave, {}}},
                             {13, {DayChangeKind::AsRostered, "Call Anna"}}})
            << QDate(2027, 3, 9) << QDate(2027, 3, 13)
            << QStringList{"20270309 20270309T070000;Europe/Berlin 20270310T070000;Europe/Berlin "
                           "06:00Z-06:00Z alarm -PT1H On duty (5 TFS)",
                           "part2-20270309 20270311T070000;Europe/Berlin "
                           "20270312T070000;Europe/Berlin 06:00Z-06:00Z alarm -PT1H On duty (5 TFS)",
                           "note-20270313 20270313 20270314 day-day"};
        QTest::newRow("extra duty has an alarm: 15 minutes")
            << QByteArray("Europe/Berlin") << OptionalHours(kDay) << kQuarterBefore
            << MarchChanges({{6, {DayChangeKind::ExtraDuty, {}}}}) << QDate(2027, 3, 6)
            << QDate(2027, 3, 6)
            << QStringList{"extra-20270305 20270306T070000;Europe/Berlin "
                           "20270307T070000;Europe/Berlin 06:00Z-06:00Z alarm -PT15M Extra duty "
                           "(5 TFS)"};
        QTest::newRow("the evening before at 19:00 across the spring change: 11 hours")
            << QByteArray("Europe/Berlin") << OptionalHours(kDay) << kEveningAt19 << DayChanges()
            << QDate(2027, 3, 21) << QDate(2027, 3, 30)
            << QStringList{"20270321 20270321T070000;Europe/Berlin 20270324T070000;Europe/Berlin "
                           "06:00Z-06:00Z alarm -PT12H On duty (5 TFS)",
                           "20270328 20270328T070000;Europe/Berlin 20270331T070000;Europe/Berlin "
                           "05:00Z-05:00Z alarm -PT11H On duty (5 TFS)"};
        QTest::newRow("a night, the evening before at 19:00: a whole day before")
            << QByteArray("America/New_York") << OptionalHours(kNight) << kEveningAt19
            << DayChanges() << QDate(2027, 3, 2) << QDate(2027, 3, 2)
            << QStringList{
                   "20270302 20270302T190000;America/New_York 20270303T070000;America/New_York "
                   "00:00Z-12:00Z alarm -PT24H On duty (5 TFS)",
                   "day-20270303 20270303T190000;America/New_York "
                   "20270304T070000;America/New_York 00:00Z-12:00Z alarm -PT24H On duty (5 TFS)",
                   "day-20270304 20270304T190000;America/New_York "
                   "20270305T070000;America/New_York 00:00Z-12:00Z alarm -PT24H On duty (5 TFS)"};
    }
    void timedEvents() {
        QFETCH(QByteArray, zone);
        QFETCH(OptionalHours, hours);
        QFETCH(Reminder, reminder);
        QFETCH(DayChanges, changes);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, events);
        const QByteArray ics =
            DutyCalendarIcs("5 TFS", first, last, Stamp(), changes, {},
                            {hours, zone == "UTC" ? QTimeZone::utc() : QTimeZone(zone), reminder})
                .ics;
        QCOMPARE(Events(ics, k5Tfs), events);
    }
};

QTEST_APPLESS_MAIN(TestIcalTimed)
#include "test_ical_timed.moc"
