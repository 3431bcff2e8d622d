// What a German, a French and an American user each expect of a window in their own language,
// beyond the words: the first day of the week, dates as they write them, colour names and
// counts in their grammar.

#include "window_fixture.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);

WindowUnderTest WindowIn(const QLocale& locale, const QByteArray& settings) {
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    WriteSettingsFile(window, settings);
    // 1 December 2026 is a Tuesday: the grid's first cell is 29 November (a Sunday) in weeks
    // from Sunday and 30 November in weeks from Monday.
    StartWindow(window, QDate(2026, 12, 10));
    return window;
}

} // namespace

class TestLanguageConventions : public QObject {
    Q_OBJECT
private slots:
    void firstWeekday_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QDate>("firstCell");
        QTest::addColumn<bool>("switchOn");
        const QByteArray silent = "[Config]\nWorkAssign=5 TFS\n";
        const QByteArray sunday = "[Config]\nWorkAssign=5 TFS\nWeekStartsOnMonday=0\n";
        QTest::newRow("American, no stored key: Sunday")
            << kAmerican << silent << QDate(2026, 11, 29) << false;
        QTest::newRow("German, no stored key: Monday")
            << kGerman << silent << QDate(2026, 11, 30) << true;
        QTest::newRow("French, no stored key: Monday")
            << kFrench << silent << QDate(2026, 11, 30) << true;
        QTest::newRow("German, Sunday stored: kept")
            << kGerman << sunday << QDate(2026, 11, 29) << false;
    }
    void firstWeekday() {
        QFETCH(QLocale, locale);
        QFETCH(QByteArray, settings);
        QFETCH(QDate, firstCell);
        QFETCH(bool, switchOn);
        auto window = WindowIn(locale, settings);
        QCOMPARE(window->view().cellDates[0], firstCell);
        QCOMPARE(ControlsOf(*window).weekStart->isChecked(), switchOn);
        // The date field's drop-down calendar starts its weeks on the same day.
        QCOMPARE(OpenDatePicker(*window)->firstDayOfWeek(),
                 firstCell.dayOfWeek() == 1 ? Qt::Monday : Qt::Sunday);
    }

    // The date field writes the day as the status line does, with the whole year, and takes a
    // date typed so, or as ISO.
    void dateField_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("taken");
        QTest::newRow("American") << kAmerican << "12/10/2026"
                                  << "12/24/2026" << QDate(2026, 12, 24);
        QTest::newRow("German") << kGerman << "10.12.2026"
                                << "24.12.2026" << QDate(2026, 12, 24);
        QTest::newRow("German, one digit") << kGerman << "10.12.2026"
                                           << "1.2.2027" << QDate(2027, 2, 1);
        QTest::newRow("French") << kFrench << "10/12/2026"
                                << "24/12/2026" << QDate(2026, 12, 24);
        QTest::newRow("French, ISO") << kFrench << "10/12/2026"
                                     << "2027-01-05" << QDate(2027, 1, 5);
    }
    void dateField() {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QDate, taken);
        auto window = WindowIn(locale, "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.dateField->text(), shown);
        QCOMPARE(w.status->text().section(u'\n', 0, 0), shown);
        QVERIFY(TabTo(w.dateField));
        QTest::keyClicks(w.dateField, typed);
        QTest::keyClick(w.dateField, Qt::Key_Return);
        QCOMPARE(window->view().shownDate, taken);
        QCOMPARE(w.dateField->date(), taken);
    }
};

QTEST_MAIN(TestLanguageConventions)
#include "test_language_conventions.moc"
