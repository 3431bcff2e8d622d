#include "expected_colors.h"
#include "window_fixture.h"

#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"
#include "ui/settings/toggle_switch.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

struct NamedPanel {
    const char* page;
    const char* panel;
};
const NamedPanel kBorderedPanels[] = {
    {"settingsPage", "titlePanel"}, {"helpPage", "titlePanel"}, {"aboutPage", "titlePanel"}};
const NamedPanel kBorderlessPanels[] = {
    {"calendarPage", "titlePanel"},  {"calendarPage", "monthPanel"},
    {"calendarPage", "footerPanel"}, {"settingsPage", "backgroundPanel"},
    {"aboutPage", "textPanel"},      {"aboutPage", "linksPanel"}};

// A step a hand takes on the calendar, named as in the rows that use it.
void Take(MainWindow& window, const QString& step) {
    const Controls w = ControlsOf(window);
    if (step == QLatin1String("Right"))
        QTest::keyClick(KeyTarget(window), Qt::Key_Right);
    else if (step == QLatin1String("next"))
        Click(w.nextMonth);
    else if (step == QLatin1String("previous"))
        Click(w.previousMonth);
    else if (step == QLatin1String("Today"))
        Click(w.today);
    else if (step.startsWith(QLatin1String("day ")))
        ClickCell(window, step.mid(4).toInt());
    else
        qFatal("no such step: %s", qPrintable(step));
}

// The window as its own repaints have left it on the screen.
QImage OnScreen(QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestCalendarPainting : public QObject {
    Q_OBJECT
private slots:
    // September 2023 under 5 TFS, weeks from Sunday: cell 0 is 2023-08-27, the 1st is cell 5.
    // 5 TFS works 2023-09-01 (position 194 of its pattern), is off the 2nd and 3rd, and works
    // again from Monday the 4th (position 1).
    void defaultColoursOnAWorkDay() {
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2023, 9, 1));

        int filled = 0;
        for (int i = 0; i < 42; ++i)
            filled += window->monthPage().cells[static_cast<std::size_t>(i)].fill != expected::White
                          ? 1
                          : 0;
        QCOMPARE(filled, 1);

        const CellLook& selected = window->monthPage().cells[5];
        QCOMPARE(window->monthPage().cells[5].text, QStringLiteral("1"));
        QCOMPARE(selected.fill, expected::Blue);
        QCOMPARE(window->monthPage().cells[5].textColor, expected::White);
        QCOMPARE(selected.border, expected::AliceBlue);

        // 2023-09-04 works, 2023-09-03 is off, 2023-08-31 leads the month.
        QCOMPARE(window->monthPage().cells[8].textColor, expected::Blue);
        QCOMPARE(window->monthPage().cells[7].textColor, expected::DimGray);
        QCOMPARE(window->monthPage().cells[4].textColor, expected::Silver);
        QCOMPARE(window->monthPage().cells[4].text, QStringLiteral("31"));
        QCOMPARE(window->monthPage().cells[7].border, expected::DimGray);
        QCOMPARE(window->monthPage().cells[7].font, CellFont::DayNumber);

        QCOMPARE(window->monthPage().cells[40].text, QStringLiteral("Wk"));
        QCOMPARE(window->monthPage().cells[40].textColor, expected::Blue);
        QCOMPARE(window->monthPage().cells[41].text, QStringLiteral("OD"));
        QCOMPARE(window->monthPage().cells[41].textColor, expected::DimGray);
        QCOMPARE(window->monthPage().cells[41].font, CellFont::Legend);
        QCOMPARE(window->monthPage().legendFontSize, window->monthPage().fonts.day * 0.75f);
        QCOMPARE(window->monthPage().cells[41].fill, expected::White);
    }

    void selectedOffDay() {
        auto window = ShownWindow();
        ChooseAssignment(*window, "1 SMT");
        PickDate(*window, QDate(2023, 9, 1));
        QCOMPARE(window->monthPage().cells[5].fill, expected::DimGray);
        QCOMPARE(window->monthPage().cells[5].textColor, expected::Black);
        QCOMPARE(window->monthPage().cells[5].border, expected::DimGray);
    }

    void panels_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("thickness");
        for (const NamedPanel& p : kBorderedPanels)
            QTest::addRow("%s's %s has a thin border", p.page, p.panel)
                << p.page << p.panel << 0.67f;
        for (const NamedPanel& p : kBorderlessPanels)
            QTest::addRow("%s's %s has none", p.page, p.panel) << p.page << p.panel << 0.0f;
    }
    void panels() {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(float, thickness);
        auto window = ShownWindow();
        auto* panel = window->findChild<QWidget*>(page)->findChild<Panel*>(name);
        QVERIFY(panel);
        QCOMPARE(panel->fill(), expected::White);
        QCOMPARE(panel->borderWidth(), thickness);
        QCOMPARE(panel->border(), expected::DimGray);
        // The weekday band has the thin border, the grid behind the cells none.
        QCOMPARE(window->monthPage().look.border, expected::DimGray);
    }

    // A step repaints only what it changed; the screen then shows what a whole new paint
    // draws, with no cell left as it was. 15 September 2023 is a Friday, in cell 19.
    void repaintsLeaveNothingBehind_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("the next day") << QStringList{"Right"};
        QTest::newRow("into the next week") << QStringList{"Right", "Right"};
        QTest::newRow("the next month") << QStringList{"next"};
        QTest::newRow("a month on and back") << QStringList{"next", "previous"};
        QTest::newRow("back to today") << QStringList{"next", "Today"};
        QTest::newRow("a day clicked, its focus mark moved by a key")
            << QStringList{"day 22", "Right"};
        QTest::newRow("a day clicked, then the next month") << QStringList{"day 22", "next"};
    }
    void repaintsLeaveNothingBehind() {
        QFETCH(QStringList, steps);
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        for (const QString& step : steps)
            Take(*window, step);
        const QImage whole = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QTRY_VERIFY(OnScreen(*window) == whole);
    }

    void dayWithoutRotationUnderTheAgencyWideEntry() {
        auto window = ShownWindow();
        PickDate(*window, QDate(2023, 9, 1));
        const Controls w = ControlsOf(*window);
        QCOMPARE(window->monthPage().cells[5].fill, expected::Silver);
        QCOMPARE(window->monthPage().cells[5].textColor, expected::Black);
        QCOMPARE(window->monthPage().cells[6].textColor, expected::Black);
        QCOMPARE(window->monthPage().cells[4].textColor, expected::Silver);
        QCOMPARE(w.status->text(), QString());
    }
};

QTEST_MAIN(TestCalendarPainting)
#include "test_calendar_painting.moc"
