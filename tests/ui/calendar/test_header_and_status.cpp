#include "expected_colors.h"
#include "window_fixture.h"

#include "ui/parts/font_size.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"
#include "ui/settings/toggle_switch.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

class TestHeaderAndStatus : public QObject {
    Q_OBJECT
private slots:
    void statusLine_data() {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("title");
        QTest::newRow("work day of 5 TFS") << "5 TFS"
                                           << "9/1/2023\nWork"
                                           << "Tornvale - 5 TFS";
        QTest::newRow("off day of 1 SMT") << "1 SMT"
                                          << "9/1/2023\nOff-Duty"
                                          << "Tornvale - 1 SMT";
        QTest::newRow("agency-wide entry: no rotation") << "Tornvale"
                                                        << ""
                                                        << "Tornvale";
    }
    void statusLine() {
        QFETCH(QString, assignment);
        QFETCH(QString, status);
        QFETCH(QString, title);
        auto window = ShownWindow();
        ChooseAssignment(*window, assignment);
        PickDate(*window, QDate(2023, 9, 1));
        QCOMPARE(ControlsOf(*window).status->text(), status);
        QCOMPARE(ControlsOf(*window).title->text(), title);
    }

    void noSelectionTitlesTornvale() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=9 XYZ\n");
        OpenTab(*window, ControlsOf(*window).settingsPage);
        Click(ControlsOf(*window).settingsBack);
        QCOMPARE(ControlsOf(*window).title->text(), QStringLiteral("Tornvale"));
    }

    void monthLabel_data() {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("label");
        QTest::newRow("month of the current year: long name alone")
            << QDate(2023, 9, 1) << "September";
        QTest::newRow("January of next year: short name and year")
            << QDate(2024, 1, 5) << "Jan 2024";
        QTest::newRow("December of last year") << QDate(2022, 12, 5) << "Dec 2022";
    }
    void monthLabel() {
        QFETCH(QDate, shown);
        QFETCH(QString, label);
        auto window = ShownWindow(QDate(2023, 6, 15));
        const QDate target = shown;
        while (window->view().shownDate != target) {
            Click(window->view().shownDate < target ? ControlsOf(*window).nextMonth
                                                    : ControlsOf(*window).previousMonth);
            if (qAbs(target.daysTo(window->view().shownDate)) < 31 &&
                window->view().shownDate.month() == shown.month())
                break;
        }
        QCOMPARE(ControlsOf(*window).monthLabel->text(), label);
    }

    void weekdayLabels_data() {
        QTest::addColumn<bool>("mondays");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("weeks from Sunday")
            << false << QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        QTest::newRow("weeks from Monday")
            << true << QStringList{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    }
    void weekdayLabels() {
        QFETCH(bool, mondays);
        QFETCH(QStringList, labels);
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        SetWeekStartSwitch(*window, mondays);
        Click(w.settingsBack);
        const auto& shown = window->monthPage().weekdayLabels;
        QCOMPARE(QStringList(shown.begin(), shown.end()), labels);
        // The grid's first column follows the same switch: 2023-09-15's month starts on a Friday.
        QCOMPARE(window->view().cellDates[0].day(), mondays ? 28 : 27);
    }

    void todayButtonDimsOnToday() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.calendarPage);
        Click(w.today);
        QCOMPARE(ButtonTextColorOf(w.today), expected::DimGray);
        QVERIFY(!w.today->font().bold());
        QTest::keyClick(KeyTarget(*window), Qt::Key_Right);
        QCOMPARE(ButtonTextColorOf(w.today), expected::Black);
        QVERIFY(w.today->font().bold());
        QTest::keyClick(KeyTarget(*window), Qt::Key_Left);
        QVERIFY(!w.today->font().bold());
    }

    // A window left open past midnight: the Today button follows the new day by itself, and
    // the selection stays where it was.
    void todayFollowsTheClockPastMidnight() {
        WindowUnderTest window;
        auto clock = std::make_shared<QDate>(2023, 9, 15);
        window.adjustPlatform = [clock](Platform& platform) {
            platform.today = [clock] { return *clock; };
            platform.dayCheckInterval = std::chrono::milliseconds(10);
        };
        WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
        StartWindow(window);
        const Controls w = ControlsOf(*window);
        QVERIFY(!w.today->font().bold()); // today is the selected day
        *clock = QDate(2023, 9, 16);
        QTRY_VERIFY(w.today->font().bold());
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
        QCOMPARE(ButtonTextColorOf(w.today), expected::Black);
        // Home goes to the new today.
        QTest::keyClick(KeyTarget(*window), Qt::Key_Home);
        QCOMPARE(window->view().shownDate, D(2023, 9, 16));
        QVERIFY(!w.today->font().bold());
    }

    void navyBackground() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2023, 9, 1));
        PickColour(*window, w.backgroundColor, expected::Navy);
        // The Settings tab turns at once; the rest at the next redraw.
        QCOMPARE(w.settingsBackground->fill(), expected::Navy);
        QCOMPARE(TextColorOf(w.assignmentLabel), expected::White);
        Click(w.settingsBack);

        for (Panel* panel : window->findChildren<Panel*>()) {
            const QString name = panel->parentWidget()->objectName() + u'/' + panel->objectName();
            QVERIFY2(panel->fill() == expected::Navy, qPrintable(name));
            const bool borderless = panel->borderWidth() == 0.0f;
            QVERIFY2(borderless || panel->border() == expected::AliceBlue, qPrintable(name));
        }
        const MonthPage& page = window->monthPage();
        for (std::size_t cell = 0; cell < page.cells.size(); ++cell) {
            const QRgb fill = page.cells[cell].fill;
            QVERIFY2(fill == (cell == 5 ? expected::Blue : expected::Navy),
                     qPrintable(QString::number(cell)));
        }
        QCOMPARE(page.look.background, expected::Navy);
        QCOMPARE(page.look.border, expected::AliceBlue);
        QCOMPARE(page.look.headerTextColor, expected::White);
        QCOMPARE(BackgroundColorOf(w.helpPage), expected::Navy);
        for (QLabel* label :
             {w.title, w.settingsTitle, w.helpTitle, w.aboutTitle, w.monthLabel, w.status})
            QVERIFY2(TextColorOf(label) == expected::White, qPrintable(label->objectName()));
        QCOMPARE(ButtonTextColorOf(w.helpBack), expected::White);
        QCOMPARE(ButtonTextColorOf(w.save), expected::Black);
        QCOMPARE(ButtonTextColorOf(w.today), expected::Black);
        QCOMPARE(TextColorOf(w.dateField), expected::Black);
    }

    void fontsFollowTheLayout() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        const FontSizes& fonts = window->monthPage().fonts;
        QVERIFY(fonts.title > 0);
        QCOMPARE(PixelSizeOf(w.helpTitle), fonts.title);
        QCOMPARE(PixelSizeOf(w.monthLabel), fonts.month);
        // At the opening size the grid's rows and the footer share 443 pixels less 0.1 in
        // sevenths; the status line is 0.24 of the footer's height.
        QCOMPARE(PixelSizeOf(w.status), 442.9f / 7.0f * 0.24f);
    }
};

QTEST_MAIN(TestHeaderAndStatus)
#include "test_header_and_status.moc"
