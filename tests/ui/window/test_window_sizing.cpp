#include "window_fixture.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
// Resizes so that the window's outer height is exactly `outer`.
void ResizeOuter(MainWindow& window, int width, int outer) {
    const int frame = window.frameGeometry().height() - window.height();
    window.resize(width, outer - frame);
}

// The month view holds the weekday band and, right below it, the grid.
int GridHeight(const Controls& w) {
    return w.monthView->height() - w.monthView->weekdayRect(0).height();
}

// The seven columns share the month view's width: the last cell ends within a pixel of its edge.
bool CellsSpanTheWidth(const Controls& w) {
    return qAbs(w.monthView->cellRect(6).right() + 1 - w.monthView->width()) <= 1;
}
} // namespace

class TestWindowSizing : public QObject {
    Q_OBJECT
private slots:
    // Measured outside the frame, as the bands are.
    void opensAt350By640() {
        auto window = ShownWindow();
        QCOMPARE(window->frameGeometry().size(), QSize(350, 640));
        QVERIFY(window->size() != window->frameGeometry().size());
        QCOMPARE(ControlsOf(*window).titlePanel->height(), 40);
    }

    void bandsFollowTheOuterHeight() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.calendarPage);
        ResizeOuter(*window, 350, 640);
        QCOMPARE(w.titlePanel->height(), 40);
        QCOMPARE(w.monthPanel->height(), 64);
        QCOMPARE(w.monthView->y(), 104);
        QCOMPARE(w.monthView->weekdayRect(0).height(), 40);
        QCOMPARE(window->monthPage().fonts.title, 16.0f);

        // The grid and the footer share what the tab leaves below the bands in seven rows.
        const int rest = w.calendarPage->height() - 144;
        const float row = (static_cast<float>(rest) - 0.1f) / 7.0f;
        QCOMPARE(w.footerPanel->height(), qRound(row));
        QCOMPARE(GridHeight(w) + w.footerPanel->height(), rest);
        QCOMPARE(w.footerPanel->geometry().bottom(), w.calendarPage->height() - 1);
        QVERIFY(CellsSpanTheWidth(w));
        // Seven cells to a row: cell 7 starts the second row.
        QCOMPARE(w.monthView->cellRect(7).x(), 0);
        QVERIFY(w.monthView->cellRect(7).y() > w.monthView->cellRect(0).y());
        QVERIFY(w.monthView->cellRect(41).bottom() <= w.monthView->height() - 1);
        QCOMPARE(w.monthView->cellRect(6).right(), w.calendarPage->width() - 1);
    }

    void resizeKeepsTheShownDate() {
        auto window = ShownWindow();
        PickDate(*window, QDate(2024, 5, 10));
        const CalendarView before = window->view();
        const Controls w = ControlsOf(*window);
        const int toolbar = w.titlePanel->height();
        ResizeOuter(*window, 700, window->frameGeometry().height());
        QCOMPARE(window->view().shownDate, before.shownDate);
        QCOMPARE(window->view().cellDates, before.cellDates);
        QCOMPARE(w.titlePanel->height(), toolbar);
        QVERIFY(CellsSpanTheWidth(w));
        ResizeOuter(*window, 350, 960);
        QCOMPARE(w.titlePanel->height(), 60);
        QCOMPARE(window->monthPage().fonts.title, 24.0f);
    }

    void sizesFollowWhileAnotherTabIsOpen() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.aboutPage);
        ResizeOuter(*window, 500, 800);
        OpenTab(*window, w.calendarPage);
        QCOMPARE(w.monthView->width(), w.calendarPage->width());
        QCOMPARE(w.footerPanel->geometry().bottom(), w.calendarPage->height() - 1);
        QVERIFY(CellsSpanTheWidth(w));
    }
};

QTEST_MAIN(TestWindowSizing)
#include "test_window_sizing.moc"
