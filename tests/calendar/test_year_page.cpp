// The year page as a value: the twelve month grids of a crew's year, their days, duties and
// counts, in the locale's names and the user's week start.

#include "calendar/year_page.h"

#include <QRegularExpression>
#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(WeekStart)

namespace {

// Crew 5 TFS, whose anchor is Monday 2014-01-06.
YearPage PageOf(int year, WeekStart weekStart, const QLocale& locale = QLocale::c(),
                QDate today = QDate(2026, 12, 10)) {
    const LocaleSettings settings = CaptureLocaleSettings(locale);
    return YearPageFor({.crew = {QStringLiteral("5 TFS"), QDate(2014, 1, 6)},
                        .year = year,
                        .colors = ColorSettings(),
                        .weekStart = weekStart,
                        .locale = settings,
                        .today = today,
                        .duty = RotationDutyOf(QDate(2014, 1, 6))});
}

// The same year with the changes the crew member made, through the duty they really have.
YearPage PageWithChanges(const DayChanges& changes, const DutyHours* hours = nullptr,
                         const QTimeZone& zone = QTimeZone::utc()) {
    const LocaleSettings settings = CaptureLocaleSettings(QLocale::c());
    const QDate anchor = QDate(2014, 1, 6);
    return YearPageFor({.crew = {QStringLiteral("5 TFS"), QDate(2014, 1, 6)},
                        .year = 2027,
                        .colors = ColorSettings(),
                        .weekStart = WeekStart::Sunday,
                        .locale = settings,
                        .today = QDate(2026, 12, 10),
                        .duty = EffectiveDutyOf(anchor, changes),
                        .changes = &changes,
                        .dutyHours = hours,
                        .timeZone = zone});
}

} // namespace

class TestYearPage : public QObject {
    Q_OBJECT
private slots:
    void hoursOfTheYear_data();
    void hoursOfTheYear();
    void monthTitlesInTheLocalesNames_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("march");
        QTest::addColumn<QString>("december");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "March"
                                 << "December";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "März"
                                << "Dezember";
        // French writes its months in lower case; as a heading the name starts with a capital.
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "Mars"
                                << "Décembre";
    }
    void monthTitlesInTheLocalesNames() {
        QFETCH(QLocale, locale);
        QFETCH(QString, march);
        QFETCH(QString, december);
        const YearPage page = PageOf(2027, WeekStart::Monday, locale);
        for (int month = 1; month <= 12; ++month) {
            const QString& title = page.months[static_cast<std::size_t>(month - 1)].title;
            QVERIFY2(title.front().isUpper(), qPrintable(title));
            QCOMPARE(title.mid(1), locale.standaloneMonthName(month).mid(1));
        }
        QCOMPARE(page.months[2].title, march);
        QCOMPARE(page.months[11].title, december);
    }

    void januaryStartsInItsWeekdaysColumn_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<WeekStart>("weekStart");
        QTest::addColumn<int>("column");
        QTest::newRow("2027 starts on a Friday, weeks from Sunday")
            << 2027 << WeekStart::Sunday << 5;
        QTest::newRow("2027 starts on a Friday, weeks from Monday")
            << 2027 << WeekStart::Monday << 4;
        QTest::newRow("2024 starts on a Monday, weeks from Sunday")
            << 2024 << WeekStart::Sunday << 1;
        QTest::newRow("2024 starts on a Monday, weeks from Monday")
            << 2024 << WeekStart::Monday << 0;
        QTest::newRow("2023 starts on a Sunday, weeks from Monday")
            << 2023 << WeekStart::Monday << 6;
    }
    void januaryStartsInItsWeekdaysColumn() {
        QFETCH(int, year);
        QFETCH(WeekStart, weekStart);
        QFETCH(int, column);
        const YearDay first = PageOf(year, weekStart).months[0].days.front();
        QCOMPARE(first.day, 1);
        QCOMPARE(first.row, 0);
        QCOMPARE(first.column, column);
    }

    // Each grid holds its month's days and no other, one after another in reading order.
    void onlyTheMonthsOwnDays() {
        const YearPage page = PageOf(2028, WeekStart::Sunday);
        for (int month = 1; month <= 12; ++month) {
            const YearMonth& shown = page.months[static_cast<std::size_t>(month - 1)];
            QCOMPARE(static_cast<int>(shown.days.size()), QDate(2028, month, 1).daysInMonth());
            const int firstCell = QDate(2028, month, 1).dayOfWeek() % 7;
            for (std::size_t i = 0; i < shown.days.size(); ++i) {
                const YearDay& day = shown.days[i];
                QCOMPARE(day.day, static_cast<int>(i) + 1);
                QCOMPARE(day.row * 7 + day.column, firstCell + static_cast<int>(i));
            }
        }
    }

    void dutiesAndCounts() {
        const YearPage page = PageOf(2027, WeekStart::Sunday);
        QCOMPARE(page.title, QStringLiteral("Dutyloop – 5 TFS – 2027"));
        // Friday January 1 is off, Saturday to Monday are work days.
        QCOMPARE(page.months[0].days[0].duty, DutyCode::Off);
        for (int day = 2; day <= 4; ++day)
            QCOMPARE(page.months[0].days[static_cast<std::size_t>(day - 1)].duty, DutyCode::Work);
        const int work[] = {14, 12, 14, 11, 14, 15, 11, 14, 13, 13, 12, 15};
        for (std::size_t i = 0; i < 12; ++i) {
            QCOMPARE(page.months[i].count.work, work[i]);
            QCOMPARE(page.months[i].countText, QStringLiteral("%1 work days").arg(work[i]));
        }
        QCOMPARE(page.count, (DutyCount{158, 207}));
    }

    // In Arabic the page writes Arabic-Indic digits as the window's grid does, and the crew's
    // name and each count stand as one left-to-right run among the right-to-left words.
    void arabicDigitsAndRuns() {
        const YearPage page =
            PageOf(2027, WeekStart::Sunday, QLocale(QLocale::Arabic, QLocale::Egypt));
        const QString lri(QChar(0x2066));
        const QString pdi(QChar(0x2069));
        const QString year = QStringLiteral("\u0662\u0660\u0662\u0667");
        QVERIFY2(page.title.contains(lri + QStringLiteral("5 TFS") + pdi), qPrintable(page.title));
        QVERIFY2(page.title.contains(year), qPrintable(page.title));
        // 14 work days in January, 158 in the year.
        QVERIFY2(page.months[0].countText.contains(lri + QStringLiteral("\u0661\u0664") + pdi),
                 qPrintable(page.months[0].countText));
        QVERIFY2(page.countText.contains(lri + QStringLiteral("\u0661\u0665\u0668") + pdi),
                 qPrintable(page.countText));
        static const QRegularExpression latinDigit(QStringLiteral("[0-9]"));
        QVERIFY2(!page.countText.contains(latinDigit), qPrintable(page.countText));
        QVERIFY2(!page.months[0].countText.contains(latinDigit),
                 qPrintable(page.months[0].countText));
    }

    // Bavaria's holidays of 2027 marked on their days, those crew 5 TFS works listed below the
    // year's count; nothing of them with no region.
    void holidaysMarkedAndListed() {
        const LocaleSettings english =
            CaptureLocaleSettings(QLocale(QLocale::English, QLocale::UnitedStates));
        const HolidayList bavariaDays = HolidaysInYears(HolidayRegion::Bavaria, 2027, 2027);
        const auto page = [&english](const HolidayList* holidays) {
            return YearPageFor({.crew = {QStringLiteral("5 TFS"), QDate(2014, 1, 6)},
                                .year = 2027,
                                .colors = ColorSettings(),
                                .weekStart = WeekStart::Sunday,
                                .locale = english,
                                .today = QDate(2026, 12, 10),
                                .duty = RotationDutyOf(QDate(2014, 1, 6)),
                                .holidays = holidays});
        };
        const YearPage bavaria = page(&bavariaDays);
        QCOMPARE(bavaria.holidaysOnDutyText,
                 QStringLiteral("Public holidays on duty: 29 Mar Easter Monday, 1 May Labour "
                                "Day, 27 May Corpus Christi, 3 Oct German Unity Day"));
        QCOMPARE(bavaria.holidayLegend, QStringLiteral("Public holiday"));
        QStringList marked;
        for (const YearMonth& month : bavaria.months) {
            for (const YearDay& day : month.days) {
                if (day.holiday)
                    marked.append(
                        QStringLiteral("%1-%2").arg(&month - &bavaria.months[0] + 1).arg(day.day));
            }
        }
        QCOMPARE(marked, (QStringList{"1-1", "1-6", "3-26", "3-29", "5-1", "5-6", "5-17", "5-27",
                                      "10-3", "11-1", "12-25", "12-26"}));
        const YearPage none = page(nullptr);
        QVERIFY(none.holidaysOnDutyText.isEmpty());
        QVERIFY(none.holidayLegend.isEmpty());
    }

    void todayMarkedOnlyInItsYear() {
        const YearPage thisYear = PageOf(2026, WeekStart::Sunday);
        int marked = 0;
        for (const YearMonth& month : thisYear.months)
            for (const YearDay& day : month.days)
                marked += day.today ? 1 : 0;
        QCOMPARE(marked, 1);
        QVERIFY(thisYear.months[11].days[9].today);
        QVERIFY(!thisYear.todayLegend.isEmpty());
        const YearPage nextYear = PageOf(2027, WeekStart::Sunday);
        for (const YearMonth& month : nextYear.months)
            for (const YearDay& day : month.days)
                QVERIFY(!day.today);
        QVERIFY(nextYear.todayLegend.isEmpty());
    }

    // Every day's duty comes from the one duty given, whatever it decides.
    void changesCountByTheDutyTheyGive();
    void everyDayAsksTheDutyGiven() {
        const LocaleSettings settings = CaptureLocaleSettings(QLocale::c());
        const YearPage page = YearPageFor({.crew = {QStringLiteral("5 TFS"), QDate(2014, 1, 6)},
                                           .year = 2027,
                                           .colors = ColorSettings(),
                                           .weekStart = WeekStart::Sunday,
                                           .locale = settings,
                                           .today = QDate(),
                                           .duty = [](QDate) { return DutyCode::Work; }});
        for (const YearMonth& month : page.months)
            for (const YearDay& day : month.days)
                QCOMPARE(day.duty, DutyCode::Work);
        QCOMPARE(page.count, (DutyCount{365, 0}));
    }
};

// January 2027 of 5 TFS from the pattern: work on the 2nd to 4th, 9th to 11th, 16th, 17th,
// 21st to 23rd and 28th to 30th (14 days); 158 work days in the year.
void TestYearPage::changesCountByTheDutyTheyGive() {
    const auto jan = [](int day) { return QDate(2027, 1, day); };
    const DayChanges changes = {
        {jan(2), {DayChangeKind::SwappedOff, {}}},
        {jan(3), {DayChangeKind::ExtraDuty, QStringLiteral("does not fit a work day")}},
        {jan(5), {DayChangeKind::ExtraDuty, {}}},
        {jan(9), {DayChangeKind::Leave, {}}},
        {jan(10), {DayChangeKind::Leave, {}}},
        {jan(11), {DayChangeKind::Leave, {}}},
        {jan(12), {DayChangeKind::Leave, {}}},
        {QDate(2026, 12, 31), {DayChangeKind::Leave, {}}},
    };
    const YearPage page = PageWithChanges(changes);
    const YearMonth& january = page.months[0];
    QCOMPARE(january.count, (DutyCount{14 - 1 + 1 - 3, 17 + 1 - 1 + 3}));
    QCOMPARE(page.count.work, 158 - 1 + 1 - 3);
    const auto day = [&](int d) { return january.days[static_cast<std::size_t>(d - 1)]; };
    QCOMPARE(day(2).duty, DutyCode::Off);
    QCOMPARE(day(5).duty, DutyCode::Work);
    QCOMPARE(day(3).duty, DutyCode::Work);
    for (int d : {2, 5, 9, 10, 11, 12})
        QVERIFY2(day(d).changed, qPrintable(QString::number(d)));
    QVERIFY(!day(3).changed);
    QVERIFY(!day(1).changed);
    // Leave on three rostered work days; the 12th was an off day and the last of December
    // belongs to the year before.
    QVERIFY2(page.countText.endsWith(QStringLiteral("Work days on leave: 3")),
             qPrintable(page.countText));
    QVERIFY(!page.changedLegend.isEmpty());
    const YearPage unchanged = PageWithChanges({});
    QVERIFY(!unchanged.countText.contains(QStringLiteral("leave")));
    QVERIFY(unchanged.changedLegend.isEmpty());
}

// With hours set, the legend gives them and the year's line its hours: 5 TFS works 158 days of
// 2027, 24 hours each; leave on three of them takes 72. In Berlin the duty from 07:00 on 30
// October, before the clocks go back, has 25 hours.
void TestYearPage::hoursOfTheYear_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("hours");
    QTest::newRow("UTC") << QByteArray("UTC") << QStringLiteral("Hours on duty: 3720");
    QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << QStringLiteral("Hours on duty: 3721");
}
void TestYearPage::hoursOfTheYear() {
    QFETCH(QByteArray, zone);
    QFETCH(QString, hours);
    const DutyHours allDayLong{QTime(7, 0), QTime(7, 0)};
    const auto jan = [](int day) { return QDate(2027, 1, day); };
    const DayChanges leave = {{jan(9), {DayChangeKind::Leave, {}}},
                              {jan(10), {DayChangeKind::Leave, {}}},
                              {jan(11), {DayChangeKind::Leave, {}}}};
    const YearPage page = PageWithChanges(leave, &allDayLong, QTimeZone(zone));
    QCOMPARE(page.workLegend, QStringLiteral("Work day, 07:00 – 07:00 next day"));
    QVERIFY2(
        page.countText.contains(hours + QStringLiteral("  ·  Hours taken as leave or sick: 72")),
        qPrintable(page.countText));
    QVERIFY(!PageWithChanges({}).countText.contains(QStringLiteral("Hours")));
}

QTEST_GUILESS_MAIN(TestYearPage)
#include "test_year_page.moc"
