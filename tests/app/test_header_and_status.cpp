#include "../expected_colors.h"
#include "form_fixture.h"

#include "ui/font_size.h"
#include "ui/state_text_colors.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"
#include "ui/text_color.h"

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
        auto form = ShownForm();
        ChooseAssignment(*form, assignment);
        PickDate(*form, QDate(2023, 9, 1));
        QCOMPARE(form->widgets().lblStatus->text(), status);
        QCOMPARE(form->widgets().lblToolbar1->text(), title);
    }

    void noSelectionTitlesTornvale() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWorkAssign=9 XYZ\n");
        OpenTab(*form, form->widgets().tabSettings);
        Click(form->widgets().sbBack2);
        QCOMPARE(form->widgets().lblToolbar1->text(), QStringLiteral("Tornvale"));
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
        auto form = ShownForm(QDate(2023, 6, 15));
        const Date target = DateFromQDate(shown);
        while (form->view().shownDate != target) {
            Click(form->view().shownDate < target ? form->widgets().bNext : form->widgets().bPrev);
            if (qAbs(form->view().shownDate - target) < 31 &&
                MonthOf(form->view().shownDate) == shown.month())
                break;
        }
        QCOMPARE(form->widgets().lblMonthName->text(), label);
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
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        SetWeekStartSwitch(*form, mondays);
        Click(w.sbBack2);
        QStringList shown;
        for (QLabel* label : w.lblDOW)
            shown << label->text();
        QCOMPARE(shown, labels);
        // The grid's first column follows the same switch: 2023-09-15's month starts on a Friday.
        QCOMPARE(YmdFromDate(form->view().cellDates[0]).day, mondays ? 28 : 27);
    }

    void todayButtonDimsOnToday() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabCalendar);
        Click(w.bToday);
        QCOMPARE(StateTextColorsOf(w.bToday), (StateTextColors{expected::DimGray, expected::DimGray,
                                                               expected::Blue, expected::DimGray}));
        QVERIFY(!w.bToday->font().bold());
        QTest::keyClick(KeyTarget(*form), Qt::Key_Right);
        QCOMPARE(StateTextColorsOf(w.bToday), (StateTextColors{expected::Black, expected::Black,
                                                               expected::Blue, expected::Black}));
        QVERIFY(w.bToday->font().bold());
        QTest::keyClick(KeyTarget(*form), Qt::Key_Left);
        QVERIFY(!w.bToday->font().bold());
    }

    void navyBackground() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        ChooseAssignment(*form, "5 TFS");
        PickDate(*form, QDate(2023, 9, 1));
        PickColour(*form, w.bBkGr, expected::Navy);
        // The Settings tab turns at once; the rest at the next redraw.
        QCOMPARE(w.rectSettings->fill(), expected::Navy);
        QCOMPARE(TextColorOf(w.lblPlatoon), expected::White);
        Click(w.sbBack2);

        for (TRectangle* rect : form->findChildren<TRectangle*>()) {
            if (rect == w.gR[5]) {
                QCOMPARE(rect->fill(), expected::Blue);
                continue;
            }
            QVERIFY2(rect->fill() == expected::Navy, qPrintable(rect->objectName()));
            const bool borderless = rect->strokeThickness() == 0.0f;
            QVERIFY2(borderless || rect->stroke() == expected::AliceBlue,
                     qPrintable(rect->objectName()));
        }
        QCOMPARE(BackgroundColorOf(w.tabHelp), expected::Navy);
        QCOMPARE(w.rectToolbar1->strokeThickness(), 0.0f);
        QCOMPARE(w.rectDaysOfWeek->stroke(), expected::AliceBlue);
        for (QLabel* label : {w.lblToolbar1, w.lblToolbar2, w.lblToolbar3, w.lblToolbar4,
                              w.lblMonthName, w.lblDOW[0], w.lblDOW[6], w.lblStatus})
            QVERIFY2(TextColorOf(label) == expected::White, qPrintable(label->objectName()));
        QCOMPARE(StateTextColorsOf(w.sbBack3), (StateTextColors{expected::White, expected::White,
                                                                expected::Blue, expected::White}));
        QCOMPARE(StateTextColorsOf(w.bSave), (StateTextColors{expected::Black, expected::Black,
                                                              expected::Blue, expected::Black}));
        QCOMPARE(StateTextColorsOf(w.bToday).normal, expected::Black);
        QCOMPARE(TextColorOf(w.DateEd), expected::Black);
    }

    void fontsFollowTheLayout() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        const FontSizes& fonts = form->fontSizes();
        QVERIFY(fonts.title > 0);
        QCOMPARE(FontPixelSize(w.lblToolbar3), fonts.title);
        QCOMPARE(FontPixelSize(w.lblMonthName), fonts.month);
        QCOMPARE(FontPixelSize(w.lblDOW[3]), fonts.weekday);
        QCOMPARE(FontPixelSize(w.lblStatus), form->calendarLayout().footerHeight * 0.24f);
    }
};

QTEST_MAIN(TestHeaderAndStatus)
#include "test_header_and_status.moc"
