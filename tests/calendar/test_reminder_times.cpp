// When the reminders of 5 TFS's duties fall due and which duty is next, in Berlin around the
// changes of the clocks of 2027 (28 March, 02:00 to 03:00; 31 October, 03:00 to 02:00).
// 5 TFS's work days, read off the pattern table from its anchor Monday 2014-01-06: 2 to 4
// March, 9 to 11 March, 28 to 30 March, 29 to 31 October, 5 to 7 November 2027. The
// expected moments are written in UTC, reckoned by hand from Berlin's offsets (+01:00 in
// winter, +02:00 in summer).

#include "calendar/next_duty.h"
#include "calendar/reminder_times.h"
#include "schedule/crew.h"

#include <QTest>

using namespace dutyloop;

namespace {

const QTimeZone kBerlin("Europe/Berlin");

QDateTime Berlin(int year, int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), kBerlin);
}

QDateTime Utc(int year, int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
}

// "07:00-07:00", or "all day".
std::optional<DutyHours> Hours(const QString& text) {
    if (text == QLatin1String("all day"))
        return std::nullopt;
    return DutyHours{QTime::fromString(text.left(5), QStringLiteral("HH:mm")),
                     QTime::fromString(text.mid(6), QStringLiteral("HH:mm"))};
}

// "15 before", "evening 19:00" or "none".
Reminder ReminderOf(const QString& text) {
    if (text.startsWith(QLatin1String("evening")))
        return {Reminder::Kind::EveningBefore, 0,
                QTime::fromString(text.mid(8), QStringLiteral("HH:mm"))};
    if (text.endsWith(QLatin1String("before")))
        return {Reminder::Kind::Before, text.section(u' ', 0, 0).toInt(), QTime()};
    return {};
}

DayChanges Changes(std::initializer_list<std::pair<QDate, DayChangeKind>> days) {
    DayChanges changes;
    for (const auto& [day, kind] : days)
        changes[day] = DayChange{kind, QString()};
    return changes;
}

const Crew& FiveTfs() {
    static const Crew crew = *CrewNamed(QStringLiteral("5"));
    return crew;
}

} // namespace

class TestReminderTimes : public QObject {
    Q_OBJECT
private slots:
    void nextReminder_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("reminder");
        QTest::addColumn<DayChanges>("changes");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<QDateTime>("due"); // invalid: none
        QTest::addColumn<QDate>("dutyDay");
        using K = DayChangeKind;

        QTest::newRow("15 minutes before a day duty")
            << "07:00-19:00"
            << "15 before" << DayChanges() << Berlin(2027, 3, 1, 12) << Utc(2027, 3, 2, 5, 45)
            << QDate(2027, 3, 2);
        QTest::newRow("the next day duty, strictly after the moment")
            << "07:00-19:00"
            << "15 before" << DayChanges() << Berlin(2027, 3, 2, 6, 45) << Utc(2027, 3, 3, 5, 45)
            << QDate(2027, 3, 3);
        QTest::newRow("a run of 24-hour duties rings once")
            << "07:00-07:00"
            << "15 before" << DayChanges() << Berlin(2027, 3, 2, 6, 45) << Utc(2027, 3, 9, 5, 45)
            << QDate(2027, 3, 9);
        QTest::newRow("night duties ring each night")
            << "19:00-07:00"
            << "60 before" << DayChanges() << Berlin(2027, 3, 2, 18) << Utc(2027, 3, 3, 17)
            << QDate(2027, 3, 3);
        QTest::newRow("an hour before, the morning the clocks go forward")
            << "07:00-07:00"
            << "60 before" << DayChanges() << Berlin(2027, 3, 24, 12) << Utc(2027, 3, 28, 4)
            << QDate(2027, 3, 28);
        QTest::newRow("two hours before 03:00 summer time is 00:00 winter time")
            << "03:00-15:00"
            << "120 before" << DayChanges() << Berlin(2027, 3, 27, 12) << Utc(2027, 3, 27, 23)
            << QDate(2027, 3, 28);
        QTest::newRow("the evening before the clocks go forward")
            << "07:00-07:00"
            << "evening 19:00" << DayChanges() << Berlin(2027, 3, 24, 12) << Utc(2027, 3, 27, 18)
            << QDate(2027, 3, 28);
        QTest::newRow("a run across the autumn change is one stretch")
            << "07:00-07:00"
            << "evening 19:00" << DayChanges() << Berlin(2027, 10, 28, 19) << Utc(2027, 11, 4, 18)
            << QDate(2027, 11, 5);
        QTest::newRow("an hour before, the morning after the clocks go back")
            << "07:00-19:00"
            << "60 before" << DayChanges() << Berlin(2027, 10, 30, 12) << Utc(2027, 10, 31, 5)
            << QDate(2027, 10, 31);
        QTest::newRow("leave on a run's first day: the run rings on its second")
            << "07:00-07:00"
            << "15 before" << Changes({{QDate(2027, 3, 2), K::Leave}}) << Berlin(2027, 3, 1, 12)
            << Utc(2027, 3, 3, 5, 45) << QDate(2027, 3, 3);
        QTest::newRow("a whole run on leave or sick or swapped off is skipped")
            << "07:00-07:00"
            << "15 before"
            << Changes({{QDate(2027, 3, 2), K::Leave},
                        {QDate(2027, 3, 3), K::Sick},
                        {QDate(2027, 3, 4), K::SwappedOff}})
            << Berlin(2027, 3, 1, 12) << Utc(2027, 3, 9, 5, 45) << QDate(2027, 3, 9);
        QTest::newRow("extra duty on a day off rings")
            << "07:00-07:00"
            << "15 before" << Changes({{QDate(2027, 3, 6), K::ExtraDuty}}) << Berlin(2027, 3, 4, 12)
            << Utc(2027, 3, 6, 5, 45) << QDate(2027, 3, 6);
        QTest::newRow("extra duty straight after a run belongs to the run")
            << "07:00-07:00"
            << "15 before" << Changes({{QDate(2027, 3, 5), K::ExtraDuty}})
            << Berlin(2027, 3, 2, 6, 45) << Utc(2027, 3, 9, 5, 45) << QDate(2027, 3, 9);
        QTest::newRow("all day: 15 minutes before midnight")
            << "all day"
            << "15 before" << DayChanges() << Berlin(2027, 3, 1, 12) << Utc(2027, 3, 1, 22, 45)
            << QDate(2027, 3, 2);
        QTest::newRow("all day: the evening before")
            << "all day"
            << "evening 20:00" << DayChanges() << Berlin(2027, 3, 1, 12) << Utc(2027, 3, 1, 19)
            << QDate(2027, 3, 2);
        QTest::newRow("all day: a run rings once")
            << "all day"
            << "evening 20:00" << DayChanges() << Berlin(2027, 3, 1, 20) << Utc(2027, 3, 8, 19)
            << QDate(2027, 3, 9);
        QTest::newRow("no reminder wanted")
            << "07:00-07:00"
            << "none" << DayChanges() << Berlin(2027, 3, 1, 12) << QDateTime() << QDate();
    }
    void nextReminder() {
        QFETCH(QString, hours);
        QFETCH(QString, reminder);
        QFETCH(DayChanges, changes);
        QFETCH(QDateTime, after);
        QFETCH(QDateTime, due);
        QFETCH(QDate, dutyDay);
        const CrewDuty crew{FiveTfs().entry, EffectiveDutyOf(FiveTfs().anchor, changes),
                            Hours(hours), kBerlin};
        const std::optional<DutyReminder> next =
            NextReminderAfter(after, crew, ReminderOf(reminder));
        QCOMPARE(next.has_value(), due.isValid());
        if (!next)
            return;
        QCOMPARE(next->at.toUTC(), due);
        QCOMPARE(next->duty.day, dutyDay);
    }

    void nextDuty_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<DayChanges>("changes");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("start"); // invalid: none
        QTest::addColumn<QDateTime>("end");
        using K = DayChangeKind;

        QTest::newRow("the next duty, days ahead")
            << "07:00-07:00" << DayChanges() << Berlin(2027, 2, 27, 12) << Utc(2027, 3, 2, 6)
            << Utc(2027, 3, 3, 6);
        QTest::newRow("yesterday's 24-hour duty, running until 07:00")
            << "07:00-07:00" << DayChanges() << Berlin(2027, 3, 5, 6, 59) << Utc(2027, 3, 4, 6)
            << Utc(2027, 3, 5, 6);
        QTest::newRow("a duty that has just ended is past")
            << "07:00-19:00" << DayChanges() << Berlin(2027, 3, 4, 19) << Utc(2027, 3, 9, 6)
            << Utc(2027, 3, 9, 18);
        QTest::newRow("25 hours across the autumn change")
            << "07:00-07:00" << DayChanges() << Berlin(2027, 10, 30, 8) << Utc(2027, 10, 30, 5)
            << Utc(2027, 10, 31, 6);
        QTest::newRow("leave skipped")
            << "07:00-07:00" << Changes({{QDate(2027, 3, 2), K::Leave}}) << Berlin(2027, 2, 27, 12)
            << Utc(2027, 3, 3, 6) << Utc(2027, 3, 4, 6);
        QTest::newRow("extra duty counted")
            << "07:00-07:00" << Changes({{QDate(2027, 2, 28), K::ExtraDuty}})
            << Berlin(2027, 2, 27, 12) << Utc(2027, 2, 28, 6) << Utc(2027, 3, 1, 6);
        QTest::newRow("all day, until midnight")
            << "all day" << DayChanges() << Berlin(2027, 3, 4, 23, 59) << Utc(2027, 3, 3, 23)
            << Utc(2027, 3, 4, 23);
        DayChanges longLeave;
        for (QDate day(2027, 3, 1); day <= QDate(2028, 4, 1); day = day.addDays(1))
            longLeave[day] = DayChange{K::Leave, QString()};
        QTest::newRow("on leave for more than two rotations: none")
            << "07:00-07:00" << longLeave << Berlin(2027, 3, 1, 12) << QDateTime() << QDateTime();
    }
    void nextDuty() {
        QFETCH(QString, hours);
        QFETCH(DayChanges, changes);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        const CrewDuty crew{FiveTfs().entry, EffectiveDutyOf(FiveTfs().anchor, changes),
                            Hours(hours), kBerlin};
        const std::optional<UpcomingDuty> next = NextDuty(now, crew);
        QCOMPARE(next.has_value(), start.isValid());
        if (!next)
            return;
        QCOMPARE(next->period.start.toUTC(), start);
        QCOMPARE(next->period.end.toUTC(), end);
    }

    void summary_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QDate>("dutyDay");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("summary");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        QTest::newRow("tomorrow at 07:00, in the locale's format")
            << "07:00-07:00" << QDate(2027, 3, 2) << Berlin(2027, 3, 1, 19) << german
            << "Duty at 07:00 tomorrow, 5 TFS";
        QTest::newRow("today") << "19:00-07:00" << QDate(2027, 3, 2) << Berlin(2027, 3, 2, 17)
                               << english << "Duty at 19:00 today, 5 TFS";
        QTest::newRow("all day tomorrow")
            << "all day" << QDate(2027, 3, 2) << Berlin(2027, 3, 1, 23, 45) << german
            << "Duty tomorrow, 5 TFS";
        QTest::newRow("all day, said just after midnight")
            << "all day" << QDate(2027, 3, 2) << Berlin(2027, 3, 2, 0, 2) << german
            << "Duty today, 5 TFS";
        QTest::newRow("further ahead, with its date")
            << "07:00-07:00" << QDate(2027, 3, 9) << Berlin(2027, 3, 2, 12) << german
            << "Duty at 07:00 on 09.03.27, 5 TFS";
    }
    void summary() {
        QFETCH(QString, hours);
        QFETCH(QDate, dutyDay);
        QFETCH(QDateTime, now);
        QFETCH(QLocale, locale);
        QFETCH(QString, summary);
        const DayChanges none;
        const CrewDuty crew{FiveTfs().entry, EffectiveDutyOf(FiveTfs().anchor, none), Hours(hours),
                            kBerlin};
        QCOMPARE(ReminderSummary(DutyStartingOn(dutyDay, crew), crew.crew, now, locale), summary);
    }
};

QTEST_GUILESS_MAIN(TestReminderTimes)
#include "test_reminder_times.moc"
