#include "form_fixture.h"

#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
void OpenCalendar(TMainForm& form) {
    OpenTab(form, form.widgets().tabCalendar);
}

int CellOf(const TMainForm& form, Date date) {
    return static_cast<int>(date - form.view().cellDates[0]);
}
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void monthButtons_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("after");
        QTest::newRow("Jan 31, 2024 next: Feb 29")
            << QDate(2024, 1, 31) << "bNext" << QDate(2024, 2, 29);
        QTest::newRow("Mar 31, 2023 previous: Feb 28")
            << QDate(2023, 3, 31) << "bPrev" << QDate(2023, 2, 28);
        QTest::newRow("Dec 15, 2023 next: Jan 15, 2024")
            << QDate(2023, 12, 15) << "bNext" << QDate(2024, 1, 15);
    }
    void monthButtons() {
        QFETCH(QDate, start);
        QFETCH(QString, button);
        QFETCH(QDate, after);
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, start);
        const Date marked = form->view().markedDate;
        Click(form->findChild<QPushButton*>(button));
        QCOMPARE(QDateFromDate(form->view().shownDate), after);
        QCOMPARE(form->view().markedDate, marked);
        // The grid was rebuilt around the new month.
        QCOMPARE(YmdFromDate(form->view().cellDates[7]).month, after.month());
    }

    void nextTwiceFromJanuary31() {
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 1, 31));
        Click(form->widgets().bNext);
        Click(form->widgets().bNext);
        QCOMPARE(QDateFromDate(form->view().shownDate), QDate(2024, 3, 29));
    }

    void monthButtonsRepeatWhileHeld() {
        auto form = ShownForm();
        QVERIFY(form->widgets().bPrev->autoRepeat());
        QVERIFY(form->widgets().bNext->autoRepeat());
    }

    void leftArrowOnTheFirst() {
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 3, 1));
        QTest::keyClick(KeyTarget(*form), Qt::Key_Left);
        QCOMPARE(form->view().shownDate, D(2024, 2, 29));
        QCOMPARE(form->view().markedDate, D(2024, 2, 29));
        QCOMPARE(form->widgets().lblMonthName->text(), QStringLiteral("Feb 2024"));
        QCOMPARE(
            form->widgets().gR[static_cast<std::size_t>(CellOf(*form, D(2024, 2, 29)))]->fill(),
            0xFFC0C0C0u); // the agency-wide entry marks the selection in LeadTrailColor
    }

    void focusFollowsTheSelectionFromADayCell() {
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        const auto cellOf = [&](Date date) {
            return form->widgets().gR[static_cast<std::size_t>(CellOf(*form, date))];
        };
        Click(form->widgets().gT[static_cast<std::size_t>(CellOf(*form, D(2024, 5, 15)))]);
        QVERIFY(cellOf(D(2024, 5, 15))->hasFocus());
        QTest::keyClick(KeyTarget(*form), Qt::Key_Down);
        QVERIFY(cellOf(D(2024, 5, 22))->hasFocus());
        QTest::keyClick(KeyTarget(*form), Qt::Key_PageDown);
        QCOMPARE(form->view().shownDate, D(2024, 6, 22));
        QVERIFY(cellOf(D(2024, 6, 22))->hasFocus());
    }

    void keysWorkFromAFocusedButton() {
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        form->widgets().bNext->setFocus();
        QTest::keyClick(form->widgets().bNext, Qt::Key_Down);
        QCOMPARE(form->view().shownDate, D(2024, 5, 17));
        QVERIFY(form->widgets().bNext->hasFocus());
    }

    void clickOnALeadingOrTrailingCellChangesNothing_data() {
        QTest::addColumn<int>("cell");
        // May 2024, weeks from Sunday: cells 0 to 2 are April 28 to 30, the 31st is cell 33.
        QTest::newRow("leading day") << 1;
        QTest::newRow("trailing day in a clickable cell") << 35;
        QTest::newRow("cell 37 takes no clicks") << 37;
        QTest::newRow("legend cell") << 41;
    }
    void clickOnALeadingOrTrailingCellChangesNothing() {
        QFETCH(int, cell);
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        form->widgets().bToday->setFocus();
        const CalendarView before = form->view();
        Click(form->widgets().gT[static_cast<std::size_t>(cell)]);
        QCOMPARE(form->view().shownDate, before.shownDate);
        QCOMPARE(form->view().markedDate, before.markedDate);
        QCOMPARE(form->view().cellDates, before.cellDates);
        QVERIFY(form->widgets().bToday->hasFocus());
    }

    void clickOnADayNumberSelectsItsCell() {
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        const CalendarView before = form->view();
        const std::size_t cell = static_cast<std::size_t>(CellOf(*form, D(2024, 5, 22)));
        Click(form->widgets().gT[cell]);
        QCOMPARE(form->view().shownDate, D(2024, 5, 22));
        QCOMPARE(form->view().cellDates, before.cellDates);
        QCOMPARE(form->view().markedDate, before.markedDate);
        QVERIFY(form->widgets().gR[cell]->hasFocus());
        QCOMPARE(form->widgets().gR[cell]->fill(), 0xFFC0C0C0u);
    }

    void pickerLimits_data() {
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("before 2014-03-31") << QDate(2010, 5, 5) << QDate(2014, 3, 31);
        QTest::newRow("after 2100-12-31") << QDate(2101, 2, 1) << QDate(2100, 12, 31);
        QTest::newRow("the first limit itself") << QDate(2014, 3, 31) << QDate(2014, 3, 31);
    }
    void pickerLimits() {
        QFETCH(QDate, picked);
        QFETCH(QDate, shown);
        auto form = ShownForm();
        PickDate(*form, picked);
        QCOMPARE(QDateFromDate(form->view().shownDate), shown);
        QCOMPARE(QDateFromDate(form->view().markedDate), shown);
        // The field keeps showing what was picked.
        QCOMPARE(form->widgets().DateEd->date(), picked);
        QCOMPARE(form->widgets().DateEd->text(), picked.toString(QStringLiteral("MM/dd/yy")));
        QVERIFY(!form->widgets().DateEd->hasFocus());
    }

    void aDayPickedWithTheKeysInTheDropDown() {
        auto form = ShownForm();
        OpenCalendar(*form);
        QCalendarWidget* calendar = OpenDatePicker(*form);
        QWidget* days = calendar->findChild<QTableView*>();
        QVERIFY(days);
        QTest::keyClick(days, Qt::Key_PageDown);
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        QTRY_VERIFY(!calendar->window()->isVisible());
        QCOMPARE(form->view().shownDate, D(2023, 10, 16));
        QCOMPARE(form->view().markedDate, D(2023, 10, 16));
    }

    void endReturnsToTheMarkedDate_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("two months on, then End") << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown};
        QTest::newRow("Home, then End") << QList<int>{Qt::Key_Home};
    }
    void endReturnsToTheMarkedDate() {
        QFETCH(QList<int>, keys);
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        if (keys.first() == Qt::Key_PageDown) {
            Click(form->widgets().bNext);
            Click(form->widgets().bNext);
        } else {
            QTest::keyClick(KeyTarget(*form), Qt::Key_Home);
            QCOMPARE(form->view().shownDate, D(2023, 9, 15));
        }
        QTest::keyClick(KeyTarget(*form), Qt::Key_End);
        QCOMPARE(form->view().shownDate, D(2024, 5, 10));
    }

    void endBeforeAnyMarkReturnsToTheStartDay() {
        auto form = ShownForm();
        OpenCalendar(*form);
        Click(form->widgets().bNext);
        QTest::keyClick(KeyTarget(*form), Qt::Key_End);
        QCOMPARE(form->view().shownDate, D(2023, 9, 15));
    }

    // The keys belong to the window: they move the calendar from any tab.
    void keysOnEveryTab_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("Calendar") << 0;
        QTest::newRow("Settings") << 1;
        QTest::newRow("Help") << 2;
        QTest::newRow("About") << 3;
    }
    void keysOnEveryTab() {
        QFETCH(int, tab);
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        OpenTab(*form, w.tabCtrl->widget(tab));
        form->setFocus();
        QTest::keyClick(form.get(), Qt::Key_PageUp);
        QCOMPARE(form->view().shownDate, D(2024, 4, 10));
        QTest::keyClick(form.get(), Qt::Key_A);
        QTest::keyClick(form.get(), Qt::Key_F5);
        QCOMPARE(form->view().shownDate, D(2024, 4, 10));
    }

    // A key not in the table still rebuilds and redraws the calendar, seen here through the
    // week-start switch, which has no handler of its own.
    void aKeyNotInTheTableRedraws() {
        auto form = ShownForm(QDate(2024, 4, 10));
        const FormWidgets& w = form->widgets();
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabSettings);
        Click(w.swMondays);
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Sun"));
        form->setFocus();
        QTest::keyClick(form.get(), Qt::Key_A);
        QCOMPARE(form->view().shownDate, D(2024, 4, 10));
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Mon"));
        QCOMPARE(form->view().cellDates[0], D(2024, 4, 1));
    }

    void keyTable_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<bool>("marks");
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << QDate(2024, 6, 10) << true;
        QTest::newRow("Up") << int(Qt::Key_Up) << QDate(2024, 5, 3) << true;
        QTest::newRow("Down") << int(Qt::Key_Down) << QDate(2024, 5, 17) << true;
        QTest::newRow("Right") << int(Qt::Key_Right) << QDate(2024, 5, 11) << true;
        QTest::newRow("Home") << int(Qt::Key_Home) << QDate(2023, 9, 15) << false;
        QTest::newRow("Shift+Right moves like Right")
            << int(Qt::Key_Right) << QDate(2024, 5, 11) << true;
    }
    void keyTable() {
        QFETCH(int, key);
        QFETCH(QDate, shown);
        QFETCH(bool, marks);
        auto form = ShownForm();
        OpenCalendar(*form);
        PickDate(*form, QDate(2024, 5, 10));
        const Qt::KeyboardModifiers modifiers =
            QByteArray(QTest::currentDataTag()).startsWith("Shift") ? Qt::ShiftModifier
                                                                    : Qt::NoModifier;
        QTest::keyClick(KeyTarget(*form), static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(QDateFromDate(form->view().shownDate), shown);
        QCOMPARE(QDateFromDate(form->view().markedDate), marks ? shown : QDate(2024, 5, 10));
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
