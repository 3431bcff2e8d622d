// What a screen reader is told of a control as the focus reaches it and as its value steps: the
// value a list shows from the start, every step of a number, date or time, the note field on the
// first Tab, the month's counts, and the window's words without a role before them.

#include "accessibility_listener.h"
#include "days_helpers.h"

#include "ui/publishing/publish_dialog.h"
#include "ui/settings/export_dialog.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolTip>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

QAccessibleInterface* Interface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

bool IsTextEvent(QAccessible::Event type) {
    return type == QAccessible::TextInserted || type == QAccessible::TextRemoved ||
           type == QAccessible::TextUpdated || type == QAccessible::TextCaretMoved ||
           type == QAccessible::TextSelectionChanged;
}

// The first event about `about` heard since the last clear that is of one of the kinds asked.
QAccessible::Event FirstHeardOf(QAccessibleInterface* about,
                                const std::function<bool(QAccessible::Event)>& kind) {
    for (const HeardEvent& event : std::as_const(Heard())) {
        if (event.about == about && kind(event.type))
            return event.type;
    }
    return QAccessible::InvalidEvent;
}

// A field that steps, shown where a user meets it, the focus brought to it by the Tab key.
struct SteppingField {
    std::unique_ptr<WindowUnderTest> window;
    std::unique_ptr<QDialog> dialog;
    QAbstractSpinBox* field = nullptr;
};

SteppingField ShowField(const QString& where) {
    SteppingField shown;
    const Platform platform =
        FixedPlatform(QDate(2023, 9, 15), QLocale(QLocale::English, QLocale::UnitedStates), {});
    if (where == "export first month" || where == "publish months") {
        if (where == "export first month") {
            shown.dialog =
                std::make_unique<ExportDialog>("5 TFS", D(2023, 9, 15), platform, nullptr);
        } else {
            const PublishTarget target{PublishTarget::Kind::Folder, {}, {}, "/tmp/duty", 9, {}};
            shown.dialog = std::make_unique<PublishDialog>(target, QString(), platform, nullptr);
        }
        shown.dialog->show();
        shown.dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(shown.dialog.get()))
            return shown;
        shown.field = shown.dialog->findChild<QAbstractSpinBox*>(
            where == "export first month" ? "firstMonthEdit" : "monthsBox");
    } else {
        const QByteArray hours = where == "duty start" ? "[Duty Hours]\n5 TFS=09:00-21:00\n" : "";
        shown.window =
            std::make_unique<WindowUnderTest>(ShownWindow(D(2023, 9, 15), kCrew5 + hours));
        MainWindow& window = **shown.window;
        const Controls w = ControlsOf(window);
        if (where == "date field") {
            shown.field = w.dateField;
        } else {
            OpenTab(window, w.settingsPage);
            shown.field = Find<QAbstractSpinBox>(
                w.settingsPage, where == "duty start" ? "dutyStartField" : "dutyLengthField");
        }
    }
    if (shown.field && !TabTo(shown.field))
        shown.field = nullptr;
    return shown;
}

} // namespace

class TestHeardValues : public QObject {
    Q_OBJECT
private slots:
    void init() { DUTYLOOP_HEAR_OR_SKIP(); }
    void cleanup() {
        StopHearing();
        QToolTip::hideText();
    }

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

    // Each step is told as a new value before the field's text changes, so that a screen reader
    // reads the whole new text and takes the changes of its text that follow as said; each value
    // differs from the one before, or the screen reader would take it as said already.
    void eachStepIsToldBeforeItsText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("duty start, into two-digit hours")
            << "duty start" << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}
            << QStringList{"10:00 AM", "11:00 AM", "10:00 AM"};
        QTest::newRow("duty length, from all day")
            << "duty length" << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}
            << QStringList{"1 h", "2 h", "1 h", "All day"};
        QTest::newRow("date field, by month")
            << "date field" << QList<int>{Qt::Key_Home, Qt::Key_Down, Qt::Key_Down}
            << QStringList{"9/15/2023", "8/15/2023", "7/15/2023"};
        QTest::newRow("export's first month")
            << "export first month" << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}
            << QStringList{"August 2023", "July 2023", "August 2023"};
        QTest::newRow("publish months, into two digits")
            << "publish months" << QList<int>{Qt::Key_Up, Qt::Key_Up} << QStringList{"10", "11"};
    }
    void eachStepIsToldBeforeItsText() {
        QFETCH(QString, field);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, texts);
        const SteppingField shown = ShowField(field);
        QVERIFY(shown.field);
        QAccessibleInterface* heard = Interface(shown.field);
        QVERIFY(heard->valueInterface());
        QVariant before = heard->valueInterface()->currentValue();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            Heard().clear();
            QTest::keyClick(shown.field, Qt::Key(keys[i]));
            QCOMPARE(heard->text(QAccessible::Value), texts[i]);
            // Home moves the cursor alone.
            if (keys[i] == Qt::Key_Home)
                continue;
            const QAccessible::Event first = FirstHeardOf(heard, [](QAccessible::Event type) {
                return type == QAccessible::ValueChanged || IsTextEvent(type);
            });
            QCOMPARE(first, QAccessible::ValueChanged);
            const QVariant now = heard->valueInterface()->currentValue();
            QVERIFY2(now.isValid() && now != before, qPrintable(texts[i]));
            before = now;
        }
    }

    // The Tab key into the day's note: the focus is told before the cursor and the selection,
    // empty or not; the note keeps being typed into and is selected whole as before.
    void theNoteIsToldFocusedFirst_data() {
        QTest::addColumn<QByteArray>("days");
        QTest::addColumn<QString>("selected");
        QTest::newRow("an empty note") << QByteArray() << QString();
        QTest::newRow("a note written")
            << QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist\n") << "Dentist";
    }
    void theNoteIsToldFocusedFirst() {
        QFETCH(QByteArray, days);
        QFETCH(QString, selected);
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        if (!days.isEmpty())
            WriteDaysFile(fixture, days);
        StartWindow(fixture, QDate(2023, 9, 15));
        bool checked = false;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            auto* note = Find<QLineEdit>(dialog, "noteEdit");
            QTRY_VERIFY(QApplication::focusWidget() &&
                        QApplication::focusWidget()->window() == dialog);
            Heard().clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(note->hasFocus());
            QTRY_VERIFY(!HeardAbout(QAccessible::TextCaretMoved).isEmpty() ||
                        !HeardAbout(QAccessible::TextSelectionChanged).isEmpty());
            const QAccessible::Event first = FirstHeardOf(Interface(note), [](auto type) {
                return type == QAccessible::Focus || IsTextEvent(type);
            });
            QCOMPARE(first, QAccessible::Focus);
            QCOMPARE(note->selectedText(), selected);
            QTest::keyClicks(note, "Kim");
            QCOMPARE(note->text(), QStringLiteral("Kim"));
            checked = true;
            dialog->reject();
        });
        ClickCell(*fixture, CellOf(*fixture, QDate(2023, 9, 18)));
        QTest::keyClick(KeyTarget(*fixture), Qt::Key_Return);
        QTRY_VERIFY(answer.happened());
        QVERIFY(checked);
    }

    // The month's counts are the month's description; the Tab key stops on the month between the
    // arrows, which shows them as a tooltip there. A key that moves the day takes the focus on to
    // the days.
    void theMonthsCountsAreReachedByTab() {
        auto window = ShownWindow(QDate(2026, 12, 10), kCrew5);
        const Controls w = ControlsOf(*window);
        const QString counts = QStringLiteral("December 2026: 12 work days, 19 off\n"
                                              "January to December 2026: 157 work days, 208 off");
        QVERIFY(TabTo(w.previousMonth));
        // The key goes up where the focus has gone.
        QTest::keyPress(w.previousMonth, Qt::Key_Tab);
        QVERIFY(w.monthLabel->hasFocus());
        QTest::keyRelease(w.monthLabel, Qt::Key_Tab);
        QAccessibleInterface* month = Interface(w.monthLabel);
        QCOMPARE(month->role(), QAccessible::Heading);
        QCOMPARE(month->text(QAccessible::Name), QStringLiteral("December 2026"));
        QCOMPARE(month->text(QAccessible::Description), counts);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), counts);
        QTest::keyClick(w.monthLabel, Qt::Key_Tab);
        QVERIFY(w.nextMonth->hasFocus());
        QTest::keyClick(w.nextMonth, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(w.monthLabel, Qt::Key_Right);
        QVERIFY(w.monthView->hasFocus());
        QCOMPARE(window->view().shownDate, QDate(2026, 12, 11));
    }

    // Without a length the duty has no start, which the Tab key passes by; the length says why,
    // and once it is set the start is reached.
    void theLengthSaysWhyTheStartIsPassedBy() {
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        auto* start = Find<QWidget>(w.settingsPage, "dutyStartField");
        auto* length = Find<QSpinBox>(w.settingsPage, "dutyLengthField");
        QVERIFY(TabTo(length));
        QCOMPARE(Interface(length)->text(QAccessible::Description),
                 QStringLiteral("A duty all day has no start; give it a length to set when it "
                                "starts."));
        QTest::keyClick(length, Qt::Key_Up);
        QCOMPARE(Interface(length)->text(QAccessible::Description), QString());
        QTest::keyClick(length, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(start->hasFocus());
    }

    // Orca reads a notification with its role's name before its words, unless it stands in a
    // status bar; the window's words stand in one.
    void theWindowsWordsStandInAStatusBar() {
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        OpenTab(*window, ControlsOf(*window).settingsPage);
        // Save can be pressed once there is something to save.
        Click(ControlsOf(*window).weekStart);
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
