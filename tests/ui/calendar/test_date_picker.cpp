// The date field's drop-down calendar is made the first time it is opened or asked for, not
// with the window. Made late, it still starts its weeks as the settings did at start-up, and
// its closing still moves the calendar to the day picked.

#include "window_fixture.h"

#include "ui/settings/toggle_switch.h"

#include <QCalendarWidget>

using namespace dutyloop;
using namespace dutyloop::testing;

Q_DECLARE_METATYPE(Qt::DayOfWeek)

class TestDatePicker : public QObject {
    Q_OBJECT
private slots:
    void madeLateItKeepsTheWeekStartOfStartUp_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("switchTurnedFirst");
        QTest::addColumn<bool>("openedByClick");
        QTest::addColumn<Qt::DayOfWeek>("weekStart");
        const QByteArray monday = "[Config]\nWorkAssign=5 TFS\nWeekStartsOnMonday=1\n";
        const QByteArray sunday = "[Config]\nWorkAssign=5 TFS\nWeekStartsOnMonday=0\n";
        QTest::newRow("Monday, opened with a click on the field's arrow")
            << monday << false << true << Qt::Monday;
        QTest::newRow("Sunday, opened with a click on the field's arrow")
            << sunday << false << true << Qt::Sunday;
        QTest::newRow("Monday, the switch turned off before the first opening")
            << monday << true << true << Qt::Monday;
        QTest::newRow("Sunday, the switch turned on before the first opening")
            << sunday << true << true << Qt::Sunday;
        QTest::newRow("Monday, the switch turned off, the calendar asked for")
            << monday << true << false << Qt::Monday;
        QTest::newRow("Sunday, the switch turned on, the calendar asked for")
            << sunday << true << false << Qt::Sunday;
    }
    void madeLateItKeepsTheWeekStartOfStartUp() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, switchTurnedFirst);
        QFETCH(bool, openedByClick);
        QFETCH(Qt::DayOfWeek, weekStart);
        auto window = ShownWindow(QDate(2023, 9, 15), settings);
        const Controls w = ControlsOf(*window);
        QDateEdit* field = w.dateField;
        QVERIFY(!field->findChild<QCalendarWidget*>());
        if (switchTurnedFirst) {
            OpenTab(*window, w.settingsPage);
            Click(w.weekStart);
            Click(w.settingsBack);
        }
        QCalendarWidget* calendar = nullptr;
        if (openedByClick) {
            QTest::mouseClick(field, Qt::LeftButton, {},
                              QPoint(field->width() - 5, field->height() / 2));
            calendar = field->findChild<QCalendarWidget*>();
            QVERIFY(calendar);
            QTRY_VERIFY(calendar->window()->isVisible());
        } else {
            calendar = field->calendarWidget();
        }
        QCOMPARE(calendar->firstDayOfWeek(), weekStart);

        if (calendar->window()->isVisible())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        PickDate(*window, QDate(2024, 5, 10));
        QCOMPARE(window->view().shownDate, D(2024, 5, 10));
        QCOMPARE(window->view().markedDate, D(2024, 5, 10));
    }
};

QTEST_MAIN(TestDatePicker)
#include "test_date_picker.moc"
