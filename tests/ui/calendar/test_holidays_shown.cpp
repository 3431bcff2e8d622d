// A region's public holidays in the window: chosen in the Settings tab's list as a hand does,
// then marked in the grid, named in the tooltip, the status line and the spoken name, and
// counted with the duty; nothing of them where no region is chosen.

#include "file_helpers.h"
#include "window_fixture.h"

#include "ui/settings/closing_combo_box.h"

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

ClosingComboBox* HolidaysBox(MainWindow& window) {
    return Find<ClosingComboBox>(ControlsOf(window).settingsPage, "holidaysBox");
}

void ChooseRegion(MainWindow& window, const QString& region) {
    const Controls w = ControlsOf(window);
    OpenTab(window, w.settingsPage);
    ClosingComboBox* box = HolidaysBox(window);
    OpenList(box);
    ClickListEntry(box, box->findText(region));
    Click(w.settingsBack);
}

int CellOf(MainWindow& window, QDate date) {
    const auto& dates = window.view().cellDates;
    return int(std::find(dates.begin(), dates.end(), date) - dates.begin());
}

} // namespace

class TestHolidaysShown : public QObject {
    Q_OBJECT
private slots:
    // Ascension Day 2027 is Thursday 6 May; crew 5 TFS is off duty that day.
    void aHolidayIsNamedEverywhereItIsShown() {
        auto window = ShownWindow(QDate(2027, 5, 3), kCrew5);
        ChooseRegion(*window, QStringLiteral("Germany – Bavaria"));
        PickDate(*window, QDate(2027, 5, 6));
        const MonthPage& page = window->monthPage();
        const CellLook& cell = page.cells[std::size_t(CellOf(*window, QDate(2027, 5, 6)))];
        QCOMPARE(cell.holiday, QStringLiteral("Ascension Day"));
        QCOMPARE(cell.accessibleName,
                 QStringLiteral("Thursday, May 6, 2027, off duty, public holiday: "
                                "Ascension Day"));
        QVERIFY2(cell.toolTip.endsWith(QStringLiteral("\nPublic holiday: Ascension Day")),
                 qPrintable(cell.toolTip));
        QCOMPARE(ControlsOf(*window).status->text(),
                 QStringLiteral("5/6/2027\nOff-Duty\nAscension Day"));
        // In Bavaria, May 2027 has Labour Day (Saturday 1 May, on duty), Ascension (off),
        // Whit Monday (17 May, off) and Corpus Christi (27 May, on duty); Easter Monday (29
        // March) was on duty too.
        QVERIFY2(
            page.monthCounts.endsWith(QStringLiteral("\nHolidays on duty: 2 in May, 3 in 2027")),
            qPrintable(page.monthCounts));
        // A day that is no holiday says nothing of holidays.
        const CellLook& other = page.cells[std::size_t(CellOf(*window, QDate(2027, 5, 5)))];
        QVERIFY(other.holiday.isEmpty());
        QVERIFY(!other.accessibleName.contains(QStringLiteral("holiday")));
    }

    // The mark: a bar along the top at the start of the cell, in the day number's colour.
    void aHolidayIsMarkedInItsCell() {
        auto window = ShownWindow(QDate(2027, 5, 3), kCrew5);
        const Controls w = ControlsOf(*window);
        const int cell = CellOf(*window, QDate(2027, 5, 6));
        const QRect bounds = w.monthView->cellRect(cell);
        const QPoint mark = bounds.topLeft() + QPoint(4, 3);
        const QRgb before = w.monthView->grab().toImage().pixel(mark);
        ChooseRegion(*window, QStringLiteral("Germany – Bavaria"));
        const QImage shown = w.monthView->grab().toImage();
        QVERIFY(shown.pixel(mark) != before);
        QCOMPARE(shown.pixel(mark), window->monthPage().cells[std::size_t(cell)].textColor);
    }

    // "From a file…": the system's open dialog gives a file; its holidays are marked, and the
    // list names the file. One read in part is marked and said so; a file that is no calendar is
    // said so and changes nothing.
    void holidaysFromAFile_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("listShows");
        QTest::addColumn<QString>("holiday"); // on 5 May 2027
        QTest::addColumn<int>("errors");
        QTest::newRow("a calendar of holidays")
            << QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:a@t\r\nDTSTAMP:20261210T000000Z\r\n"
                          "DTSTART;VALUE=DATE:20270505\r\nSUMMARY:Town fair\r\n"
                          "END:VEVENT\r\nEND:VCALENDAR\r\n")
            << "town.ics"
            << "Town fair" << 0;
        QTest::newRow("a calendar read in part is marked, and said so")
            << QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:a@t\r\nDTSTAMP:20261210T000000Z\r\n"
                          "DTSTART;VALUE=DATE:20270505\r\nSUMMARY:Town fair\r\n"
                          "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:b@t\r\n"
                          "DTSTART:20270101T000000Z\r\nRRULE:FREQ=MINUTELY\r\n"
                          "SUMMARY:Ticker\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << "town.ics"
            << "Town fair" << 1;
        QTest::newRow("no calendar") << QByteArray("hello\n") << "None"
                                     << "" << 1;
    }
    void holidaysFromAFile() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, listShows);
        QFETCH(QString, holiday);
        QFETCH(int, errors);
        WindowUnderTest window;
        const QString file = window.configFolder->filePath(QStringLiteral("town.ics"));
        window.adjustPlatform = [file](Platform& platform) {
            platform.chooseOpenFile = [file](QWidget*, const QString&, const QString&,
                                             const QString&) { return file; };
        };
        WriteSettingsFile(window, kCrew5);
        StartWindow(window, QDate(2027, 5, 3));
        WritePlainFile(file, contents);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        ClosingComboBox* box = HolidaysBox(*window);
        OpenList(box);
        ClickListEntry(box, box->findText(QStringLiteral("From a file…")));
        QCOMPARE(box->currentText(), listShows);
        QCOMPARE(window.errors->size(), errors);
        Click(w.settingsBack);
        QCOMPARE(window->monthPage().cells[std::size_t(CellOf(*window, QDate(2027, 5, 5)))].holiday,
                 holiday);
    }

    void noRegionNoHoliday() {
        auto window = ShownWindow(QDate(2027, 5, 6), kCrew5);
        for (const CellLook& cell : window->monthPage().cells)
            QVERIFY(cell.holiday.isEmpty());
        QVERIFY(!window->monthPage().monthCounts.contains(QStringLiteral("holiday")));
    }
};

QTEST_MAIN(TestHolidaysShown)
#include "test_holidays_shown.moc"
