#include "../app/form_fixture.h"
#include "../expected_colors.h"

#include "app/toolkit/t_rectangle.h"
#include "app/toolkit/t_switch.h"
#include "app/toolkit/text_color.h"
#include "schedule/rotation.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

QByteArray SettingsFileOf(const FormUnderTest& fixture) {
    QFile file(fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Lines(const QByteArray& text) {
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

class TestSettingsTab : public QObject {
    Q_OBJECT
private slots:
    void startUpFollowsTheSavedAssignment_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("anchor");
        QTest::newRow("3 TWT") << "3 TWT" << 3 << "tabCalendar"
                               << "Tornvale - 3 TWT" << 41617;
        QTest::newRow("3 twt in lower case") << "3 twt" << 3 << "tabCalendar"
                                             << "Tornvale - 3 TWT" << 41617;
        QTest::newRow("tornvale in lower case opens the calendar")
            << "tornvale" << 0 << "tabCalendar"
            << "Tornvale" << 73415;
        QTest::newRow("Tornvale opens the settings") << "Tornvale" << 0 << "tabSettings"
                                                     << "Tornvale" << 73415;
        QTest::newRow("an entry the list does not have") << "9 XYZ" << -1 << "tabCalendar"
                                                         << "Tornvale" << 73415;
        QTest::newRow("present but empty") << "" << 0 << "tabSettings"
                                           << "Tornvale" << 73415;
    }
    void startUpFollowsTheSavedAssignment() {
        QFETCH(QString, saved);
        QFETCH(int, selected);
        QFETCH(QString, tab);
        QFETCH(QString, title);
        QFETCH(int, anchor);
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWorkAssign=" + saved.toUtf8() + "\n");
        const FormWidgets& w = form->widgets();
        QCOMPARE(w.cbPlt->currentIndex(), selected);
        QCOMPARE(w.tabCtrl->currentWidget()->objectName(), tab);
        QCOMPARE(w.lblToolbar1->text(), title);
        QCOMPARE(form->view().anchorDate, anchor);
        QCOMPARE(form->view().shownDate, D(2023, 9, 15));
    }

    void noSelectionFallsBackToTheAgencyWideEntry() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWorkAssign=9 XYZ\n");
        form->cbPltClosePopup();
        QCOMPARE(form->assignmentText(), QStringLiteral("Tornvale"));
        QCOMPARE(form->widgets().cbPlt->currentIndex(), 0);
    }

    void choosingAnAssignmentWaitsForTheTabChange() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const FormWidgets& w = form->widgets();
        w.tabCtrl->setCurrentWidget(w.tabSettings);
        w.cbPlt->setCurrentIndex(1);
        form->cbPltClosePopup();
        QCOMPARE(form->assignmentText(), QStringLiteral("1 SMT"));
        QCOMPARE(w.lblToolbar1->text(), QStringLiteral("Tornvale - 5 TFS"));
        form->sbBack2Click();
        QCOMPARE(w.lblToolbar1->text(), QStringLiteral("Tornvale - 1 SMT"));
        QCOMPARE(form->view().anchorDate, 41589);
    }

    void weekStartOfTheDatePicker() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWeekStartsOnMonday=1\n");
        const FormWidgets& w = form->widgets();
        QVERIFY(w.swMondays->isChecked());
        QCOMPARE(w.DateEd->calendarWidget()->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Mon"));
        w.swMondays->setChecked(false);
        form->sbBack2Click();
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Sun"));
        QCOMPARE(w.DateEd->calendarWidget()->firstDayOfWeek(), Qt::Monday);
    }

    void firstSaveCreatesTheFile() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        QVERIFY(QFileInfo(form.settingsFolder()).isDir());
        QVERIFY(!QFileInfo::exists(form->settingsFilePath()));
        QTest::mouseClick(w.bSave, Qt::LeftButton);
        QCOMPARE(Lines(SettingsFileOf(form)),
                 (QStringList{"[Config]", "WorkAssign=Tornvale", "WeekStartsOnMonday=0", "[Colors]",
                              "KPlt=Dimgray", "LPlt=Blue", "LdTr=Silver", "BkGr=White",
                              "GridColor=Black"}));
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabCalendar);
        QVERIFY(form.errors->isEmpty());
    }

    void saveKeepsWhatItDoesNotWrite() {
        const QByteArray before = "; written by hand\r\n[Other]\r\nKey=value\r\n[config]\r\n"
                                  "workassign=2 MTW\r\nExtra=1\r\n[Colors]\r\nBkGr=Cyan\r\n";
        auto form = ShownForm(QDate(2023, 9, 15), before);
        QCOMPARE(form->colorSettings().background, expected::Aqua);
        form->bSaveClick();
        const QByteArray after = SettingsFileOf(form);
        QVERIFY(after.startsWith("; written by hand\r\n[Other]\r\nKey=value\r\n[config]\r\n"
                                 "workassign=2 MTW\r\n"));
        QVERIFY(after.contains("Extra=1\r\n"));
        QVERIFY(after.contains("BkGr=Aqua\r\n"));
        QVERIFY(after.contains("WeekStartsOnMonday=0\r\n"));
    }

    void savedSettingsComeBackAtTheNextStart() {
        FormUnderTest form;
        StartForm(form);
        const FormWidgets& w = form->widgets();
        w.cbPlt->setCurrentIndex(w.cbPlt->findText(QStringLiteral("6 FSS")));
        form->cbPltClosePopup();
        w.swMondays->setChecked(true);
        PickColour(*form, w.bAPlt, expected::Yellow);
        PickColour(*form, w.bBkGr, expected::Navy);
        form->bSaveClick();
        form.form.reset();

        StartForm(form);
        QCOMPARE(form->assignmentText(), QStringLiteral("6 FSS"));
        QCOMPARE(form->widgets().cbPlt->currentText(), QStringLiteral("6 FSS"));
        QVERIFY(form->widgets().swMondays->isChecked());
        QCOMPARE(form->colorSettings().work, expected::Yellow);
        QCOMPARE(form->colorSettings().background, expected::Navy);
        QCOMPARE(form->widgets().tabCtrl->currentWidget(), form->widgets().tabCalendar);
        QCOMPARE(form->widgets().rectCalendar->fill(), expected::Navy);
    }

    void aFailedSaveChangesNothing() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        // A folder where the file should be: nothing can be written there.
        QVERIFY(QDir().mkpath(form->settingsFilePath()));
        PickColour(*form, w.bAPlt, expected::Yellow);
        form->bSaveClick();
        QCOMPARE(
            *form.errors,
            QStringList{QStringLiteral("Unable to write to %1.").arg(form->settingsFilePath())});
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabSettings);
        QCOMPARE(form->colorSettings().work, expected::Yellow);
    }

    void pickingColours() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        QVERIFY(w.ccbColor->isHidden());
        form->bAPltClick(w.bAPlt);
        QVERIFY(w.ccbColor->isVisible());
        QCOMPARE(w.ccbColor->color(), expected::Blue);
        w.ccbColor->hidePopup();
        QVERIFY(w.ccbColor->isHidden());

        // Null changes nothing.
        PickColour(*form, w.bBPlt, 0x00000000);
        QCOMPARE(form->colorSettings().off, 0xFF696969u);
        QVERIFY(w.ccbColor->isHidden());

        // Work in the background's own colour: the caption reads in contrast instead.
        PickColour(*form, w.bAPlt, expected::White);
        QCOMPARE(form->colorSettings().work, expected::White);
        QCOMPARE(TextColorOf(w.bAPlt), expected::Black);

        PickColour(*form, w.bBkGr, expected::Blue);
        QCOMPARE(w.rectSettings->fill(), expected::Blue);
        QCOMPARE(w.rectToolbar2->fill(), expected::Blue);
        for (QWidget* text :
             std::initializer_list<QWidget*>{w.lblToolbar2, w.lblPlatoon, w.lblMonday, w.bBkGr,
                                             w.lblAbout, w.sbHelp1, w.sbHelp2})
            QVERIFY2(TextColorOf(text) == expected::White, qPrintable(text->objectName()));
        // A new background never recolours the other colour captions.
        QCOMPARE(TextColorOf(w.bAPlt), expected::Black);

        PickColour(*form, w.bBkGr, expected::Yellow);
        QCOMPARE(TextColorOf(w.sbHelp1), expected::Blue);
        QCOMPARE(TextColorOf(w.lblPlatoon), expected::Black);
    }

    void pickerSelection() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Colors]\nLdTr=#FF123456\n");
        const FormWidgets& w = form->widgets();
        PickColour(*form, w.bAPlt, 0xFF00FFFF);
        form->bAPltClick(w.bAPlt);
        QCOMPARE(w.ccbColor->currentText(), QStringLiteral("Aqua"));
        w.ccbColor->hidePopup();

        // A colour the list does not have keeps the picker's last entry; closing applies it.
        form->bAPltClick(w.bLdTr);
        QCOMPARE(w.ccbColor->currentText(), QStringLiteral("Aqua"));
        w.ccbColor->hidePopup();
        QCOMPARE(form->colorSettings().leadTrail, expected::Aqua);
    }

    void darkSavedBackgroundLeavesTheCaptionsAlone() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Colors]\nBkGr=Navy\n");
        const FormWidgets& w = form->widgets();
        QCOMPARE(TextColorOf(w.lblPlatoon), TextColorOf(w.lblMonday));
        QVERIFY(TextColorOf(w.lblPlatoon) != expected::White);
        QCOMPARE(TextColorOf(w.bBkGr), expected::White);
        QCOMPARE(TextColorOf(w.lblAbout), expected::White);
    }

    void links() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        w.tabCtrl->setCurrentWidget(w.tabAbout);
        QCOMPARE(w.sbHelp1->text(), QStringLiteral("https://www.halvorne.example/win-issues.htm"));
        QCOMPARE(w.sbHelp2->text(), QStringLiteral("email: support@halvorne.example"));
        QTest::mouseClick(w.sbHelp1, Qt::LeftButton);
        QTest::mouseClick(w.sbHelp2, Qt::LeftButton);
        QCOMPARE(form.openedLinks->size(), 2);
        QCOMPARE(form.openedLinks->at(0).toString(QUrl::FullyEncoded),
                 QStringLiteral("https://www.halvorne.example/win-issues.htm"));
        QCOMPARE(form.openedLinks->at(1).toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:support@halvorne.example?subject=Support%20Request"));
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabAbout);
    }
};

QTEST_MAIN(TestSettingsTab)
#include "test_settings_tab.moc"
