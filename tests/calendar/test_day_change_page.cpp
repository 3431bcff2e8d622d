// The month page with the user's day changes: a changed day in the colour of the duty it
// really has, with its marks, names and status line; every other day exactly as without them.

#include "calendar/month_page.h"
#include "expected_colors.h"

#include <QTest>

using namespace dutyloop;

Q_DECLARE_METATYPE(DayChangeKind)

namespace {

// 3 TWT in September 2023, read off the pattern table from its anchor Monday 2013-12-09: the
// 18th is a work day, the 19th an off day.
const QDate kWorkDay = QDate(2023, 9, 18);
const QDate kOffDay = QDate(2023, 9, 19);

MonthPage PageOf(QDate shown, const DayChanges* changes) {
    CalendarView view;
    view.anchorDate = AnchorForAssignment(QStringLiteral("3 TWT"));
    BuildMonthGrid(view, shown, WeekStart::Sunday);
    const LocaleSettings locale =
        CaptureLocaleSettings(QLocale(QLocale::English, QLocale::UnitedStates));
    const CalendarLayout layout = LayoutForWindow(640, QSize(346, 587));
    const ColorSettings colours;
    return MonthPageFor({view, colours, WeekStart::Sunday, locale, QDate(2023, 9, 15), 3,
                         QStringLiteral("3 TWT"), layout, changes});
}

const CellLook& CellOf(const MonthPage& page, QDate date) {
    return page.cells[static_cast<std::size_t>(page.cells[0].date.daysTo(date))];
}

} // namespace

class TestDayChangePage : public QObject {
    Q_OBJECT
private slots:
    void aChangedDay_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<DayChangeKind>("kind");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("textColor");
        QTest::addColumn<QString>("status"); // the second line, when selected
        QTest::addColumn<QString>("spoken");
        using namespace expected;
        // DimGray is not among the dark colours that take white text; Blue is.
        QTest::newRow("leave on a work day")
            << kWorkDay << DayChangeKind::Leave << false << White << DimGray << QString()
            << "Monday, September 18, 2023, off duty, Leave";
        QTest::newRow("leave on a work day, selected")
            << kWorkDay << DayChangeKind::Leave << true << DimGray << Black << "Leave"
            << "Monday, September 18, 2023, off duty, Leave";
        QTest::newRow("sick on a work day, selected")
            << kWorkDay << DayChangeKind::Sick << true << DimGray << Black << "Sick"
            << "Monday, September 18, 2023, off duty, Sick";
        QTest::newRow("swapped off a work day")
            << kWorkDay << DayChangeKind::SwappedOff << false << White << DimGray << QString()
            << "Monday, September 18, 2023, off duty, Swapped off";
        QTest::newRow("extra duty on an off day")
            << kOffDay << DayChangeKind::ExtraDuty << false << White << Blue << QString()
            << "Tuesday, September 19, 2023, work day, Extra duty";
        QTest::newRow("extra duty on an off day, selected")
            << kOffDay << DayChangeKind::ExtraDuty << true << Blue << White << "Extra duty"
            << "Tuesday, September 19, 2023, work day, Extra duty";
        QTest::newRow("leave on an off day, selected")
            << kOffDay << DayChangeKind::Leave << true << DimGray << Black << "Leave"
            << "Tuesday, September 19, 2023, off duty, Leave";
    }
    void aChangedDay() {
        QFETCH(QDate, date);
        QFETCH(DayChangeKind, kind);
        QFETCH(bool, selected);
        QFETCH(QRgb, fill);
        QFETCH(QRgb, textColor);
        QFETCH(QString, status);
        QFETCH(QString, spoken);
        const DayChanges changes{{date, {kind, QStringLiteral("Dentist at 10")}}};
        const QDate shown = selected ? date : QDate(2023, 9, 1);
        const MonthPage page = PageOf(shown, &changes);
        const MonthPage plain = PageOf(shown, nullptr);
        const CellLook& cell = CellOf(page, date);
        QCOMPARE(cell.change, kind);
        QVERIFY(cell.hasNote);
        QCOMPARE(cell.fill, fill);
        QCOMPARE(cell.textColor, textColor);
        QCOMPARE(cell.accessibleName, spoken + QStringLiteral(", note: Dentist at 10"));
        QCOMPARE(cell.toolTip, CellOf(plain, date).toolTip + QStringLiteral("\n") +
                                   spoken.section(QStringLiteral(", "), -1) +
                                   QStringLiteral("\nNote: Dentist at 10"));
        if (selected) {
            QCOMPARE(page.statusLine.section(u'\n', 0, 0), plain.statusLine.section(u'\n', 0, 0));
            QCOMPARE(page.statusLine.section(u'\n', 1), status);
        } else {
            QCOMPARE(page.statusLine, plain.statusLine);
        }
        // Every other day, and the rest of the page, as without changes.
        for (std::size_t i = 0; i < page.cells.size(); ++i) {
            if (page.cells[i].date != date)
                QCOMPARE(page.cells[i], plain.cells[i]);
        }
    }

    // A note alone changes no colour and no status line, only the mark and the names.
    void aNoteAlone() {
        const DayChanges changes{{kWorkDay, {DayChangeKind::AsRostered, QStringLiteral("Keys")}}};
        const MonthPage page = PageOf(kWorkDay, &changes);
        const MonthPage plain = PageOf(kWorkDay, nullptr);
        const CellLook& cell = CellOf(page, kWorkDay);
        QCOMPARE(cell.change, DayChangeKind::AsRostered);
        QVERIFY(cell.hasNote);
        QCOMPARE(cell.fill, CellOf(plain, kWorkDay).fill);
        QCOMPARE(cell.textColor, CellOf(plain, kWorkDay).textColor);
        QCOMPARE(page.statusLine, plain.statusLine);
        QCOMPARE(cell.accessibleName,
                 CellOf(plain, kWorkDay).accessibleName + QStringLiteral(", note: Keys"));
    }

    // September 2023 of 3 TWT holds 11 work days, and January to September 116 of 273 days;
    // leave on the 18th takes one of each.
    void monthCountsFollowTheChanges() {
        const DayChanges leave = {{kWorkDay, {DayChangeKind::Leave, {}}}};
        QCOMPARE(PageOf(kWorkDay, &leave).monthCounts,
                 QStringLiteral("September 2023: 10 work days, 20 off\n"
                                "January to September 2023: 115 work days, 158 off"));
        QCOMPARE(PageOf(kWorkDay, nullptr).monthCounts,
                 QStringLiteral("September 2023: 11 work days, 19 off\n"
                                "January to September 2023: 116 work days, 157 off"));
    }

    // No changes at all give the page made without any.
    void noChangesNoDifference() {
        const DayChanges none;
        QCOMPARE(PageOf(kWorkDay, &none), PageOf(kWorkDay, nullptr));
    }
};

QTEST_MAIN(TestDayChangePage)
#include "test_day_change_page.moc"
