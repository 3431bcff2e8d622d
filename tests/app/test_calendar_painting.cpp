#include "../expected_colors.h"
#include "form_fixture.h"

#include "ui/state_text_colors.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"
#include "ui/tag.h"
#include "ui/text_color.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QStringList kMinus1Panels = {"rectDaysOfWeek", "rectToolbar2", "rectHelp", "rectToolbar4"};
const QStringList kMinus2Panels = {"rectToolbar1", "rectMonthName", "rectFooter", "rectCalendar",
                                   "rectSettings", "rectLinks",     "rectAbout"};
} // namespace

class TestCalendarPainting : public QObject {
    Q_OBJECT
private slots:
    // September 2023 under 5 TFS, weeks from Sunday: cell 0 is 2023-08-27, the 1st is cell 5.
    // 5 TFS works 2023-09-01 (position 194 of its pattern), is off the 2nd and 3rd, and works
    // again from Monday the 4th (position 1).
    void defaultColoursOnAWorkDay() {
        auto form = ShownForm();
        ChooseAssignment(*form, "5 TFS");
        PickDate(*form, QDate(2023, 9, 1));
        const FormWidgets& w = form->widgets();

        int filled = 0;
        for (int i = 0; i < 42; ++i)
            filled += w.gR[static_cast<std::size_t>(i)]->fill() != expected::White ? 1 : 0;
        QCOMPARE(filled, 1);

        TRectangle* selected = w.gR[5];
        QCOMPARE(w.gT[5]->text(), QStringLiteral("1"));
        QCOMPARE(selected->fill(), expected::Blue);
        QCOMPARE(w.gT[5]->color(), expected::White);
        QCOMPARE(selected->stroke(), expected::AliceBlue);
        QCOMPARE(selected->strokeThickness(), 0.67f);

        // 2023-09-04 works, 2023-09-03 is off, 2023-08-31 leads the month.
        QCOMPARE(w.gT[8]->color(), expected::Blue);
        QCOMPARE(w.gT[7]->color(), expected::DimGray);
        QCOMPARE(w.gT[4]->color(), expected::Silver);
        QCOMPARE(w.gT[4]->text(), QStringLiteral("31"));
        QCOMPARE(w.gR[7]->stroke(), expected::DimGray);
        QCOMPARE(w.gT[7]->fontSize(), form->fontSizes().day);
        QVERIFY(w.gT[7]->bold());

        QCOMPARE(w.gT[40]->text(), QStringLiteral("Wk"));
        QCOMPARE(w.gT[40]->color(), expected::Blue);
        QCOMPARE(w.gT[41]->text(), QStringLiteral("OD"));
        QCOMPARE(w.gT[41]->color(), expected::DimGray);
        QCOMPARE(w.gT[41]->fontSize(), form->fontSizes().day * 0.75f);
        QCOMPARE(w.gR[41]->fill(), expected::White);
    }

    void selectedOffDay() {
        auto form = ShownForm();
        ChooseAssignment(*form, "1 SMT");
        PickDate(*form, QDate(2023, 9, 1));
        const FormWidgets& w = form->widgets();
        QCOMPARE(w.gR[5]->fill(), expected::DimGray);
        QCOMPARE(w.gT[5]->color(), expected::Black);
        QCOMPARE(w.gR[5]->stroke(), expected::DimGray);
    }

    void panels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("thickness");
        for (const QString& name : kMinus1Panels)
            QTest::newRow(qPrintable(name + " has a thin border")) << name << 0.67f;
        for (const QString& name : kMinus2Panels)
            QTest::newRow(qPrintable(name + " has none")) << name << 0.0f;
    }
    void panels() {
        QFETCH(QString, name);
        QFETCH(float, thickness);
        auto form = ShownForm();
        auto* panel = form->findChild<TRectangle*>(name);
        QVERIFY(panel);
        QCOMPARE(panel->fill(), expected::White);
        QCOMPARE(panel->strokeThickness(), thickness);
        QCOMPARE(panel->stroke(), expected::DimGray);
    }

    void dayWithoutRotationUnderTheAgencyWideEntry() {
        auto form = ShownForm();
        PickDate(*form, QDate(2023, 9, 1));
        const FormWidgets& w = form->widgets();
        QCOMPARE(w.gR[5]->fill(), expected::Silver);
        QCOMPARE(w.gT[5]->color(), expected::Black);
        QCOMPARE(w.gT[6]->color(), expected::Black);
        QCOMPARE(w.gT[4]->color(), expected::Silver);
        QCOMPARE(w.lblStatus->text(), QString());
    }
};

QTEST_MAIN(TestCalendarPainting)
#include "test_calendar_painting.moc"
