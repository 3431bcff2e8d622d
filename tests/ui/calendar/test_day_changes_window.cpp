// The user's own days through the window: a double-click, Enter or the context menu opens the
// day's dialog; what is chosen there shows in the cell, the status line and the tooltip, is in
// the days file at once and again after a restart, and a failed write changes nothing.

#include "window_fixture.h"

#include "platform/file_services.h"
#include "ui/calendar/day_dialog.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QToolTip>
#include <QWindow>

using namespace dutyloop;
using namespace dutyloop::testing;

Q_DECLARE_METATYPE(WriteStep)

namespace {

const QByteArray kThreeTwt = "[Config]\nWorkAssign=3 TWT\n";

// Monday 2023-09-18 is a work day of 3 TWT, read off the pattern table from its anchor Monday
// 2013-12-09; in the window's US English it reads as below.
const QDate kWorkDay(2023, 9, 18);
const QString kWorkDayTitle = QStringLiteral("Monday, September 18, 2023: work day");

QString DaysFilePathOf(const WindowUnderTest& fixture) {
    return fixture.settingsFolder() + QStringLiteral("/dutyloop-days.ini");
}

QByteArray DaysFileOf(const WindowUnderTest& fixture) {
    QFile file(DaysFilePathOf(fixture));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteDaysFile(const WindowUnderTest& fixture, const QByteArray& text) {
    QDir().mkpath(fixture.settingsFolder());
    QFile file(DaysFilePathOf(fixture));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the days file");
}

int CellOf(MainWindow& window, QDate day) {
    return static_cast<int>(window.monthPage().cells[0].date.daysTo(day));
}

const CellLook& CellLookOf(MainWindow& window, QDate day) {
    return window.monthPage().cells[static_cast<std::size_t>(CellOf(window, day))];
}

void DoubleClickDay(MainWindow& window, QDate day) {
    MonthView* view = ControlsOf(window).monthView;
    QTest::mouseDClick(view, Qt::LeftButton, {}, view->cellRect(CellOf(window, day)).center());
}

// The tooltip the view shows when the pointer rests on the day.
QString ShownToolTip(MainWindow& window, QDate day) {
    MonthView* view = ControlsOf(window).monthView;
    const QPoint at = view->cellRect(CellOf(window, day)).center();
    QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// A click on the round mark at the start of a radio button's row, which stretches across the
// dialog beyond its label.
void ClickRadio(QRadioButton* button) {
    const QPoint start(button->isRightToLeft() ? button->width() - 6 : 6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, start);
}

// Chooses leave, types the note and presses OK, as a hand does in the dialog.
void ChooseLeaveWithNote(DayDialog* dialog, const QString& note) {
    ClickRadio(Find<QRadioButton>(dialog, "leaveButton"));
    QTest::keyClicks(Find<QLineEdit>(dialog, "noteEdit"), note);
    Click(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok));
}

} // namespace

class TestDayChangesWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QToolTip::hideText(); }

    void leaveWithANoteAndBackAgain() {
        WindowUnderTest fixture = ShownWindow(QDate(2023, 9, 15), kThreeTwt);
        ClickCell(*fixture, CellOf(*fixture, kWorkDay));
        const CellLook rostered = CellLookOf(*fixture, kWorkDay);
        const QString rosteredStatus = ControlsOf(*fixture).status->text();
        QVERIFY(rosteredStatus.endsWith(QStringLiteral("\nWork")));

        QString title;
        {
            OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
                title = dialog->windowTitle();
                ChooseLeaveWithNote(dialog, QStringLiteral("Dentist at 10"));
            });
            DoubleClickDay(*fixture, kWorkDay);
            QVERIFY(answer.happened());
        }
        QCOMPARE(title, kWorkDayTitle);
        QCOMPARE(DaysFileOf(fixture), QByteArray("[Days 3 TWT]\n2023-09-18=leave;Dentist at 10\n"));
        QVERIFY(fixture.errors->isEmpty());

        // The same before and after a restart on the same folder.
        for (const bool restarted : {false, true}) {
            if (restarted) {
                fixture.window.reset();
                StartWindow(fixture);
                ClickCell(*fixture, CellOf(*fixture, kWorkDay));
            }
            const CellLook& cell = CellLookOf(*fixture, kWorkDay);
            QCOMPARE(cell.duty, DutyCode::Off);
            QCOMPARE(cell.change, DayChangeKind::Leave);
            QVERIFY(cell.hasNote);
            // Selected, so filled with the off-duty colour.
            QCOMPARE(cell.fill, fixture->settings().colors.off);
            QCOMPARE(ControlsOf(*fixture).status->text(),
                     rosteredStatus.chopped(4) + QStringLiteral("Leave"));
            QCOMPARE(cell.accessibleName,
                     QStringLiteral("Monday, September 18, 2023, off duty, Leave, note: "
                                    "Dentist at 10"));
            QCOMPARE(ShownToolTip(*fixture, kWorkDay),
                     rostered.toolTip + QStringLiteral("\nLeave\nNote: Dentist at 10"));
        }

        {
            OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
                QVERIFY(Find<QRadioButton>(dialog, "leaveButton")->isChecked());
                QCOMPARE(Find<QLineEdit>(dialog, "noteEdit")->text(),
                         QStringLiteral("Dentist at 10"));
                Click(Find<QPushButton>(dialog, "removeChangeButton"));
            });
            DoubleClickDay(*fixture, kWorkDay);
            QVERIFY(answer.happened());
        }
        QVERIFY(!DaysFileOf(fixture).contains("2023-09-18"));
        QCOMPARE(CellLookOf(*fixture, kWorkDay), rostered);
        QCOMPARE(ControlsOf(*fixture).status->text(), rosteredStatus);
    }

    void enterOpensTheSelectedDay() {
        WindowUnderTest fixture = ShownWindow(QDate(2023, 9, 15), kThreeTwt);
        ClickCell(*fixture, CellOf(*fixture, kWorkDay));
        QString title;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            title = dialog->windowTitle();
            Click(dialog->findChild<QDialogButtonBox*>("buttonBox")
                      ->button(QDialogButtonBox::Cancel));
        });
        QTest::keyClick(KeyTarget(*fixture), Qt::Key_Return);
        QVERIFY(answer.happened());
        QCOMPARE(title, kWorkDayTitle);
        // Cancel writes nothing.
        QVERIFY(!QFile::exists(DaysFilePathOf(fixture)));
    }

    void theContextMenuOpensTheDay_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("right click") << false;
        QTest::newRow("menu key on the selected day") << true;
    }
    void theContextMenuOpensTheDay() {
        QFETCH(bool, byKeyboard);
        WindowUnderTest fixture = ShownWindow(QDate(2023, 9, 15), kThreeTwt);
        MonthView* view = ControlsOf(*fixture).monthView;
        const QPoint at = view->cellRect(CellOf(*fixture, kWorkDay)).center();
        // The menu is a popup, not a modal window: its entry is clicked once it shows.
        QTimer menuWatch;
        menuWatch.setInterval(10);
        bool menuShown = false;
        QObject::connect(&menuWatch, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            menuWatch.stop();
            menuShown = true;
            const QRect entry = menu->actionGeometry(menu->actions().first());
            QTest::mouseMove(menu, entry.center());
            QTest::mouseClick(menu, Qt::LeftButton, {}, entry.center());
        });
        menuWatch.start();
        QString title;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            title = dialog->windowTitle();
            Click(dialog->findChild<QDialogButtonBox*>("buttonBox")
                      ->button(QDialogButtonBox::Cancel));
        });
        if (byKeyboard) {
            ClickCell(*fixture, CellOf(*fixture, kWorkDay));
            // The window system turns the menu key into a request for a context menu, which Qt
            // hands to the widget with the focus; the offscreen one has no keyboard to do so.
            QCOMPARE(QApplication::focusWidget(), view);
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
            QApplication::sendEvent(QApplication::focusWidget(), &menuKey);
        } else {
            // Through the window, where the right button becomes a request for a context menu.
            QTest::mouseClick(fixture->windowHandle(), Qt::RightButton, {},
                              view->mapTo(fixture.get(), at));
        }
        QTRY_VERIFY(answer.happened());
        QVERIFY(menuShown);
        QCOMPARE(title, kWorkDayTitle);
    }

    void aFailedWriteKeepsTheFileAndTheCalendar_data() {
        QTest::addColumn<WriteStep>("failingStep");
        QTest::newRow("open") << WriteStep::Open;
        QTest::newRow("write") << WriteStep::Write;
        QTest::newRow("flush") << WriteStep::Flush;
        QTest::newRow("commit") << WriteStep::Commit;
    }
    void aFailedWriteKeepsTheFileAndTheCalendar() {
        QFETCH(WriteStep, failingStep);
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        const QByteArray before = "; mine\n[Days 3 TWT]\n2023-09-19=sick\n";
        WriteDaysFile(fixture, before);
        fixture.adjustPlatform = [failingStep](Platform& platform) {
            platform.writeFault = [failingStep](WriteStep step) { return step == failingStep; };
        };
        StartWindow(fixture);
        ClickCell(*fixture, CellOf(*fixture, kWorkDay));
        const MonthPage shown = fixture->monthPage();
        OnNextModal<DayDialog> answer(
            [](DayDialog* dialog) { ChooseLeaveWithNote(dialog, QStringLiteral("Dentist")); });
        DoubleClickDay(*fixture, kWorkDay);
        QVERIFY(answer.happened());
        QCOMPARE(
            *fixture.errors,
            QStringList{QStringLiteral("Unable to write to %1.").arg(DaysFilePathOf(fixture))});
        QCOMPARE(DaysFileOf(fixture), before);
        QCOMPARE(QDir(fixture.settingsFolder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"dlTornvale.ini", "dutyloop-days.ini"}));
        // The calendar still shows what the file holds: the sick day, and no leave.
        QCOMPARE(fixture->monthPage(), shown);
        QCOMPARE(CellLookOf(*fixture, QDate(2023, 9, 19)).change, DayChangeKind::Sick);
    }

    // A file that no dialog wrote: the window reads what it can, and the next change keeps
    // every line of it.
    void aHostileFileLosesNothing() {
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        const QByteArray before =
            QByteArray("\xFF\xFE junk\r\n[Other]\r\nx=\0y\r\n", 24) + QByteArray(100000, 'z') +
            "\r\n[Days 3 TWT]\r\n2023-09-19=sick;a\xC3\r\n2023-02-30=leave\r\n"
            "[Days 2 MTW]\r\n2023-09-18=extra\r\n";
        WriteDaysFile(fixture, before);
        StartWindow(fixture);
        QCOMPARE(CellLookOf(*fixture, QDate(2023, 9, 19)).change, DayChangeKind::Sick);
        // Another crew's change does not show.
        QCOMPARE(CellLookOf(*fixture, kWorkDay).change, DayChangeKind::AsRostered);
        OnNextModal<DayDialog> answer(
            [](DayDialog* dialog) { ChooseLeaveWithNote(dialog, QStringLiteral("Dentist")); });
        DoubleClickDay(*fixture, kWorkDay);
        QVERIFY(answer.happened());
        QByteArray expected = before;
        expected.insert(expected.indexOf("[Days 2 MTW]"), "2023-09-18=leave;Dentist\r\n");
        QCOMPARE(DaysFileOf(fixture), expected);
    }

    // Changing the assignment hides the changes made under another, and brings them back.
    void theChangesBelongToTheirCrew() {
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        WriteDaysFile(fixture, "[Days 3 TWT]\n2023-09-18=leave\n");
        StartWindow(fixture);
        QCOMPARE(CellLookOf(*fixture, kWorkDay).change, DayChangeKind::Leave);
        ChooseAssignment(*fixture, QStringLiteral("2 MTW"));
        QCOMPARE(CellLookOf(*fixture, kWorkDay).change, DayChangeKind::AsRostered);
        ChooseAssignment(*fixture, QStringLiteral("3 TWT"));
        QCOMPARE(CellLookOf(*fixture, kWorkDay).change, DayChangeKind::Leave);
        QCOMPARE(DaysFileOf(fixture), QByteArray("[Days 3 TWT]\n2023-09-18=leave\n"));
    }

    // Before the rotation starts the dialog says why nothing can be chosen.
    void nothingBeforeTheRotation() {
        WindowUnderTest fixture = ShownWindow(QDate(2013, 12, 4), kThreeTwt);
        bool okEnabled = true;
        bool anyKind = false;
        QString hint;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            okEnabled = dialog->findChild<QDialogButtonBox*>("buttonBox")
                            ->button(QDialogButtonBox::Ok)
                            ->isEnabled();
            for (QRadioButton* kind : dialog->findChildren<QRadioButton*>())
                anyKind = anyKind || kind->isEnabled();
            hint = dialog->findChild<QLabel*>(QStringLiteral("dayHint"))->text();
            Click(dialog->findChild<QDialogButtonBox*>("buttonBox")
                      ->button(QDialogButtonBox::Cancel));
        });
        DoubleClickDay(*fixture, QDate(2013, 12, 4));
        QVERIFY(answer.happened());
        QVERIFY(!okEnabled);
        QVERIFY(!anyKind);
        QCOMPARE(hint, QStringLiteral("No change can be made before the rotation starts."));
    }
};

QTEST_MAIN(TestDayChangesWindow)
#include "test_day_changes_window.moc"
