// The user's own days through the window: a double-click, Enter or the context menu opens the
// day's dialog; what is chosen there shows in the cell, the status line and the tooltip, is in
// the days file at once and again after a restart, and a failed write changes nothing.

#include "days_helpers.h"

#include "platform/file_services.h"

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

// Monday 2023-09-18 is a work day of 3 TWT, read off the pattern table from its anchor Monday
// 2013-12-09; in the window's US English it reads as below.
const QDate kWorkDay(2023, 9, 18);
const QString kWorkDayTitle = QStringLiteral("Monday, September 18, 2023: work day");

// The tooltip the view shows when the pointer rests on the day.
QString ShownToolTip(MainWindow& window, QDate day) {
    MonthView* view = ControlsOf(window).monthView;
    const QPoint at = view->cellRect(CellOf(window, day)).center();
    QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
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

    void enterOpensTheSelectedDay_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("title");
        QTest::newRow("all day") << kThreeTwt << kWorkDayTitle;
        QTest::newRow("with the crew's hours")
            << kThreeTwt + "[Duty Hours]\n3 TWT=07:00-07:00\n"
            << kWorkDayTitle + QStringLiteral(", 7:00 AM – 7:00 AM next day");
        QTest::newRow("another crew's hours") << kThreeTwt + "[Duty Hours]\n5 TFS=07:00-07:00\n"
                                              << kWorkDayTitle;
    }
    void enterOpensTheSelectedDay() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, title);
        WindowUnderTest fixture = ShownWindow(QDate(2023, 9, 15), settings);
        ClickCell(*fixture, CellOf(*fixture, kWorkDay));
        QString shownTitle;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            shownTitle = dialog->windowTitle();
            Click(dialog->findChild<QDialogButtonBox*>("buttonBox")
                      ->button(QDialogButtonBox::Cancel));
        });
        QTest::keyClick(KeyTarget(*fixture), Qt::Key_Return);
        QVERIFY(answer.happened());
        QCOMPARE(shownTitle, title);
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
        QTest::addColumn<QString>("reason");
        QTest::newRow("open") << WriteStep::Open << "Permission denied";
        QTest::newRow("write") << WriteStep::Write << "No space left on device";
        QTest::newRow("flush") << WriteStep::Flush << "Input/output error";
        QTest::newRow("commit") << WriteStep::Commit << "Operation not permitted";
    }
    void aFailedWriteKeepsTheFileAndTheCalendar() {
        QFETCH(WriteStep, failingStep);
        QFETCH(QString, reason);
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
            QStringList{
                QStringLiteral("Unable to write to %1: %2.").arg(DaysFilePathOf(fixture), reason)});
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

    // The note field keeps what can be stored as it is typed: a character that would pass the
    // limit is not taken in whole or in part, and a direction control not at all.
    void theNoteKeepsWholeCharacters_data() {
        QTest::addColumn<QString>("typed"); // key by key
        QTest::addColumn<QString>("sent");  // then one key's text, as a keyboard or picker sends it
        QTest::addColumn<QString>("shown"); // in the field
        QTest::addColumn<QString>("kept");  // in the file
        const QString x299(299, u'x');
        const QString x298(298, u'x');
        const QString emoji = QString::fromUtf8("\U0001F600");
        QTest::newRow("an emoji past the limit") << x299 << emoji << x299 << x299;
        QTest::newRow("an emoji that ends at the limit")
            << x298 << emoji << x298 + emoji << x298 + emoji;
        QTest::newRow("an accent that would carry its e past the limit")
            << x299 + QLatin1Char('e') << QString::fromUtf8("\u0301") << x299 << x299;
        QTest::newRow("a flag past the limit")
            << x298 << QString::fromUtf8("\U0001F1E9\U0001F1EA") << x298 << x298;
        QTest::newRow("a right-to-left override")
            << QStringLiteral("Dentist ") << QString::fromUtf8("\u202E")
            << QStringLiteral("Dentist ") << QStringLiteral("Dentist");
    }
    void theNoteKeepsWholeCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        QFETCH(QString, shown);
        QFETCH(QString, kept);
        WindowUnderTest fixture = ShownWindow(QDate(2023, 9, 15), kThreeTwt);
        QString field;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            ClickRadio(Find<QRadioButton>(dialog, "leaveButton"));
            auto* note = Find<QLineEdit>(dialog, "noteEdit");
            QTest::keyClicks(note, typed);
            QTest::sendKeyEvent(QTest::Click, note, Qt::Key_unknown, sent, Qt::NoModifier);
            field = note->text();
            Click(DialogButton(dialog, QDialogButtonBox::Ok));
        });
        DoubleClickDay(*fixture, kWorkDay);
        QVERIFY(answer.happened());
        QCOMPARE(field, shown);
        QCOMPARE(DaysFileOf(fixture), "[Days 3 TWT]\n2023-09-18=leave;" + kept.toUtf8() + '\n');
    }

    // A note of 300 characters without a blank, as a file may hold it, and a direction override
    // before it: the tooltip stays a readable width and reads left to right.
    void aLongNoteWrapsInItsTooltip() {
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, kThreeTwt);
        WriteDaysFile(fixture,
                      "[Days 3 TWT]\n2023-09-18=leave;\xE2\x80\xAE" + QByteArray(300, 'x') + "\n");
        StartWindow(fixture);
        const QString tip = ShownToolTip(*fixture, kWorkDay);
        QVERIFY(!tip.contains(QChar(0x202E)));
        QVERIFY(QString(tip).remove(QChar(0x200B)).contains("Note: " + QString(300, u'x')));
        QLabel* label = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
                label = qobject_cast<QLabel*>(widget);
        }
        QVERIFY(label);
        // About as wide as 80 average characters, the width Qt gives wrapped text, and so on a
        // few lines; plain, the note alone would be 300 characters wide.
        const QFontMetrics metrics(label->font());
        QVERIFY2(label->width() <= 90 * metrics.averageCharWidth(),
                 qPrintable(QString::number(label->width())));
        QVERIFY(label->height() >= 5 * metrics.lineSpacing());
    }

    // Where nothing can be changed the dialog says why, and a line written there by hand counts
    // for nothing.
    void nothingWhereNoRotationRuns_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("hint");
        QTest::newRow("before the crew's rotation starts")
            << kThreeTwt << QDate(2013, 12, 4)
            << "No change can be made before the rotation starts.";
        // Past its far anchor the agency-wide entry has days of the pattern, but still no crew.
        QTest::newRow("under the agency-wide entry, past its anchor")
            << QByteArray("[Config]\nWorkAssign=Tornvale\n") << QDate(2101, 1, 5)
            << "No change can be made under Tornvale, which follows no crew's rotation.";
    }
    void nothingWhereNoRotationRuns() {
        QFETCH(QByteArray, settings);
        QFETCH(QDate, day);
        QFETCH(QString, hint);
        WindowUnderTest fixture;
        WriteSettingsFile(fixture, settings);
        const QByteArray byHand = "[Days 3 TWT]\n2013-12-04=leave\n[Days Tornvale]\n"
                                  "2101-01-05=leave\n";
        WriteDaysFile(fixture, byHand);
        StartWindow(fixture, day);
        OpenTab(*fixture, ControlsOf(*fixture).calendarPage);
        QCOMPARE(CellLookOf(*fixture, day).change, DayChangeKind::AsRostered);
        bool okEnabled = true;
        bool anyKind = false;
        bool noteEnabled = true;
        QString shownHint;
        OnNextModal<DayDialog> answer([&](DayDialog* dialog) {
            okEnabled = DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled();
            for (QRadioButton* kind : dialog->findChildren<QRadioButton*>())
                anyKind = anyKind || kind->isEnabled();
            noteEnabled = Find<QLineEdit>(dialog, "noteEdit")->isEnabled();
            shownHint = Find<QLabel>(dialog, "dayHint")->text();
            Click(DialogButton(dialog, QDialogButtonBox::Cancel));
        });
        DoubleClickDay(*fixture, day);
        QVERIFY(answer.happened());
        QVERIFY(!okEnabled);
        QVERIFY(!anyKind);
        QVERIFY(!noteEnabled);
        QCOMPARE(shownHint, hint);
        QCOMPARE(DaysFileOf(fixture), byHand);
    }
};

QTEST_MAIN(TestDayChangesWindow)
#include "test_day_changes_window.moc"
