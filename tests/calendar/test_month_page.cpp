// The Calendar tab as a value: every colour, text and name the tab shows for one state.

#include "calendar/month_page.h"
#include "expected_colors.h"
#include "schedule/rotation.h"

#include <QTest>

using namespace dutyloop;

namespace {

struct Scene {
    QString assignment = QStringLiteral("5 TFS");
    int selectedEntry = 5;
    QDate shown = QDate(2023, 9, 1);
    QDate today = QDate(2023, 9, 15);
    WeekStart weekStart = WeekStart::Sunday;
    ColorSettings colours;
};

MonthPage PageOf(const Scene& scene, const MonthPage& before = MonthPage()) {
    CalendarView view;
    view.anchorDate = AnchorForAssignment(scene.assignment);
    BuildMonthGrid(view, scene.shown, scene.weekStart);
    const LocaleSettings locale =
        CaptureLocaleSettings(QLocale(QLocale::English, QLocale::UnitedStates));
    const CalendarLayout layout = LayoutForWindow(640, QSize(346, 587));
    return MonthPageFor({view, scene.colours, scene.weekStart, locale, scene.today,
                         scene.selectedEntry, scene.assignment, layout},
                        before);
}

Scene NavyScene() {
    Scene scene;
    scene.colours.background = expected::Navy;
    return scene;
}

Scene AgencyWideScene() {
    Scene scene;
    scene.assignment = QStringLiteral("Tornvale");
    scene.selectedEntry = 0;
    return scene;
}

} // namespace

Q_DECLARE_METATYPE(CellFont)

class TestMonthPage : public QObject {
    Q_OBJECT
private slots:
    // September 2023 under 5 TFS, weeks from Sunday: cell 0 is 2023-08-27, the 1st is cell 5.
    // 5 TFS works the 1st (position 194 of its pattern), is off the 2nd and 3rd, and works
    // again from Monday the 4th. On Sunday the 3rd, 1 SMT, 2 MTW and 7 SSM are on duty;
    // on 2024-01-05, 5 TFS is off (all worked out by hand from the pattern and the anchors).
    void cells_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("textColour");
        QTest::addColumn<QRgb>("border");
        QTest::addColumn<CellFont>("font");
        QTest::addColumn<bool>("takesClicks");
        const Scene crew5;
        QTest::newRow("selected work day") << crew5 << 5 << "1" << expected::Blue << expected::White
                                           << expected::AliceBlue << CellFont::DayNumber << true;
        QTest::newRow("work day") << crew5 << 8 << "4" << expected::White << expected::Blue
                                  << expected::DimGray << CellFont::DayNumber << true;
        QTest::newRow("off day") << crew5 << 7 << "3" << expected::White << expected::DimGray
                                 << expected::DimGray << CellFont::DayNumber << true;
        QTest::newRow("last month's day takes no click")
            << crew5 << 4 << "31" << expected::White << expected::Silver << expected::DimGray
            << CellFont::DayNumber << false;
        QTest::newRow("next month's day in a clickable cell takes no click")
            << crew5 << 35 << "1" << expected::White << expected::Silver << expected::DimGray
            << CellFont::DayNumber << false;
        QTest::newRow("a cell past the clickable ones")
            << crew5 << 39 << "5" << expected::White << expected::Silver << expected::DimGray
            << CellFont::DayNumber << false;
        QTest::newRow("work legend") << crew5 << 40 << "Wk" << expected::White << expected::Blue
                                     << expected::DimGray << CellFont::Legend << false;
        QTest::newRow("off-duty legend")
            << crew5 << 41 << "OD" << expected::White << expected::DimGray << expected::DimGray
            << CellFont::Legend << false;
        QTest::newRow("Navy background behind an off day")
            << NavyScene() << 7 << "3" << expected::Navy << expected::DimGray << expected::AliceBlue
            << CellFont::DayNumber << true;
        QTest::newRow("selected day without rotation")
            << AgencyWideScene() << 5 << "1" << expected::Silver << expected::Black
            << expected::DimGray << CellFont::DayNumber << true;
        QTest::newRow("day without rotation reads as a plain calendar")
            << AgencyWideScene() << 6 << "2" << expected::White << expected::Black
            << expected::DimGray << CellFont::DayNumber << true;
        Scene monday = crew5;
        monday.weekStart = WeekStart::Monday;
        QTest::newRow("weeks from Monday: the 1st is cell 4")
            << monday << 4 << "1" << expected::Blue << expected::White << expected::AliceBlue
            << CellFont::DayNumber << true;
    }
    void cells() {
        QFETCH(Scene, scene);
        QFETCH(int, cell);
        QFETCH(QString, text);
        QFETCH(QRgb, fill);
        QFETCH(QRgb, textColour);
        QFETCH(QRgb, border);
        QFETCH(CellFont, font);
        QFETCH(bool, takesClicks);
        const CellLook look = PageOf(scene).cells[static_cast<std::size_t>(cell)];
        QCOMPARE(look.text, text);
        QCOMPARE(look.fill, fill);
        QCOMPARE(look.textColor, textColour);
        QCOMPARE(look.border, border);
        QCOMPARE(look.font, font);
        QCOMPARE(look.takesClicks, takesClicks);
    }

    void namesAndTips_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("a work day") << 5 << "Friday, September 1, 2023, work day"
                                    << "Friday, September 1, 2023\nOn duty: 5 TFS, 6 FSS, 7 SSM";
        QTest::newRow("an off day") << 7 << "Sunday, September 3, 2023, off duty"
                                    << "Sunday, September 3, 2023\nOn duty: 1 SMT, 2 MTW, 7 SSM";
        QTest::newRow("past the clickable cells: no tip")
            << 37 << "Tuesday, October 3, 2023, off duty"
            << "";
        QTest::newRow("legend") << 41 << "Legend: off-duty days"
                                << "";
    }
    void namesAndTips() {
        QFETCH(int, cell);
        QFETCH(QString, name);
        QFETCH(QString, tip);
        const CellLook look = PageOf(Scene()).cells[static_cast<std::size_t>(cell)];
        QCOMPARE(look.accessibleName, name);
        QCOMPARE(look.toolTip, tip);
    }

    void headerAndStatus_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("monthLabel");
        QTest::addColumn<QString>("firstWeekday");
        QTest::addColumn<QRgb>("headerColour");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("statusName");
        QTest::addColumn<bool>("todayBold");
        const Scene crew5;
        QTest::newRow("crew 5 on a work day") << crew5 << "Tornvale - 5 TFS"
                                              << "September"
                                              << "Sun" << expected::Black << "9/1/2023\nWork"
                                              << "Selected day: 9/1/2023 Work" << true;
        Scene onToday = crew5;
        onToday.shown = onToday.today;
        QTest::newRow("today selected dims the Today button")
            << onToday << "Tornvale - 5 TFS"
            << "September"
            << "Sun" << expected::Black << "9/15/2023\nOff-Duty"
            << "Selected day: 9/15/2023 Off-Duty" << false;
        Scene nextYear = crew5;
        nextYear.shown = QDate(2024, 1, 5);
        nextYear.weekStart = WeekStart::Monday;
        QTest::newRow("another year, weeks from Monday")
            << nextYear << "Tornvale - 5 TFS"
            << "Jan 2024"
            << "Mon" << expected::Black << "1/5/2024\nOff-Duty"
            << "Selected day: 1/5/2024 Off-Duty" << true;
        QTest::newRow("agency-wide: no status") << AgencyWideScene() << "Tornvale"
                                                << "September"
                                                << "Sun" << expected::Black << ""
                                                << "Selected day" << true;
        QTest::newRow("Navy background: white header")
            << NavyScene() << "Tornvale - 5 TFS"
            << "September"
            << "Sun" << expected::White << "9/1/2023\nWork"
            << "Selected day: 9/1/2023 Work" << true;
    }
    void headerAndStatus() {
        QFETCH(Scene, scene);
        QFETCH(QString, title);
        QFETCH(QString, monthLabel);
        QFETCH(QString, firstWeekday);
        QFETCH(QRgb, headerColour);
        QFETCH(QString, status);
        QFETCH(QString, statusName);
        QFETCH(bool, todayBold);
        const MonthPage page = PageOf(scene);
        QCOMPARE(page.title, title);
        QCOMPARE(page.monthLabel, monthLabel);
        QCOMPARE(page.weekdayLabels[0], firstWeekday);
        QCOMPARE(page.look.headerTextColor, headerColour);
        QCOMPARE(page.statusLine, status);
        QCOMPARE(page.statusAccessibleName, statusName);
        QCOMPARE(page.todayButton.bold, todayBold);
        QCOMPARE(page.todayButton.textColor, todayBold ? expected::Black : expected::DimGray);
    }

    // A page made from the one shown before, which lends the names of the days it shares,
    // says all that a page made afresh says.
    void pageMadeFromThePageBefore_data() {
        QTest::addColumn<Scene>("before");
        QTest::addColumn<Scene>("after");
        const Scene crew5;
        Scene nextDay = crew5;
        nextDay.shown = QDate(2023, 9, 2);
        Scene nextMonth = crew5;
        nextMonth.shown = QDate(2023, 10, 1);
        Scene monthBefore = crew5;
        monthBefore.shown = QDate(2023, 8, 31);
        Scene otherCrew = crew5;
        otherCrew.assignment = QStringLiteral("1 SMT");
        otherCrew.selectedEntry = 1;
        Scene monday = crew5;
        monday.weekStart = WeekStart::Monday;
        QTest::newRow("the next day") << crew5 << nextDay;
        QTest::newRow("the next month: shared days in other cells") << crew5 << nextMonth;
        QTest::newRow("the month before") << crew5 << monthBefore;
        QTest::newRow("another crew: the same days, other duties") << crew5 << otherCrew;
        QTest::newRow("from the agency-wide entry, days without duty")
            << AgencyWideScene() << crew5;
        // 3 October moves from cell 37, which has no tooltip, to cell 36, which has one.
        QTest::newRow("weeks from Monday: every day a cell earlier") << crew5 << monday;
    }
    void pageMadeFromThePageBefore() {
        QFETCH(Scene, before);
        QFETCH(Scene, after);
        const MonthPage afresh = PageOf(after);
        const MonthPage made = PageOf(after, PageOf(before));
        for (std::size_t i = 0; i < made.cells.size(); ++i) {
            QCOMPARE(made.cells[i].accessibleName, afresh.cells[i].accessibleName);
            QCOMPARE(made.cells[i].toolTip, afresh.cells[i].toolTip);
        }
        QVERIFY(made == afresh);
    }

    // The 42 cells hold 42 consecutive days, the 1st where its weekday says (checked by QDate).
    void cellDatesFollowTheCalendar() {
        for (WeekStart start : {WeekStart::Sunday, WeekStart::Monday}) {
            Scene scene;
            scene.weekStart = start;
            const MonthPage page = PageOf(scene);
            const int offset = start == WeekStart::Sunday ? QDate(2023, 9, 1).dayOfWeek() % 7
                                                          : QDate(2023, 9, 1).dayOfWeek() - 1;
            QCOMPARE(page.cells[static_cast<std::size_t>(offset)].date, QDate(2023, 9, 1));
            for (std::size_t i = 1; i < page.cells.size(); ++i)
                QCOMPARE(page.cells[i].date, page.cells[i - 1].date.addDays(1));
        }
    }
};

QTEST_MAIN(TestMonthPage)
#include "test_month_page.moc"
