// What a screen reader is told of a control as the focus reaches it and as its value steps: the
// value a list shows from the start, every step of a number, date or time, the note field on the
// first Tab, the month's counts, and the window's words without a role before them.

#include "accessibility_listener.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

} // namespace

class TestHeardValues : public QObject {
    Q_OBJECT
private slots:
    void init() { DUTYLOOP_HEAR_OR_SKIP(); }
    void cleanup() { StopHearing(); }

    // Orca reads a notification with its role's name before its words, unless it stands in a
    // status bar; the window's words stand in one.
    void theWindowsWordsStandInAStatusBar() {
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        OpenTab(*window, ControlsOf(*window).settingsPage);
        Heard().clear();
        Click(ControlsOf(*window).save);
        QTRY_COMPARE(Announced(), QStringList{QStringLiteral("Settings saved")});
        for (QAccessibleInterface* shown : HeardAbout(QAccessible::ObjectShow)) {
            if (shown->role() == QAccessible::Notification)
                QCOMPARE(shown->parent()->role(), QAccessible::StatusBar);
        }
    }
};

QTEST_MAIN(TestHeardValues)
#include "test_heard_values.moc"
