// What a screen reader is told of a control as the focus reaches it and as its value steps: the
// value a list shows from the start, every step of a number, date or time, the note field on the
// first Tab, the month's counts, and the window's words without a role before them.

#include "accessibility_listener.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

QAccessibleInterface* Interface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestHeardValues : public QObject {
    Q_OBJECT
private slots:
    void init() { DUTYLOOP_HEAR_OR_SKIP(); }
    void cleanup() { StopHearing(); }

    // A list reads out the entry it shows after a start, before any change: its entry is set
    // there while its signals are blocked.
    void aListSaysTheEntryItShowsFromTheStart_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::newRow("holidays of a region")
            << kCrew5 + "[Holidays]\nRegion=DE-BY\n"
            << "holidaysBox" << QString::fromUtf8("Germany – Bavaria");
        QTest::newRow("a reminder before duty") << kCrew5 + "[Reminder]\nRemind=60\n"
                                                << "reminderBox"
                                                << "1 hour before";
        QTest::newRow("a reminder the evening before") << kCrew5 + "[Reminder]\nRemind=19:30\n"
                                                       << "reminderBox"
                                                       << "The evening before";
        QTest::newRow("the crew") << kCrew5 << "assignmentBox"
                                  << "5 TFS";
    }
    void aListSaysTheEntryItShowsFromTheStart() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, list);
        QFETCH(QString, entry);
        auto window = ShownWindow(QDate(2023, 9, 15), settings);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        auto* box = Find<QComboBox>(w.settingsPage, qPrintable(list));
        QVERIFY(TabTo(box));
        QCOMPARE(Interface(box)->text(QAccessible::Description), entry);
    }

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
