// Ctrl+Tab and Ctrl+Shift+Tab change the tab from whatever control has the focus, as Qt's tab
// widget promises; a control that swallowed them would leave a keyboard user on its tab.

#include "window_fixture.h"

#include <QAbstractSpinBox>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5WithHours = "[Config]\nWorkAssign=5 TFS\n[Duty Hours]\n5 TFS=07:00-19:00\n";

} // namespace

class TestTabSwitching : public QObject {
    Q_OBJECT
private slots:
    // Every control of the Settings tab the Tab key reaches, by the name a user's tools find.
    void fromEverySettingsControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("backwards");
        for (const char* name :
             {"assignmentBox", "weekStartSwitch", "holidaysBox", "dutyStartField",
              "dutyLengthField", "reminderBox", "workColorButton", "exportButton", "saveButton"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, Ctrl+Tab").arg(name)))
                << QString::fromLatin1(name) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, Ctrl+Shift+Tab").arg(name)))
                << QString::fromLatin1(name) << true;
        }
    }
    void fromEverySettingsControl() {
        QFETCH(QString, control);
        QFETCH(bool, backwards);
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5WithHours);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        // Save is reached once there is something to save.
        if (control == QLatin1String("saveButton"))
            Click(w.weekStart);
        auto* widget = Find<QWidget>(w.settingsPage, qPrintable(control));
        QVERIFY(TabTo(widget));
        if (backwards)
            QTest::keyClick(widget, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(widget, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.tabs->currentWidget(), backwards ? static_cast<QWidget*>(w.calendarPage)
                                                    : static_cast<QWidget*>(w.helpPage));
    }
};

QTEST_MAIN(TestTabSwitching)
#include "test_tab_switching.moc"
