// A crew's duty hours and the reminder, set on the Settings tab with the keys and the mouse as a
// hand sets them, then shown with the duty, counted in hours and kept by Save.

#include "file_helpers.h"
#include "window_fixture.h"

#include "ui/settings/closing_combo_box.h"
#include "ui/settings/time_field.h"

#include <QSpinBox>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

TimeField* DutyStart(MainWindow& window) {
    return Find<TimeField>(ControlsOf(window).settingsPage, "dutyStartField");
}
QSpinBox* DutyLength(MainWindow& window) {
    return Find<QSpinBox>(ControlsOf(window).settingsPage, "dutyLengthField");
}

// Types over the whole field, as a user who selects its text and writes a new value.
void TypeInto(QAbstractSpinBox* field, const QString& text) {
    Click(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

int CellOf(MainWindow& window, QDate date) {
    const auto& dates = window.view().cellDates;
    return int(std::find(dates.begin(), dates.end(), date) - dates.begin());
}

} // namespace

class TestDutyHoursSettings : public QObject {
    Q_OBJECT
private slots:
    // 5 TFS works 2, 3, 4, 9, 10, 11, 15, 16, 21, 22, 23, 28, 29 and 30 March 2027: 14 nights
    // of 12 hours from 19:00, in the US English time format.
    void hoursSetByHandAreShownCountedAndSaved() {
        WindowUnderTest window;
        window.adjustPlatform = [](Platform& platform) {
            platform.now = [] {
                return QDateTime(QDate(2027, 3, 1), QTime(12, 0), QTimeZone("Europe/Berlin"));
            };
        };
        WriteSettingsFile(window, kCrew5);
        StartWindow(window, QDate(2027, 3, 1));
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        QVERIFY(!DutyStart(*window)->isEnabled());
        QCOMPARE(DutyLength(*window)->text(), QStringLiteral("All day"));
        TypeInto(DutyLength(*window), QStringLiteral("12"));
        QVERIFY(DutyStart(*window)->isEnabled());
        // Typed from the hour, the time replaces the whole.
        Click(DutyStart(*window));
        QTest::keyClick(DutyStart(*window), Qt::Key_Home);
        QTest::keyClicks(DutyStart(*window), QStringLiteral("7:00 PM"));
        QTest::keyClick(DutyStart(*window), Qt::Key_Return);
        QCOMPARE(DutyStart(*window)->time(), QTime(19, 0));

        ClosingComboBox* reminder = Find<ClosingComboBox>(w.settingsPage, "reminderBox");
        OpenList(reminder);
        ClickListEntry(reminder, reminder->findText(QStringLiteral("1 hour before")));
        Click(w.save);
        const QByteArray saved = ReadBack(window->settingsFilePath());
        QVERIFY2(saved.contains("[Duty Hours]\n5 TFS=19:00-07:00\n"), saved.constData());
        QVERIFY2(saved.contains("[Reminder]\nRemind=60\n"), saved.constData());

        Click(w.settingsBack);
        PickDate(*window, QDate(2027, 3, 2));
        QCOMPARE(w.status->text(), QStringLiteral("3/2/2027\nWork 7:00 PM – 7:00 AM next day"));
        const CellLook& cell =
            window->monthPage().cells[std::size_t(CellOf(*window, QDate(2027, 3, 2)))];
        QCOMPARE(cell.accessibleName,
                 QStringLiteral("Tuesday, March 2, 2027, work day, 7:00 PM – 7:00 AM next day"));
        QVERIFY2(window->monthPage().monthCounts.contains(
                     QStringLiteral("\nHours on duty: 168 in March, ")),
                 qPrintable(window->monthPage().monthCounts));
        // A day off says no hours.
        PickDate(*window, QDate(2027, 3, 5));
        QCOMPARE(w.status->text(), QStringLiteral("3/5/2027\nOff-Duty"));
    }

    // Each crew keeps its own hours; the agency-wide entry has none to set.
    void hoursFollowTheChosenCrew() {
        auto window = ShownWindow(QDate(2027, 3, 1),
                                  kCrew5 + "[Duty Hours]\n5 TFS=07:00-07:00\n6 FSS=06:00-18:00\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        QCOMPARE(DutyLength(*window)->value(), 24);
        QCOMPARE(DutyStart(*window)->time(), QTime(7, 0));
        ChooseAssignment(*window, QStringLiteral("6 FSS"));
        QCOMPARE(DutyLength(*window)->value(), 12);
        QCOMPARE(DutyStart(*window)->time(), QTime(6, 0));
        QCOMPARE(DutyStart(*window)->accessibleName(), QStringLiteral("Duty of 6 FSS starts at"));
        ChooseAssignment(*window, QStringLiteral("Tornvale"));
        QVERIFY(!DutyLength(*window)->isEnabled());
        QVERIFY(!DutyStart(*window)->isEnabled());
    }
};

QTEST_MAIN(TestDutyHoursSettings)
#include "test_duty_hours_settings.moc"
