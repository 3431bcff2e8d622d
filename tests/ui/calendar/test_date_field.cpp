// The date field below the month follows the selected day, and a date typed into it with the
// keys moves the calendar when Enter is pressed or the field is left; the picker's limits hold.

#include "window_fixture.h"

#include <QLineEdit>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

// Tabs from the month view to the date field, past the Today button, as a keyboard user does.
void TabToDateField(MainWindow& window) {
    const Controls w = ControlsOf(window);
    for (int step = 0; step < 4 && !w.dateField->hasFocus(); ++step)
        QTest::keyClick(KeyTarget(window), Qt::Key_Tab);
}

const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);
const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);
const QLocale kGerman(QLocale::German, QLocale::Germany);

WindowUnderTest WindowIn(const QLocale& locale) {
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    WriteSettingsFile(window, kCrew5);
    StartWindow(window, QDate(2026, 12, 10));
    return window;
}

// Where the year's middle stands in the field's centred text: the year ends the date in each
// of the locales here.
QPoint YearOf(QLineEdit* text) {
    const QFontMetrics metrics = text->fontMetrics();
    const int end = (text->width() + metrics.horizontalAdvance(text->text())) / 2;
    return QPoint(end - metrics.horizontalAdvance(QStringLiteral("26")), text->height() / 2);
}

} // namespace

class TestDateField : public QObject {
    Q_OBJECT
private slots:
    void followsTheSelection_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QDate>("day");
        // Today is Friday 2023-09-15; September 2023 starts on a Friday, in cell 5.
        QTest::newRow("Right") << "right" << QDate(2023, 9, 16);
        QTest::newRow("Page Down") << "pagedown" << QDate(2023, 10, 15);
        QTest::newRow("next month button") << "next" << QDate(2023, 10, 15);
        QTest::newRow("click on a day") << "click" << QDate(2023, 9, 27);
    }
    void followsTheSelection() {
        QFETCH(QString, move);
        QFETCH(QDate, day);
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        if (move == QLatin1String("right"))
            QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        else if (move == QLatin1String("pagedown"))
            QTest::keyClick(KeyTarget(*window), Qt::Key_PageDown);
        else if (move == QLatin1String("next"))
            Click(w.nextMonth);
        else
            ClickCell(*window, 5 + 27 - 1);
        QCOMPARE(w.dateField->date(), day);
        // As an American writes a date, with the whole year.
        QCOMPARE(w.dateField->text(), day.toString(QStringLiteral("M/d/yyyy")));
    }

    void aTypedDateMovesTheCalendar_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("endKey");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("Enter") << "12/25/2024" << int(Qt::Key_Return) << QDate(2024, 12, 25);
        QTest::newRow("leaving the field") << "7/4/2024" << int(Qt::Key_Tab) << QDate(2024, 7, 4);
        QTest::newRow("ISO, in any language")
            << "2024-12-25" << int(Qt::Key_Return) << QDate(2024, 12, 25);
        QTest::newRow("the first day the picker allows")
            << "3/31/2014" << int(Qt::Key_Return) << QDate(2014, 3, 31);
        QTest::newRow("before the first day the picker allows")
            << "5/5/2010" << int(Qt::Key_Return) << QDate(2014, 3, 31);
        QTest::newRow("the last day the picker allows")
            << "2100-12-31" << int(Qt::Key_Return) << QDate(2100, 12, 31);
    }
    void aTypedDateMovesTheCalendar() {
        QFETCH(QString, typed);
        QFETCH(int, endKey);
        QFETCH(QDate, shown);
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        TabToDateField(*window);
        QVERIFY(w.dateField->hasFocus());
        QTest::keyClicks(w.dateField, typed);
        // Nothing moves while the user types.
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        QTest::keyClick(w.dateField, Qt::Key(endKey));
        QCOMPARE(window->view().shownDate, shown);
        // Like a day picked in the drop-down, End returns to it.
        QCOMPARE(window->view().markedDate, shown);
        QCOMPARE(w.dateField->date(), shown);
        // Enter hands the keys back to the days; Tab goes on as it always does.
        QCOMPARE(w.monthView->hasFocus(), endKey == Qt::Key_Return);
        QVERIFY(!w.dateField->hasFocus());
    }

    // However the user makes room for a date (the whole text chosen by keys, the text cleared,
    // a part of it typed over), the date typed is the one shown once Enter is pressed.
    void aDateTypedOverAnySelection_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("shown");
        const QDate christmasEve(2026, 12, 24);
        QTest::newRow("American, Ctrl+A") << kAmerican << "ctrl+a"
                                          << "12/24/2026" << christmasEve;
        QTest::newRow("American, Shift+Home") << kAmerican << "shift+home"
                                              << "6/15/2030" << QDate(2030, 6, 15);
        QTest::newRow("American, ISO after Ctrl+A") << kAmerican << "ctrl+a"
                                                    << "2026-12-24" << christmasEve;
        QTest::newRow("American, all erased with Backspace") << kAmerican << "backspace"
                                                             << "12/24/2026" << christmasEve;
        QTest::newRow("British, Ctrl+A") << kBritish << "ctrl+a"
                                         << "24/12/2026" << christmasEve;
        QTest::newRow("British, Shift+Home") << kBritish << "shift+home"
                                             << "1/5/2027" << QDate(2027, 5, 1);
        QTest::newRow("German, Ctrl+A") << kGerman << "ctrl+a"
                                        << "24.12.2026" << christmasEve;
        QTest::newRow("German, Shift+Home, one digit") << kGerman << "shift+home"
                                                       << "1.5.2027" << QDate(2027, 5, 1);
        QTest::newRow("German, ISO after Ctrl+A") << kGerman << "ctrl+a"
                                                  << "2026-12-24" << christmasEve;
        // The year of 10.12.2026 chosen with the mouse and typed over.
        QTest::newRow("German, the year typed over") << kGerman << "year"
                                                     << "2027" << QDate(2027, 12, 10);
        QTest::newRow("American, the year typed over") << kAmerican << "year"
                                                       << "2030" << QDate(2030, 12, 10);
    }
    void aDateTypedOverAnySelection() {
        QFETCH(QLocale, locale);
        QFETCH(QString, selection);
        QFETCH(QString, typed);
        QFETCH(QDate, shown);
        auto window = WindowIn(locale);
        const Controls w = ControlsOf(*window);
        QLineEdit* text = w.dateField->findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton, {}, YearOf(text));
        QVERIFY(w.dateField->hasFocus());
        if (selection == QLatin1String("ctrl+a")) {
            QTest::keyClick(w.dateField, Qt::Key_A, Qt::ControlModifier);
        } else if (selection == QLatin1String("shift+home")) {
            QTest::keyClick(w.dateField, Qt::Key_End);
            QTest::keyClick(w.dateField, Qt::Key_Home, Qt::ShiftModifier);
        } else if (selection == QLatin1String("backspace")) {
            QTest::keyClick(w.dateField, Qt::Key_End);
            for (int i = 0; i < 12; ++i)
                QTest::keyClick(w.dateField, Qt::Key_Backspace);
            QCOMPARE(text->text(), QString());
        } else {
            QTest::mouseDClick(text, Qt::LeftButton, {}, YearOf(text));
        }
        QTest::keyClicks(w.dateField, typed);
        QCOMPARE(window->view().shownDate, D(2026, 12, 10));
        QTest::keyClick(w.dateField, Qt::Key_Return);
        QCOMPARE(window->view().shownDate, shown);
        QCOMPARE(w.dateField->date(), shown);
        QCOMPARE(text->text(), locale.toString(shown, w.dateField->displayFormat()));
    }

    // A text that reads as no date moves nothing: Enter leaves it in the field, marked and said
    // to be no date, for the user to mend; Escape, or leaving the field, gives it up.
    void anUnreadableDateMovesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("giveUpKey");
        QTest::newRow("a month 13, Escape") << "13/24/2026" << int(Qt::Key_Escape);
        QTest::newRow("a year not finished, Escape") << "12/24/20" << int(Qt::Key_Escape);
        QTest::newRow("nothing, Escape") << "" << int(Qt::Key_Escape);
        QTest::newRow("30 February, Tab") << "2/30/2027" << int(Qt::Key_Tab);
    }
    void anUnreadableDateMovesNothing() {
        QFETCH(QString, typed);
        QFETCH(int, giveUpKey);
        auto window = WindowIn(kAmerican);
        const Controls w = ControlsOf(*window);
        QLineEdit* text = w.dateField->findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton, {}, YearOf(text));
        QTest::keyClick(w.dateField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w.dateField, Qt::Key_Backspace);
        QTest::keyClicks(w.dateField, typed);
        for (const int key : {int(Qt::Key_Return), int(Qt::Key_Down), int(Qt::Key_F4)}) {
            QTest::keyClick(w.dateField, Qt::Key(key));
            QCOMPARE(text->text(), typed);
            QCOMPARE(window->view().shownDate, D(2026, 12, 10));
            QVERIFY(w.dateField->hasFocus());
            QVERIFY(!w.dateField->calendarWidget()->isVisible());
        }
        QVERIFY2(text->toolTip().contains(QStringLiteral("12/10/2026")),
                 qPrintable(text->toolTip()));
        QVERIFY(text->toolTip().contains(QStringLiteral("2026-12-10")));
        QTest::keyClick(w.dateField, Qt::Key(giveUpKey));
        QCOMPARE(text->text(), QStringLiteral("12/10/2026"));
        QCOMPARE(text->toolTip(), QString());
        QCOMPARE(window->view().shownDate, D(2026, 12, 10));
        QCOMPARE(w.dateField->date(), QDate(2026, 12, 10));
    }

    // As in every date field, Alt+Down and F4 open the drop-down calendar; Escape closes it and
    // leaves the calendar where it was, Enter takes the day chosen in it.
    void keysOpenTheDropDown_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("closeKey");
        QTest::addColumn<QDate>("shown");
        const QDate weekOn(2026, 12, 17);
        QTest::newRow("Alt+Down, Escape") << int(Qt::Key_Down) << int(Qt::AltModifier)
                                          << int(Qt::Key_Escape) << QDate(2026, 12, 10);
        QTest::newRow("F4, Escape")
            << int(Qt::Key_F4) << int(Qt::NoModifier) << int(Qt::Key_Escape) << QDate(2026, 12, 10);
        QTest::newRow("Alt+Down, a week on, Enter")
            << int(Qt::Key_Down) << int(Qt::AltModifier) << int(Qt::Key_Return) << weekOn;
        QTest::newRow("F4, a week on, Enter")
            << int(Qt::Key_F4) << int(Qt::NoModifier) << int(Qt::Key_Return) << weekOn;
    }
    void keysOpenTheDropDown() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, closeKey);
        QFETCH(QDate, shown);
        auto window = WindowIn(kAmerican);
        const Controls w = ControlsOf(*window);
        QVERIFY(TabTo(w.dateField));
        QTest::keyClick(w.dateField, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCalendarWidget* calendar = w.dateField->calendarWidget();
        QVERIFY(QTest::qWaitForWindowExposed(calendar->window()));
        // Nothing moves while the drop-down is open.
        QCOMPARE(w.dateField->date(), QDate(2026, 12, 10));
        QWidget* days = calendar->findChild<QTableView*>();
        QVERIFY(days->hasFocus());
        if (closeKey == Qt::Key_Return)
            QTest::keyClick(days, Qt::Key_Down);
        QTest::keyClick(days, Qt::Key(closeKey));
        QTRY_VERIFY(!calendar->window()->isVisible());
        QCOMPARE(window->view().shownDate, shown);
        QCOMPARE(w.dateField->date(), shown);
    }

    // Passing through the field moves nothing, and End still returns where it did.
    void leavingTheFieldUnchangedMovesNothing() {
        auto window = ShownWindow(QDate(2023, 9, 15), kCrew5);
        const Controls w = ControlsOf(*window);
        QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        QTest::keyClick(KeyTarget(*window), Qt::Key_Home);
        TabToDateField(*window);
        QVERIFY(w.dateField->hasFocus());
        QTest::keyClick(w.dateField, Qt::Key_Tab);
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        QCOMPARE(window->view().markedDate, D(2023, 9, 16));
    }

    // Another window taking the keyboard leaves a half-typed date as it is; coming back, the
    // user finishes it. Closed while typing, the window goes without a word from the field.
    void aHalfTypedDateWaitsForTheUser() {
        auto window = WindowIn(kAmerican);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const Controls w = ControlsOf(*window);
        TabToDateField(*window);
        QTest::keyClicks(w.dateField, QStringLiteral("12/24/20"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(w.dateField->findChild<QLineEdit*>()->text(), QStringLiteral("12/24/20"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(w.dateField->hasFocus());
        QTest::keyClicks(w.dateField, QStringLiteral("27"));
        QTest::keyClick(w.dateField, Qt::Key_Return);
        QCOMPARE(window->view().shownDate, D(2027, 12, 24));

        QTest::keyClick(w.dateField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w.dateField, QStringLiteral("6/15/20"));
        window.window.reset();
    }
};

QTEST_MAIN(TestDateField)
#include "test_date_field.moc"
