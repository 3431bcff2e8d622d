#include "calendar/ical_export.h"
#include "calendar/ical_reader.h"

#include "schedule/day_changes.h"
#include "schedule/holidays.h"
#include "schedule/rotation.h"

#include <QMap>
#include <QTest>
#include <QTimeZone>
#include <set>

using namespace dutyloop;

namespace {

// What the export writes, checked line by line for the form calendar programs need (CRLF,
// 75 octets, UTF-8), then read by the program's one iCalendar reader, and each event checked for
// what it must have.

// "20240506T070809Z", as the file writes a moment in UTC.
QByteArray UtcText(const QDateTime& moment) {
    return moment.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'").toLatin1();
}

// "20140304-20140306": the days of an all-day event, as its DTSTART and DTEND have them.
QString Span(const IcalEvent& event) {
    return event.start.date.toString(u"yyyyMMdd") + u'-' + event.end.date.toString(u"yyyyMMdd");
}

// An empty string when every physical line is as it must be; else what is wrong with one.
QString LineErrors(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n"))
        return QStringLiteral("the last line has no CRLF");
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype crlf = bytes.indexOf("\r\n", from);
        const QByteArray line = bytes.mid(from, crlf - from);
        if (from == 0 && (line.startsWith(' ') || line.startsWith('\t')))
            return QStringLiteral("the first line is a continuation");
        from = crlf + 2;
        if (line.contains('\r') || line.contains('\n'))
            return QStringLiteral("a CR or LF without the other: ") + QString::fromUtf8(line);
        if (line.size() > 75)
            return QStringLiteral("%1 octets in: ").arg(line.size()) + QString::fromUtf8(line);
        if (QString::fromUtf8(line).toUtf8() != line)
            return QStringLiteral("a line that is no UTF-8 by itself: ") + QString::fromUtf8(line);
        if (line.isEmpty())
            return QStringLiteral("an empty line");
    }
    return {};
}

// An empty string when the all-day event has what every exported event has; else what it lacks.
QString EventErrors(const IcalEvent& event) {
    if (event.uid.isEmpty() || event.summary.isEmpty())
        return QStringLiteral("no UID or SUMMARY");
    if (!event.stamp.isValid() || !event.lastModified.isValid())
        return QStringLiteral("DTSTAMP or LAST-MODIFIED missing or not in UTC: ") + event.uid;
    if (event.sequence < 0 || event.sequence > 2147483647)
        return QStringLiteral("bad SEQUENCE %1").arg(event.sequence);
    if (event.status == IcalStatus::None)
        return QStringLiteral("no STATUS of CONFIRMED or CANCELLED: ") + event.uid;
    if (event.start.time.isValid() || event.end.time.isValid())
        return QStringLiteral("a time where a date was due: ") + event.uid;
    if (!event.start.date.isValid() || !(event.end.date > event.start.date))
        return QStringLiteral("bad dates ") + Span(event);
    return {};
}

QString ReadCalendar(const QByteArray& bytes, IcalCalendar& calendar) {
    if (const QString error = LineErrors(bytes); !error.isEmpty())
        return error;
    calendar = IcalCalendarFromText(bytes);
    for (const IcalEvent& event : calendar.events) {
        if (const QString error = EventErrors(event); !error.isEmpty())
            return error;
    }
    return {};
}

QDateTime Stamp() {
    return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), QTimeZone::utc());
}

QStringList Runs(const IcalCalendar& calendar) {
    QStringList runs;
    for (const IcalEvent& event : calendar.events)
        runs.append(Span(event));
    return runs;
}

QByteArrayList Uids(const IcalCalendar& calendar) {
    QByteArrayList uids;
    for (const IcalEvent& event : calendar.events)
        uids.append(event.uid);
    return uids;
}

// "<UID before the crew> <DTSTART>-<DTEND> <SUMMARY>", and " CANCELLED" after a cancelled one.
QStringList Described(const IcalCalendar& calendar, const QByteArray& uidSuffix) {
    QStringList events;
    for (const IcalEvent& event : calendar.events) {
        QString line = QString::fromLatin1(event.uid.chopped(uidSuffix.size()) + ' ') +
                       Span(event) + u' ' + event.summary;
        if (!event.uid.endsWith(uidSuffix))
            line = QStringLiteral("<foreign UID> ") + QString::fromLatin1(event.uid);
        if (event.status == IcalStatus::Cancelled)
            line += QStringLiteral(" CANCELLED");
        events << line;
    }
    return events;
}

const QByteArray k5Tfs = "-5-tfs@dutyloop.halvorne.example";

DayChanges Changes(std::initializer_list<std::pair<int, DayChange>> marchDays) {
    DayChanges changes;
    for (const auto& [day, change] : marchDays)
        changes[QDate(2027, 3, day)] = change;
    return changes;
}
const DayChange kLeave{DayChangeKind::Leave, {}};
const DayChange kSick{DayChangeKind::Sick, {}};
const DayChange kExtra{DayChangeKind::ExtraDuty, {}};

// The export a day after Stamp(), over the one at Stamp(): an event kept from it has that
// export's SEQUENCE, 12804908 (see wholeFile), and LAST-MODIFIED; one raised has the stamp of
// the day after and its SEQUENCE, 1440 minutes more.
QDateTime NextDay() {
    return Stamp().addDays(1);
}
QString Version(const IcalEvent& event) {
    const QByteArray lastModified = UtcText(event.lastModified);
    if (event.sequence == 12806348 && lastModified == "20240507T070809Z")
        return QStringLiteral("raised");
    if (event.sequence == 12804908 && lastModified == "20240506T070809Z")
        return QStringLiteral("kept");
    return QStringLiteral("SEQUENCE %1 at %2")
        .arg(event.sequence)
        .arg(QString::fromLatin1(lastModified));
}
QStringList Versioned(const IcalCalendar& calendar, const QByteArray& uidSuffix) {
    QStringList events = Described(calendar, uidSuffix);
    for (qsizetype i = 0; i < events.size(); ++i)
        events[i] += u' ' + Version(calendar.events[i]);
    return events;
}

// An event as an earlier export, or another program, may have written it.
QByteArray Vevent(const QByteArray& uid, const QByteArray& start, const QByteArray& end,
                  const QByteArray& summary, const QByteArray& more = {}) {
    return "BEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:" + start +
           "\r\nDTEND;VALUE=DATE:" + end + "\r\nSUMMARY:" + summary + "\r\n" + more +
           "END:VEVENT\r\n";
}
QByteArray CalendarOf(const QByteArray& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Someone//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

#define READ_CALENDAR(bytes, calendar)                                                             \
    do {                                                                                           \
        const QString readError = ReadCalendar((bytes), (calendar));                               \
        QVERIFY2(readError.isEmpty(), qPrintable(readError));                                      \
    } while (false)

} // namespace

class TestIcalExport : public QObject {
    Q_OBJECT
private slots:
    // Expected runs read off the pattern table by hand, weeks counted from the anchor Monday:
    // block 1 works Mon-Wed, block 2 Mon, Sat and Sun, block 3 Thu-Sat, block 4 Tue-Thu, block 5
    // Mon, Tue and Sun. 2 MTW is in block 1 from 2014-03-03, 3 TWT in block 4 (from block 3).
    void runsOfWorkDays_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QStringList>("runs"); // DTSTART-DTEND
        QTest::newRow("2 MTW March 2014: not the anchor Monday, the 31st a run of its own")
            << "2 MTW" << QDate(2014, 3, 1) << QDate(2014, 3, 31)
            << QStringList{"20140304-20140306", "20140310-20140313", "20140317-20140320",
                           "20140324-20140327", "20140331-20140401"};
        QTest::newRow("2 MTW April 2014: Sat-Mon runs across the weeks, Sat-Sun at block end")
            << "2 MTW" << QDate(2014, 4, 1) << QDate(2014, 4, 30)
            << QStringList{"20140405-20140408", "20140412-20140415", "20140419-20140422",
                           "20140426-20140428"};
        QTest::newRow("3 TWT March-April 2014: the run into Sat 1 March whole, from Thu 27 "
                      "February; the run across the month end one event")
            << "3 TWT" << QDate(2014, 3, 1) << QDate(2014, 4, 30)
            << QStringList{"20140227-20140302", "20140304-20140307", "20140311-20140314",
                           "20140318-20140321", "20140325-20140328", "20140331-20140402",
                           "20140406-20140409", "20140413-20140416", "20140420-20140423",
                           "20140427-20140428"};
        QTest::newRow("3 TWT April 2014: the run from 31 March whole")
            << "3 TWT" << QDate(2014, 4, 1) << QDate(2014, 4, 8)
            << QStringList{"20140331-20140402", "20140406-20140409"};
        QTest::newRow("one day inside a run gives the whole run")
            << "2 MTW" << QDate(2014, 3, 11) << QDate(2014, 3, 11)
            << QStringList{"20140310-20140313"};
        QTest::newRow("one day off")
            << "2 MTW" << QDate(2014, 3, 13) << QDate(2014, 3, 13) << QStringList{};
        QTest::newRow("the range the wrong way round")
            << "2 MTW" << QDate(2014, 3, 31) << QDate(2014, 3, 1) << QStringList{};
        QTest::newRow("Tornvale: no duty days")
            << "Tornvale" << QDate(2014, 3, 1) << QDate(2015, 2, 28) << QStringList{};
    }
    void runsOfWorkDays() {
        QFETCH(QString, assignment);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, runs);
        IcalCalendar calendar;
        READ_CALENDAR(DutyCalendarIcs(assignment, first, last, Stamp()).ics, calendar);
        QCOMPARE(Runs(calendar), runs);
        for (const IcalEvent& event : calendar.events)
            QCOMPARE(event.summary, QStringLiteral("On duty (") + assignment + u')');
    }

    // The rotation as the oracle for the file's form: every work day of the range, with the
    // rest of each run that crosses an end of it, in exactly one event, nothing else, and runs
    // whole.
    void workDaysMatchTheRotation_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QDate>("firstOfMonth");
        QTest::addColumn<int>("months");
        for (const char* crew : {"1 SMT", "2 MTW", "3 TWT", "4 WTF", "5 TFS", "6 FSS", "7 SSM"})
            QTest::addRow("%s, a year from March 2014", crew) << crew << QDate(2014, 3, 1) << 12;
        QTest::newRow("5 TFS, ten years") << "5 TFS" << QDate(2026, 1, 1) << 120;
        QTest::newRow("6 FSS over a leap February") << "6 FSS" << QDate(2024, 2, 1) << 1;
        QTest::newRow("Tornvale, its rotation starting on 2101-01-01")
            << "Tornvale" << QDate(2100, 12, 1) << 2;
    }
    void workDaysMatchTheRotation() {
        QFETCH(QString, assignment);
        QFETCH(QDate, firstOfMonth);
        QFETCH(int, months);
        const DayRange range = DutyCalendarRange(firstOfMonth, months);
        IcalCalendar calendar;
        READ_CALENDAR(DutyCalendarIcs(assignment, range.first, range.last, Stamp()).ics, calendar);

        const QDate anchor = AnchorForAssignment(assignment);
        const auto works = [anchor](QDate day) {
            return DutyCodeFor(day, anchor) == DutyCode::Work;
        };
        std::set<QDate> expected;
        for (QDate day = range.first; day <= range.last; day = day.addDays(1))
            if (works(day))
                expected.insert(day);
        for (QDate day = range.first.addDays(-1); works(range.first) && works(day);
             day = day.addDays(-1))
            expected.insert(day);
        for (QDate day = range.last.addDays(1); works(range.last) && works(day);
             day = day.addDays(1))
            expected.insert(day);
        std::set<QDate> exported;
        QSet<QByteArray> uids;
        for (qsizetype i = 0; i < calendar.events.size(); ++i) {
            const IcalEvent& event = calendar.events[i];
            QCOMPARE(UtcText(event.stamp), QByteArray("20240506T070809Z"));
            uids.insert(event.uid);
            for (QDate day = event.start.date; day < event.end.date; day = day.addDays(1))
                QVERIFY2(exported.insert(day).second, "a day in two events");
            // An event that ends where the next begins is one run written as two.
            if (i > 0)
                QVERIFY(calendar.events[i - 1].end.date < event.start.date);
        }
        QCOMPARE(exported, expected);
        QCOMPARE(uids.size(), calendar.events.size());
    }

    void monthRange_data() {
        QTest::addColumn<QDate>("firstOfMonth");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("one month")
            << QDate(2014, 3, 1) << 1 << QDate(2014, 3, 1) << QDate(2014, 3, 31);
        QTest::newRow("a year into the next one")
            << QDate(2014, 3, 1) << 12 << QDate(2014, 3, 1) << QDate(2015, 2, 28);
        QTest::newRow("ending in a leap February")
            << QDate(2023, 12, 1) << 3 << QDate(2023, 12, 1) << QDate(2024, 2, 29);
        QTest::newRow("ending in December")
            << QDate(2024, 1, 1) << 12 << QDate(2024, 1, 1) << QDate(2024, 12, 31);
        QTest::newRow("120 months")
            << QDate(2014, 3, 1) << 120 << QDate(2014, 3, 1) << QDate(2024, 2, 29);
        QTest::newRow("a day within the month starts at its 1st")
            << QDate(2014, 3, 17) << 1 << QDate(2014, 3, 1) << QDate(2014, 3, 31);
        QTest::newRow("no months gives one")
            << QDate(2014, 3, 1) << 0 << QDate(2014, 3, 1) << QDate(2014, 3, 31);
        QTest::newRow("more than 120 gives 120")
            << QDate(2014, 3, 1) << 500 << QDate(2014, 3, 1) << QDate(2024, 2, 29);
    }
    void monthRange() {
        QFETCH(QDate, firstOfMonth);
        QFETCH(int, months);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const DayRange range = DutyCalendarRange(firstOfMonth, months);
        QCOMPARE(range.first, first);
        QCOMPARE(range.last, last);
    }

    // The whole of a small file, with a stamp given in another zone: DTSTAMP is in UTC. The one
    // day of the range is the first of a run of two, which is written whole. Without an earlier
    // file the event is new: SEQUENCE is the minutes from 2000-01-01 00:00 UTC to the stamp,
    // 8892 days (24 years with 6 leap days, then 126 days of 2024) and 428 minutes.
    void wholeFile() {
        const QDateTime stamp(QDate(2024, 5, 6), QTime(9, 8, 9), QTimeZone(2 * 3600));
        QCOMPARE(
            DutyCalendarIcs(QStringLiteral("2 MTW"), QDate(2014, 3, 4), QDate(2014, 3, 4), stamp)
                .ics,
            QByteArray("BEGIN:VCALENDAR\r\n"
                       "VERSION:2.0\r\n"
                       "PRODID:-//Halvorne//Dutyloop//EN\r\n"
                       "CALSCALE:GREGORIAN\r\n"
                       "METHOD:PUBLISH\r\n"
                       "X-WR-CALNAME:Dutyloop 2 MTW\r\n"
                       "BEGIN:VEVENT\r\n"
                       "UID:20140304-2-mtw@dutyloop.halvorne.example\r\n"
                       "DTSTAMP:20240506T070809Z\r\n"
                       "SEQUENCE:12804908\r\n"
                       "LAST-MODIFIED:20240506T070809Z\r\n"
                       "DTSTART;VALUE=DATE:20140304\r\n"
                       "DTEND;VALUE=DATE:20140306\r\n"
                       "SUMMARY:On duty (2 MTW)\r\n"
                       "TRANSP:OPAQUE\r\n"
                       "STATUS:CONFIRMED\r\n"
                       "END:VEVENT\r\n"
                       "END:VCALENDAR\r\n"));
    }

    // Importing again must update the events, never add a second copy.
    void uidsStayTheSameAcrossExports() {
        const QDateTime later = Stamp().addDays(40);
        IcalCalendar first;
        IcalCalendar again;
        IcalCalendar otherCrew;
        READ_CALENDAR(DutyCalendarIcs("2 MTW", QDate(2014, 3, 1), QDate(2014, 6, 30), Stamp()).ics,
                      first);
        READ_CALENDAR(DutyCalendarIcs("2 MTW", QDate(2014, 3, 1), QDate(2014, 6, 30), later).ics,
                      again);
        READ_CALENDAR(DutyCalendarIcs("3 TWT", QDate(2014, 3, 1), QDate(2014, 6, 30), Stamp()).ics,
                      otherCrew);
        QVERIFY(!first.events.isEmpty());
        QCOMPARE(Uids(again), Uids(first));
        QCOMPARE_NE(again.events.front().stamp, first.events.front().stamp);
        const QByteArrayList mine = Uids(first);
        for (const QByteArray& uid : Uids(otherCrew))
            QVERIFY2(!mine.contains(uid), uid.constData());
    }

    // Exports of different ranges, imported one after the other: a calendar program keeps one
    // event per UID, the later import replacing the earlier. No day may then show twice, and
    // the run across the ends of the ranges is the same event in both.
    void aRunIsOneEventWhateverTheRange_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<DayRange>("first");
        QTest::addColumn<DayRange>("second");
        QTest::addColumn<QByteArray>("run"); // DTSTART-DTEND of the run across the ends
        QTest::newRow("3 TWT, January 2024, then February")
            << "3 TWT" << DayRange{QDate(2024, 1, 1), QDate(2024, 1, 31)}
            << DayRange{QDate(2024, 2, 1), QDate(2024, 2, 29)} << QByteArray("20240131-20240203");
        QTest::newRow("3 TWT, March 2014, then March and April")
            << "3 TWT" << DayRange{QDate(2014, 3, 1), QDate(2014, 3, 31)}
            << DayRange{QDate(2014, 3, 1), QDate(2014, 4, 30)} << QByteArray("20140331-20140402");
        QTest::newRow("3 TWT, March and April 2014, then April")
            << "3 TWT" << DayRange{QDate(2014, 3, 1), QDate(2014, 4, 30)}
            << DayRange{QDate(2014, 4, 1), QDate(2014, 4, 30)} << QByteArray("20140331-20140402");
        QTest::newRow("5 TFS, 2024, then from 2 January on")
            << "5 TFS" << DayRange{QDate(2024, 1, 1), QDate(2024, 12, 31)}
            << DayRange{QDate(2024, 1, 2), QDate(2024, 3, 31)} << QByteArray("20231231-20240103");
    }
    void aRunIsOneEventWhateverTheRange() {
        QFETCH(QString, assignment);
        QFETCH(DayRange, first);
        QFETCH(DayRange, second);
        QFETCH(QByteArray, run);
        IcalCalendar before;
        IcalCalendar after;
        READ_CALENDAR(DutyCalendarIcs(assignment, first.first, first.last, Stamp()).ics, before);
        READ_CALENDAR(DutyCalendarIcs(assignment, second.first, second.last, Stamp()).ics, after);
        QMap<QByteArray, IcalEvent> imported;
        for (const IcalCalendar* calendar : {&before, &after})
            for (const IcalEvent& event : calendar->events)
                imported.insert(event.uid, event);
        std::set<QDate> days;
        for (const IcalEvent& event : imported)
            for (QDate day = event.start.date; day < event.end.date; day = day.addDays(1))
                QVERIFY2(days.insert(day).second,
                         qPrintable(day.toString(Qt::ISODate) + " shows twice"));

        const auto uidOfRun = [&run](const IcalCalendar& calendar) {
            for (const IcalEvent& event : calendar.events)
                if (Span(event) == QString::fromLatin1(run))
                    return event.uid;
            return QByteArray("<no such event>");
        };
        QCOMPARE(uidOfRun(after), uidOfRun(before));
        QVERIFY(uidOfRun(before).startsWith(run.left(8) + '-'));
    }

    void textIsEscapedAndFolded_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QString>("shown");   // the assignment as a reader gets it back
        QTest::addColumn<QString>("written"); // as the SUMMARY's value holds it, lines unfolded
        const auto row = [](const char* name, const QString& assignment, const QString& shown,
                            const QString& written) {
            QTest::newRow(name) << assignment << shown << written;
        };
        const auto same = [&row](const char* name, const QString& assignment) {
            row(name, assignment, assignment, assignment);
        };
        row("comma and semicolon", QStringLiteral("2 MTW, nights; days"),
            QStringLiteral("2 MTW, nights; days"), QStringLiteral("2 MTW\\, nights\\; days"));
        row("backslash", QStringLiteral("2 C:\\duty\\n"), QStringLiteral("2 C:\\duty\\n"),
            QStringLiteral("2 C:\\\\duty\\\\n"));
        row("line breaks LF, CR and CRLF", QStringLiteral("2 a\nb\rc\r\nd"),
            QStringLiteral("2 a\nb\nc\nd"), QStringLiteral("2 a\\nb\\nc\\nd"));
        row("other control characters left out",
            QStringLiteral("2 a\tb\x01"
                           "c\x7f"),
            QStringLiteral("2 a\tbc"), QStringLiteral("2 a\tbc"));
        same("a long name", QStringLiteral("2 ") + QString(200, u'x'));
        same("two-octet characters", QStringLiteral("2 ") + QString(100, QChar(0xE9)));
        same("three-octet characters", QStringLiteral("2 ") + QString(60, QChar(0x20AC)));
        same("four-octet characters", QStringLiteral("2 ") + QString::fromUtf8("𝄞").repeated(40));
        row("all kinds, escapes among them",
            QStringLiteral("2 ") + QString::fromUtf8("Ærø, Måløy; €𝄞 \\ x").repeated(9),
            QStringLiteral("2 ") + QString::fromUtf8("Ærø, Måløy; €𝄞 \\ x").repeated(9),
            QStringLiteral("2 ") + QString::fromUtf8("Ærø\\, Måløy\\; €𝄞 \\\\ x").repeated(9));
    }
    void textIsEscapedAndFolded() {
        QFETCH(QString, assignment);
        QFETCH(QString, shown);
        QFETCH(QString, written);
        const QByteArray ics =
            DutyCalendarIcs(assignment, QDate(2014, 3, 1), QDate(2014, 3, 31), Stamp()).ics;
        IcalCalendar calendar;
        READ_CALENDAR(ics, calendar);
        QCOMPARE(calendar.name, QStringLiteral("Dutyloop ") + shown);
        QCOMPARE(calendar.events.size(), 5); // the assignment's digit gives 2 MTW's rotation
        for (const IcalEvent& event : calendar.events)
            QCOMPARE(event.summary, QStringLiteral("On duty (") + shown + u')');
        const QByteArray unfolded = QByteArray(ics).replace("\r\n ", "");
        QVERIFY(unfolded.contains("\r\nSUMMARY:On duty (" + written.toUtf8() + ")\r\n"));
    }

    // 3 TWT in September 2023, read off the pattern table from its anchor Monday 2013-12-09:
    // work on the 9th to 11th, 16th to 18th and 23rd to 25th. The changes: leave in the middle
    // of the first run, extra duty the day after it, a note on the second run's first day and
    // sickness on its last, a note on an off day, and leave with a note in the third run. A
    // run's pieces are named by the run's first day, extra duty by the first of the days off
    // from the 12th to the 15th.
    void dayChangesInTheRuns() {
        const DayChanges changes{
            {QDate(2023, 9, 10), {DayChangeKind::Leave, {}}},
            {QDate(2023, 9, 12), {DayChangeKind::ExtraDuty, "Cover for Ben"}},
            {QDate(2023, 9, 16), {DayChangeKind::AsRostered, "Training, room 4"}},
            {QDate(2023, 9, 18), {DayChangeKind::Sick, {}}},
            {QDate(2023, 9, 20), {DayChangeKind::AsRostered, "Call Anna"}},
            {QDate(2023, 9, 24), {DayChangeKind::Leave, "Dentist at 10"}},
            // Does not fit an off day, so counts for nothing.
            {QDate(2023, 9, 13), {DayChangeKind::SwappedOff, {}}},
        };
        IcalCalendar calendar;
        READ_CALENDAR(
            DutyCalendarIcs("3 TWT", QDate(2023, 9, 8), QDate(2023, 9, 26), Stamp(), changes).ics,
            calendar);
        QStringList events;
        for (const IcalEvent& event : calendar.events)
            events << QString::fromLatin1(event.uid + ' ') + Span(event) +
                          QString::fromLatin1(event.busy ? " OPAQUE " : " TRANSPARENT ") +
                          event.summary + u'|' + event.description;
        const QStringList expected{
            "20230909-3-twt@dutyloop.halvorne.example 20230909-20230910 OPAQUE On duty (3 TWT)|",
            "part2-20230909-3-twt@dutyloop.halvorne.example 20230911-20230912 OPAQUE "
            "On duty (3 TWT)|",
            "extra-20230912-3-twt@dutyloop.halvorne.example 20230912-20230913 OPAQUE "
            "Extra duty (3 TWT)|Cover for Ben",
            "20230916-3-twt@dutyloop.halvorne.example 20230916-20230918 OPAQUE On duty (3 TWT)|"
            "2023-09-16: Training, room 4",
            "note-20230920-3-twt@dutyloop.halvorne.example 20230920-20230921 TRANSPARENT "
            "Call Anna|",
            "20230923-3-twt@dutyloop.halvorne.example 20230923-20230924 OPAQUE On duty (3 TWT)|",
            "note-20230924-3-twt@dutyloop.halvorne.example 20230924-20230925 TRANSPARENT "
            "Leave: Dentist at 10|",
            "part2-20230923-3-twt@dutyloop.halvorne.example 20230925-20230926 OPAQUE "
            "On duty (3 TWT)|",
        };
        QCOMPARE(events, expected);

        // A run no change touches keeps the event it had without changes.
        IcalCalendar plain;
        READ_CALENDAR(DutyCalendarIcs("3 TWT", QDate(2023, 9, 8), QDate(2023, 9, 26), Stamp()).ics,
                      plain);
        QCOMPARE(Runs(plain),
                 QStringList({"20230909-20230912", "20230916-20230919", "20230923-20230926"}));
        QCOMPARE(Uids(plain).first(), calendar.events.first().uid);
    }

    // 5 TFS is on duty on two of Berlin's holidays from March to May 2027, Easter Monday
    // (29 March) and Labour Day (Saturday 1 May); Good Friday, Ascension Day and Whit Monday it
    // has off. Each names the holiday in the description of the duty it falls in, before the
    // day's note, after the date where the duty has more days than one.
    void holidaysOnDutyInTheDescription() {
        const HolidayList holidays = HolidaysInYears(HolidayRegion::Berlin, 2027, 2027);
        const DayChanges changes{{QDate(2027, 5, 1), {DayChangeKind::AsRostered, "Parade"}}};
        IcalCalendar calendar;
        READ_CALENDAR(DutyCalendarIcs("5 TFS", QDate(2027, 3, 1), QDate(2027, 5, 31), Stamp(),
                                      changes, {}, {}, &holidays)
                          .ics,
                      calendar);
        const std::map<QDate, QStringList> expected{
            {QDate(2027, 3, 29), {"Public holiday: Easter Monday"}},
            {QDate(2027, 5, 1), {"Public holiday: Labour Day", "Parade"}}};
        QStringList descriptions;
        QStringList wanted;
        for (const IcalEvent& event : calendar.events) {
            const QDate first = event.start.date;
            const QDate end = event.end.date;
            if (!event.description.isEmpty())
                descriptions << event.description;
            QStringList lines;
            for (const auto& [day, dayLines] : expected) {
                if (day < first || day >= end)
                    continue;
                for (const QString& line : dayLines)
                    lines << (first.daysTo(end) > 1 ? day.toString(Qt::ISODate) + ": " + line
                                                    : line);
            }
            if (!lines.isEmpty())
                wanted << lines.join(u'\n');
        }
        QCOMPARE(wanted.size(), 2);
        QCOMPARE(descriptions, wanted);
    }

    // Extra duty next to the range still gives its whole run, and leave at a run's end
    // shortens the run that crosses into the range.
    void changedRunsCrossTheRangeWhole() {
        const DayChanges changes{{QDate(2023, 9, 12), {DayChangeKind::ExtraDuty, {}}},
                                 {QDate(2023, 9, 13), {DayChangeKind::ExtraDuty, {}}},
                                 {QDate(2023, 9, 9), {DayChangeKind::Leave, {}}}};
        IcalCalendar calendar;
        READ_CALENDAR(
            DutyCalendarIcs("3 TWT", QDate(2023, 9, 10), QDate(2023, 9, 13), Stamp(), changes).ics,
            calendar);
        QCOMPARE(Runs(calendar), QStringList({"20230910-20230912", "20230912-20230914"}));
    }

    // 5 TFS in March 2027, read off the pattern table from its anchor Monday 2014-01-06: work
    // on the 2nd to 4th and the 9th to 11th; days off from 26 February to 1 March and from the
    // 5th to the 8th. Exported from the 1st to the 11th, so with the days off before it.
    void uidsSurviveDayChanges_data() {
        QTest::addColumn<DayChanges>("changes");
        QTest::addColumn<QStringList>("events");
        const QString run2 = "20270302 20270302-20270305 On duty (5 TFS)";
        const QString run9 = "20270309 20270309-20270312 On duty (5 TFS)";
        QTest::newRow("no change") << DayChanges{} << QStringList{run2, run9};
        QTest::newRow("leave on a run's first day: the run keeps its UID")
            << Changes({{2, kLeave}})
            << QStringList{"20270302 20270303-20270305 On duty (5 TFS)", run9};
        QTest::newRow("sickness on its last day")
            << Changes({{4, kSick}})
            << QStringList{"20270302 20270302-20270304 On duty (5 TFS)", run9};
        QTest::newRow("leave in the middle: the second piece is part 2")
            << Changes({{3, kLeave}})
            << QStringList{"20270302 20270302-20270303 On duty (5 TFS)",
                           "part2-20270302 20270304-20270305 On duty (5 TFS)", run9};
        QTest::newRow("leave on the first two days: the rest is the first piece")
            << Changes({{2, kLeave}, {3, kLeave}})
            << QStringList{"20270302 20270304-20270305 On duty (5 TFS)", run9};
        QTest::newRow("the whole run on leave: no event")
            << Changes({{2, kLeave}, {3, kLeave}, {4, kLeave}}) << QStringList{run9};
        QTest::newRow("extra duty by the first of its days off")
            << Changes({{6, kExtra}})
            << QStringList{run2, "extra-20270305 20270306-20270307 Extra duty (5 TFS)", run9};
        QTest::newRow("extra duty beside a run is an event of its own")
            << Changes({{5, kExtra}})
            << QStringList{run2, "extra-20270305 20270305-20270306 Extra duty (5 TFS)", run9};
        QTest::newRow("two pieces of extra duty among the same days off")
            << Changes({{5, kExtra}, {7, kExtra}})
            << QStringList{run2, "extra-20270305 20270305-20270306 Extra duty (5 TFS)",
                           "extra-part2-20270305 20270307-20270308 Extra duty (5 TFS)", run9};
        QTest::newRow("extra duty in the days off the range starts in")
            << DayChanges{{QDate(2027, 2, 27), kExtra}}
            << QStringList{"extra-20270226 20270227-20270228 Extra duty (5 TFS)", run2, run9};
        QTest::newRow("a note on a day off by its date")
            << Changes({{6, {DayChangeKind::AsRostered, "Call Anna"}}})
            << QStringList{run2, "note-20270306 20270306-20270307 Call Anna", run9};
    }
    void uidsSurviveDayChanges() {
        QFETCH(DayChanges, changes);
        QFETCH(QStringList, events);
        IcalCalendar calendar;
        READ_CALENDAR(
            DutyCalendarIcs("5 TFS", QDate(2027, 3, 1), QDate(2027, 3, 11), Stamp(), changes).ics,
            calendar);
        QCOMPARE(Described(calendar, k5Tfs), events);
    }

    // The same days exported at Stamp() with the changes before, then a day later over that
    // file with the changes after: what is gone is cancelled with the days it had, and only
    // what changed has its SEQUENCE and LAST-MODIFIED raised.
    void reexportCancelsWhatIsGone_data() {
        QTest::addColumn<DayChanges>("before");
        QTest::addColumn<DayChanges>("after");
        QTest::addColumn<QStringList>("events");
        const QString run2 = "20270302 20270302-20270305 On duty (5 TFS) kept";
        const QString run9 = "20270309 20270309-20270312 On duty (5 TFS) kept";
        const DayChange anna{DayChangeKind::AsRostered, "Call Anna"};
        QTest::newRow("nothing changed, nothing raised")
            << DayChanges{} << DayChanges{} << QStringList{run2, run9};
        QTest::newRow("leave on a run's first day: the event moves")
            << DayChanges{} << Changes({{2, kLeave}})
            << QStringList{"20270302 20270303-20270305 On duty (5 TFS) raised", run9};
        QTest::newRow("leave taken back: the second piece cancelled")
            << Changes({{3, kLeave}}) << DayChanges{}
            << QStringList{"20270302 20270302-20270305 On duty (5 TFS) raised",
                           "part2-20270302 20270304-20270305 Cancelled: On duty (5 TFS) "
                           "CANCELLED raised",
                           run9};
        QTest::newRow("the whole run on leave: cancelled")
            << DayChanges{} << Changes({{2, kLeave}, {3, kLeave}, {4, kLeave}})
            << QStringList{"20270302 20270302-20270305 Cancelled: On duty (5 TFS) CANCELLED raised",
                           run9};
        QTest::newRow("extra duty on a noted day: the note cancelled")
            << Changes({{6, anna}}) << Changes({{6, {DayChangeKind::ExtraDuty, "Call Anna"}}})
            << QStringList{run2, "extra-20270305 20270306-20270307 Extra duty (5 TFS) raised",
                           "note-20270306 20270306-20270307 Cancelled: Call Anna CANCELLED raised",
                           run9};
        QTest::newRow("extra duty taken back: the note again, the extra duty cancelled")
            << Changes({{6, {DayChangeKind::ExtraDuty, "Call Anna"}}}) << Changes({{6, anna}})
            << QStringList{run2, "note-20270306 20270306-20270307 Call Anna raised",
                           "extra-20270305 20270306-20270307 Cancelled: Extra duty (5 TFS) "
                           "CANCELLED raised",
                           run9};
        QTest::newRow("a note taken away") << Changes({{6, anna}}) << DayChanges{}
                                           << QStringList{run2,
                                                          "note-20270306 20270306-20270307 "
                                                          "Cancelled: Call Anna CANCELLED raised",
                                                          run9};
        QTest::newRow("a note changed in the description of a run")
            << Changes({{3, anna}}) << Changes({{3, {DayChangeKind::AsRostered, "Call Ben"}}})
            << QStringList{"20270302 20270302-20270305 On duty (5 TFS) raised", run9};
    }
    void reexportCancelsWhatIsGone() {
        QFETCH(DayChanges, before);
        QFETCH(DayChanges, after);
        QFETCH(QStringList, events);
        const QDate first(2027, 3, 1);
        const QDate last(2027, 3, 11);
        const QByteArray earlier = DutyCalendarIcs("5 TFS", first, last, Stamp(), before).ics;
        const DutyCalendar again = DutyCalendarIcs("5 TFS", first, last, NextDay(), after, earlier);
        IcalCalendar calendar;
        READ_CALENDAR(again.ics, calendar);
        QCOMPARE(Versioned(calendar, k5Tfs), events);
        // What is cancelled is no duty period.
        QCOMPARE(again.dutyPeriods,
                 DutyCalendarIcs("5 TFS", first, last, NextDay(), after).dutyPeriods);
    }

    // SEQUENCE only grows: also where the clock was set back, and where the earlier file is
    // gone; and a cancellation stays in the next export as it was, for a calendar that missed
    // the one before.
    void sequenceOnlyGrows() {
        const QDate first(2027, 3, 1);
        const QDate last(2027, 3, 11);
        const QByteArray split =
            DutyCalendarIcs("5 TFS", first, last, Stamp(), Changes({{3, kLeave}})).ics;
        const QByteArray whole = DutyCalendarIcs("5 TFS", first, last, NextDay(), {}, split).ics;
        // An hour before the first export: 12804908 - 60 minutes.
        const QDateTime setBack = Stamp().addSecs(-3600);
        IcalCalendar late;
        READ_CALENDAR(
            DutyCalendarIcs("5 TFS", first, last, setBack, Changes({{2, kLeave}}), whole).ics,
            late);
        QCOMPARE(Described(late, k5Tfs),
                 QStringList({"20270302 20270303-20270305 On duty (5 TFS)",
                              "part2-20270302 20270304-20270305 Cancelled: On duty (5 TFS) "
                              "CANCELLED",
                              "20270309 20270309-20270312 On duty (5 TFS)"}));
        QCOMPARE(Version(late.events[0]), QStringLiteral("SEQUENCE 12806349 at 20240506T060809Z"));
        QCOMPARE(Version(late.events[1]), QStringLiteral("raised"));
        QCOMPARE(Version(late.events[2]), QStringLiteral("kept"));

        // Six weeks on, without the earlier file: 40 days and 1440 minutes each more, 12862508.
        IcalCalendar fresh;
        READ_CALENDAR(DutyCalendarIcs("5 TFS", first, last, Stamp().addDays(40)).ics, fresh);
        for (const IcalEvent& event : fresh.events)
            QCOMPARE(Version(event), QStringLiteral("SEQUENCE 12862508 at 20240615T070809Z"));
    }

    // The earlier file is read for this crew's events on the days the new one answers for, and
    // for nothing else.
    void earlierFileReadWithCare_data() {
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QStringList>("events");
        const QString run2 = "20270302 20270302-20270305 On duty (5 TFS) raised";
        const QString run9 = "20270309 20270309-20270312 On duty (5 TFS) raised";
        QTest::newRow("no calendar") << QByteArray("an older export") << QStringList{run2, run9};
        QTest::newRow("another crew's event")
            << CalendarOf(Vevent("20270302-3-twt@dutyloop.halvorne.example", "20270302", "20270305",
                                 "On duty (3 TWT)"))
            << QStringList{run2, run9};
        QTest::newRow("a crew whose name ends as this one's")
            << CalendarOf(Vevent("20270303-a-5-tfs@dutyloop.halvorne.example", "20270303",
                                 "20270305", "On duty (A 5 TFS)"))
            << QStringList{run2, run9};
        QTest::newRow("another program's event")
            << CalendarOf(
                   Vevent("20270303-5-tfs@elsewhere.example", "20270303", "20270305", "Dentist"))
            << QStringList{run2, run9};
        QTest::newRow("after the days answered for: left to the file of its range")
            << CalendarOf(Vevent("20270315-5-tfs@dutyloop.halvorne.example", "20270315", "20270317",
                                 "On duty (5 TFS)"))
            << QStringList{run2, run9};
        QTest::newRow("before the range, in the days off it starts in: cancelled")
            << CalendarOf(Vevent("extra-20270226-5-tfs@dutyloop.halvorne.example", "20270227",
                                 "20270228", "Extra duty (5 TFS)"))
            << QStringList{"extra-20270226 20270227-20270228 Cancelled: Extra duty (5 TFS) "
                           "CANCELLED raised",
                           run2, run9};
        QTest::newRow("an older Dutyloop's UID of a run cut short: cancelled")
            << CalendarOf(Vevent("20270303-5-tfs@dutyloop.halvorne.example", "20270303", "20270305",
                                 "On duty (5 TFS)"))
            << QStringList{run2,
                           "20270303 20270303-20270305 Cancelled: On duty (5 TFS) CANCELLED "
                           "raised",
                           run9};
        QTest::newRow("an event as it was, with lines ending in LF and folded: kept")
            << CalendarOf(Vevent("20270302-5-tfs@dutyloop.halv\r\n orne.example", "20270302",
                                 "20270305", "On duty (5 TFS)",
                                 "TRANSP:OPAQUE\r\nSTATUS:CONFIRMED\r\nSEQUENCE:5\r\n"
                                 "LAST-MODIFIED:20231224T180000Z\r\n"))
                   .replace("\r\n", "\n")
            << QStringList{"20270302 20270302-20270305 On duty (5 TFS) SEQUENCE 5 at "
                           "20231224T180000Z",
                           run9};
        QTest::newRow("an older Dutyloop's event as it was, with no STATUS: raised")
            << CalendarOf(Vevent("20270302-5-tfs@dutyloop.halvorne.example", "20270302", "20270305",
                                 "On duty (5 TFS)", "TRANSP:OPAQUE\r\n"))
            << QStringList{run2, run9};
    }
    void earlierFileReadWithCare() {
        QFETCH(QByteArray, earlier);
        QFETCH(QStringList, events);
        IcalCalendar calendar;
        READ_CALENDAR(
            DutyCalendarIcs("5 TFS", QDate(2027, 3, 1), QDate(2027, 3, 11), NextDay(), {}, earlier)
                .ics,
            calendar);
        QCOMPARE(Versioned(calendar, k5Tfs), events);
    }

    // Every physical line is checked above for its 75 octets; a long summary goes on in the
    // lines after its own.
    void longLinesAreFolded() {
        const QByteArray ics = DutyCalendarIcs(QStringLiteral("2 ") + QString(100, u'x'),
                                               QDate(2014, 3, 1), QDate(2014, 3, 31), Stamp())
                                   .ics;
        IcalCalendar calendar;
        READ_CALENDAR(ics, calendar);
        const QList<QByteArray> lines = ics.split('\n');
        qsizetype summary = 0;
        while (summary < lines.size() && !lines[summary].startsWith("SUMMARY:"))
            ++summary;
        QVERIFY(summary + 1 < lines.size());
        QVERIFY(lines[summary + 1].startsWith(' '));
    }
};

QTEST_APPLESS_MAIN(TestIcalExport)
#include "test_ical_export.moc"
