#include "calendar/cell_colors.h"
#include "schedule/rotation.h"

#include <QTest>

using namespace dutyloop;

namespace {
constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Navy = 0xFF000080;

// September 2023, weeks from Sunday: cell 0 is Sunday 2023-08-27, the 1st is cell 5.
CalendarView SeptemberView(QDate shown, const QString& assignment) {
    CalendarView view;
    view.anchorDate = AnchorForAssignment(assignment);
    BuildMonthGrid(view, shown, WeekStart::Sunday);
    return view;
}

int CellOf(const CalendarView& view, QDate date) {
    return static_cast<int>(view.cellDates[0].daysTo(date));
}
} // namespace

class TestCellColors : public QObject {
    Q_OBJECT
private slots:
    void contrastText_data() {
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<QRgb>("text");
        QTest::addColumn<QRgb>("border");
        QTest::newRow("Gray is on the dark list")
            << QRgb{0xFF808080} << colors::White << colors::AliceBlue;
        QTest::newRow("DimGray is darker but not listed")
            << colors::DimGray << colors::Black << colors::DimGray;
        QTest::newRow("White") << colors::White << colors::Black << colors::DimGray;
        QTest::newRow("Black") << colors::Black << colors::White << colors::AliceBlue;
        QTest::newRow("Blue") << colors::Blue << colors::White << colors::AliceBlue;
        QTest::newRow("MidnightBlue, last of the list")
            << QRgb{0xFF191970} << colors::White << colors::AliceBlue;
        QTest::newRow("DarkSlateGray") << QRgb{0xFF2F4F4F} << colors::White << colors::AliceBlue;
        QTest::newRow("half-transparent Blue is not Blue")
            << QRgb{0x800000FF} << colors::Black << colors::DimGray;
        QTest::newRow("transparent Null") << colors::Null << colors::Black << colors::DimGray;
        QTest::newRow("Yellow") << Yellow << colors::Black << colors::DimGray;
        QTest::newRow("Navy") << Navy << colors::White << colors::AliceBlue;
        QTest::newRow("one step off Navy") << QRgb{0xFF000081} << colors::Black << colors::DimGray;
    }
    void contrastText() {
        QFETCH(QRgb, color);
        QFETCH(QRgb, text);
        QFETCH(QRgb, border);
        QCOMPARE(ContrastTextColor(color), text);
        QCOMPARE(BorderColorFor(color), border);
    }

    void cells_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("cellDate");
        QTest::addColumn<QRgb>("workColor");
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("text");
        const ColorSettings d;
        // 2023-09-01 is a work day of 5 TFS and an off day of 1 SMT.
        QTest::newRow("selected work day: Blue fill, White number")
            << "5 TFS" << QDate(2023, 9, 1) << QDate(2023, 9, 1) << d.work << d.work
            << colors::White;
        QTest::newRow("selected off day: DimGray fill, Black number")
            << "1 SMT" << QDate(2023, 9, 1) << QDate(2023, 9, 1) << d.work << d.off
            << colors::Black;
        QTest::newRow("selected work day on Yellow: Black number")
            << "5 TFS" << QDate(2023, 9, 1) << QDate(2023, 9, 1) << Yellow << Yellow
            << colors::Black;
        QTest::newRow("selected work day on Red: White number")
            << "5 TFS" << QDate(2023, 9, 1) << QDate(2023, 9, 1) << Red << Red << colors::White;
        QTest::newRow("other work day of the month: WorkColor number")
            << "5 TFS" << QDate(2023, 9, 10) << QDate(2023, 9, 1) << d.work << d.background
            << d.work;
        QTest::newRow("other off day of the month: OffColor number")
            << "1 SMT" << QDate(2023, 9, 10) << QDate(2023, 9, 1) << d.work << d.background
            << d.off;
        QTest::newRow("leading day of August: LeadTrail whatever its duty")
            << "5 TFS" << QDate(2023, 9, 10) << QDate(2023, 8, 31) << d.work << d.background
            << d.leadTrail;
        QTest::newRow("trailing day of October")
            << "5 TFS" << QDate(2023, 9, 10) << QDate(2023, 10, 1) << d.work << d.background
            << d.leadTrail;
        QTest::newRow("leading December before a January")
            << "5 TFS" << QDate(2024, 1, 10) << QDate(2023, 12, 31) << d.work << d.background
            << d.leadTrail;
        QTest::newRow("trailing January after a December")
            << "5 TFS" << QDate(2023, 12, 10) << QDate(2024, 1, 1) << d.work << d.background
            << d.leadTrail;
        QTest::newRow("day without rotation: number in contrast to the background")
            << "Tornvale" << QDate(2023, 9, 10) << QDate(2023, 9, 1) << d.work << d.background
            << colors::Black;
        QTest::newRow("selected day without rotation: LeadTrail fill, contrast number")
            << "Tornvale" << QDate(2023, 9, 10) << QDate(2023, 9, 10) << d.work << d.leadTrail
            << colors::Black;
        QTest::newRow("anchor day itself has no rotation")
            << "2 MTW" << QDate(2014, 3, 10) << QDate(2014, 3, 3) << d.work << d.background
            << colors::Black;
    }
    void cells() {
        QFETCH(QString, assignment);
        QFETCH(QDate, shown);
        QFETCH(QDate, cellDate);
        QFETCH(QRgb, workColor);
        QFETCH(QRgb, fill);
        QFETCH(QRgb, text);
        ColorSettings settings;
        settings.work = workColor;
        const CalendarView view = SeptemberView(shown, assignment);
        const int index = CellOf(view, cellDate);
        QVERIFY(index >= 0 && index < kCellCount);
        QCOMPARE(CellFillColor(index, view, settings), fill);
        QCOMPARE(CellTextColor(cellDate, view, settings), text);
    }

    void zDaysOnANavyBackgroundStayReadable() {
        ColorSettings settings;
        settings.background = Navy;
        settings.leadTrail = Navy;
        const CalendarView view = SeptemberView(QDate(2023, 9, 10), "Tornvale");
        QCOMPARE(CellTextColor(QDate(2023, 9, 1), view, settings), colors::White);
        QCOMPARE(CellTextColor(QDate(2023, 9, 10), view, settings), colors::White);
    }

    void onlyTheShownDateCellIsFilled() {
        const ColorSettings settings;
        const CalendarView view = SeptemberView(QDate(2023, 9, 1), "5 TFS");
        int filled = 0;
        for (int i = 0; i < kCellCount; ++i)
            filled += CellFillColor(i, view, settings) != settings.background ? 1 : 0;
        QCOMPARE(filled, 1);
    }
};

QTEST_APPLESS_MAIN(TestCellColors)
#include "test_cell_colors.moc"
