#include "form_fixture.h"

#include "ui/t_grid_layout.h"
#include "ui/t_rectangle.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
// Resizes so that the window's outer height is exactly `outer`.
void ResizeOuter(TMainForm& form, int width, int outer) {
    const int frame = form.frameGeometry().height() - form.height();
    form.resize(width, outer - frame);
}
} // namespace

class TestWindowSizing : public QObject {
    Q_OBJECT
private slots:
    // Measured outside the frame, as the bands are.
    void opensAt350By640() {
        auto form = ShownForm();
        QCOMPARE(form->frameGeometry().size(), QSize(350, 640));
        QVERIFY(form->size() != form->frameGeometry().size());
        QCOMPARE(form->widgets().tbCalendar->height(), 40);
    }

    void bandsFollowTheOuterHeight() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabCalendar);
        ResizeOuter(*form, 350, 640);
        QCOMPARE(w.tbCalendar->height(), 40);
        QCOMPARE(w.loMonthName->height(), 64);
        QCOMPARE(w.loDaysOfWeek->height(), 40);
        QCOMPARE(form->fontSizes().title, 16.0f);
        QCOMPARE(w.gloDOW->itemHeight(), 39.9f);

        // The grid and the footer share what the tab leaves below the bands in seven rows.
        const int rest = w.tabCalendar->height() - 144;
        QCOMPARE(w.loCalendar->height(), rest);
        QCOMPARE(w.gloCal->itemHeight(), (static_cast<float>(rest) - 0.1f) / 7.0f);
        QCOMPARE(w.loFooter->height(), qRound(w.gloCal->itemHeight()));
        QCOMPARE(w.gloCal->itemWidth(), (static_cast<float>(w.loCalendar->width()) - 0.1f) / 7.0f);
        // Seven cells to a row: cell 7 starts the second row.
        QCOMPARE(w.gR[7]->x(), 0);
        QVERIFY(w.gR[7]->y() > 0);
        QCOMPARE(w.gR[41]->geometry().bottom(), w.gloCal->height() - 1);
    }

    void resizeKeepsTheShownDate() {
        auto form = ShownForm();
        PickDate(*form, QDate(2024, 5, 10));
        const CalendarView before = form->view();
        const int toolbar = form->widgets().tbCalendar->height();
        ResizeOuter(*form, 700, form->frameGeometry().height());
        QCOMPARE(form->view().shownDate, before.shownDate);
        QCOMPARE(form->view().cellDates, before.cellDates);
        QCOMPARE(form->widgets().tbCalendar->height(), toolbar);
        QCOMPARE(form->widgets().gloCal->itemWidth(),
                 (static_cast<float>(form->widgets().loCalendar->width()) - 0.1f) / 7.0f);
        ResizeOuter(*form, 350, 960);
        QCOMPARE(form->widgets().tbCalendar->height(), 60);
        QCOMPARE(form->fontSizes().title, 24.0f);
    }

    void sizesFollowWhileAnotherTabIsOpen() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabAbout);
        ResizeOuter(*form, 500, 800);
        OpenTab(*form, w.tabCalendar);
        QCOMPARE(w.loCalendar->width(), w.tabCalendar->width());
        QCOMPARE(w.loCalendar->geometry().bottom(), w.tabCalendar->height() - 1);
        QCOMPARE(w.gloCal->itemWidth(), (static_cast<float>(w.tabCalendar->width()) - 0.1f) / 7.0f);
    }
};

QTEST_MAIN(TestWindowSizing)
#include "test_window_sizing.moc"
