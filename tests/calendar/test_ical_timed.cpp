#include "calendar/ical_component.h"
#include "calendar/ical_export.h"

#include <QProcess>
#include <QTest>
#include <QTimeZone>

using namespace dutyloop;

namespace {

// The exported file read back by libical: each event as a line, its times as written and in
// UTC as libical converts them with the file's own VTIMEZONE, and its alarm.

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
    const IcalComponent calendar(icalparser_parse_string(ics.constData()));
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
                    (action && icalproperty_get_action(action) == ICAL_ACTION_DISPLAY ? "" : "?") +
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
        QTest::newRow("a zone libical has no data of: its VTIMEZONE from Qt's")
            << QByteArray("UTC+02:00") << OptionalHours(kDay) << kNoReminder << DayChanges()
            << QDate(2027, 3, 1) << QDate(2027, 3, 8)
            << QStringList{"20270302 20270302T070000;UTC+02:00 20270305T070000;UTC+02:00 "
                           "05:00Z-05:00Z"};
        QTest::newRow("leave in a run cuts it; a note on a day off stays all day, no alarm")
            << QByteArray("Europe/Berlin") << OptionalHours(kDay) << kHourBefore
            << MarchChanges({{10, {DayChangeKind::Leave, {}}},
                             {13, {DayChangeKind::AsRostered, "Call Anna"}}})
            << QDate(2027, 3, 9) << QDate(2027, 3, 13)
            << QStringList{
                   "20270309 20270309T070000;Europe/Berlin 20270310T070000;Europe/Berlin "
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

    // Each export is written over the one before, as the user exports to the same file: the
    // hours go from all day to 24 hours, to nights, back to 24 hours and the reminder comes
    // and goes. A run keeps its UID throughout; a night beyond a run's first comes with the
    // nights and is cancelled when they go; an event as it was keeps its SEQUENCE.
    void uidsAcrossChangesOfTheHours() {
        const QTimeZone berlin("Europe/Berlin");
        struct Step {
            const char* name;
            ExportTiming timing;
            QStringList events; // UID, status and whether SEQUENCE is kept
        };
        const QList<Step> steps{
            {"all day", {std::nullopt, berlin, {}}, {"20270302 new"}},
            {"24 hours", {kDay, berlin, {}}, {"20270302 raised"}},
            {"24 hours again", {kDay, berlin, {}}, {"20270302 kept"}},
            {"an hour's reminder", {kDay, berlin, kHourBefore}, {"20270302 raised"}},
            {"nights",
             {kNight, berlin, kHourBefore},
             {"20270302 raised", "day-20270303 new", "day-20270304 new"}},
            {"nights again",
             {kNight, berlin, kHourBefore},
             {"20270302 kept", "day-20270303 kept", "day-20270304 kept"}},
            {"24 hours, no reminder",
             {kDay, berlin, {}},
             {"20270302 raised", "day-20270303 CANCELLED raised", "day-20270304 CANCELLED raised"}},
            {"24 hours, no reminder again",
             {kDay, berlin, {}},
             {"20270302 kept", "day-20270303 CANCELLED kept", "day-20270304 CANCELLED kept"}},
        };
        QByteArray earlier;
        QDateTime stamp = Stamp();
        std::map<QByteArray, int> sequences;
        for (const Step& step : steps) {
            stamp = stamp.addSecs(3600);
            earlier = DutyCalendarIcs("5 TFS", QDate(2027, 3, 2), QDate(2027, 3, 4), stamp, {},
                                      earlier, step.timing)
                          .ics;
            const IcalComponent calendar(icalparser_parse_string(earlier.constData()));
            QVERIFY2(calendar, step.name);
            QStringList events;
            for (icalcomponent* event =
                     icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
                 event;
                 event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
                const QByteArray uid =
                    QByteArray(icalcomponent_get_uid(event)).chopped(k5Tfs.size());
                const int sequence = icalcomponent_get_sequence(event);
                const auto before = sequences.find(uid);
                QString line = QString::fromLatin1(uid);
                if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
                    line += QStringLiteral(" CANCELLED");
                line += before == sequences.end()    ? QStringLiteral(" new")
                        : before->second == sequence ? QStringLiteral(" kept")
                        : before->second < sequence  ? QStringLiteral(" raised")
                                                     : QStringLiteral(" lowered");
                sequences[uid] = sequence;
                events << line;
            }
            QVERIFY2(events == step.events, qPrintable(step.name + (": " + events.join(", "))));
        }
    }

    // Python's icalendar, as Debian ships it, reads the file: the times in their zone, the
    // alarm's trigger, and the note without one.
    void pythonIcalendarReadsTheFile() {
        const QString python = QStringLiteral("/usr/bin/python3");
        QProcess probe;
        probe.start(python, {"-c", "import icalendar"});
        if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
            probe.exitCode() != 0)
            QSKIP("Debian's python3-icalendar is not installed (in the Makefile's DEB_PACKAGES)");
        const QByteArray ics =
            DutyCalendarIcs("5 TFS", QDate(2027, 3, 27), QDate(2027, 3, 28), Stamp(),
                            MarchChanges({{27, {DayChangeKind::AsRostered, "Call Anna"}}}), {},
                            {kNight, QTimeZone("Europe/Berlin"), kEveningAt19})
                .ics;
        const char* script = R"(
import sys, icalendar
calendar = icalendar.Calendar.from_ical(sys.stdin.buffer.read())
for event in calendar.walk('VEVENT'):
    start, end = event.decoded('DTSTART'), event.decoded('DTEND')
    alarms = [str(alarm.decoded('TRIGGER')) for alarm in event.walk('VALARM')]
    print(start.isoformat(), end.isoformat(), getattr(start, 'tzinfo', None) and
          start.tzinfo.utcoffset(start), event['SUMMARY'], *alarms)
)";
        QProcess process;
        process.start(python, {"-c", script});
        process.write(ics);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        const QStringList lines =
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        // The night from the 28th, after the clocks went forward that morning, is in CEST: its
        // evening before, 19:00 on the 27th in CET, is 23 hours before it ("-1 day, 1:00:00");
        // for the nights after, 24 hours. The note has no alarm.
        QCOMPARE(lines,
                 (QStringList{
                     "2027-03-27 2027-03-28 None Call Anna",
                     "2027-03-28T19:00:00+02:00 2027-03-29T07:00:00+02:00 2:00:00 On duty (5 TFS) "
                     "-1 day, 1:00:00",
                     "2027-03-29T19:00:00+02:00 2027-03-30T07:00:00+02:00 2:00:00 On duty (5 TFS) "
                     "-1 day, 0:00:00",
                     "2027-03-30T19:00:00+02:00 2027-03-31T07:00:00+02:00 2:00:00 On duty (5 TFS) "
                     "-1 day, 0:00:00"}));
    }
};

QTEST_APPLESS_MAIN(TestIcalTimed)
#include "test_ical_timed.moc"
