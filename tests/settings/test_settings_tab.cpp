#include "../app/form_fixture.h"
#include "../expected_colors.h"

#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"
#include "ui/text_color.h"

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

QPushButton* ColourButton(const FormWidgets& w, const QString& caption) {
    for (QPushButton* button : {w.bAPlt, w.bBPlt, w.bLdTr, w.bBkGr}) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

// How the list is closed after the colour's name has been found in it.
enum class Pick { Mouse, Keys, Escape };

enum class Choice { ClickedInTheList, TypedIntoTheList, ArrowsOnTheClosedBox };

// September 2023 under 5 TFS, weeks from Sunday, shown on 2023-09-01: cell 5 is the 1st, a
// selected work day; cell 8, the 4th, works; cell 7, the 3rd, is off; cell 4 is August 31.
const QByteArray kCrewFiveOnTheFirst = "[Config]\nWorkAssign=5 TFS\n";
constexpr int kWorkDay = 8;
constexpr int kOffDay = 7;
constexpr int kLeadingDay = 4;

} // namespace

Q_DECLARE_METATYPE(Pick)
Q_DECLARE_METATYPE(Choice)

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

    void aListClosedWithoutAChoiceFallsBackToTheAgencyWideEntry() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWorkAssign=9 XYZ\n");
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabSettings);
        OpenList(w.cbPlt);
        QTest::keyClick(w.cbPlt->view(), Qt::Key_Escape);
        QTRY_VERIFY(!w.cbPlt->view()->isVisible());
        QCOMPARE(form->assignmentText(), QStringLiteral("Tornvale"));
        QCOMPARE(w.cbPlt->currentIndex(), 0);
    }

    void assignmentByHand_data() {
        QTest::addColumn<Choice>("choice");
        QTest::newRow("clicked in the list") << Choice::ClickedInTheList;
        QTest::newRow("typed into the list, then Return") << Choice::TypedIntoTheList;
        QTest::newRow("arrow keys on the closed box") << Choice::ArrowsOnTheClosedBox;
    }
    // The new crew reaches the calendar at the change of tab, and Save writes it.
    void assignmentByHand() {
        QFETCH(Choice, choice);
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabSettings);
        if (choice == Choice::ArrowsOnTheClosedBox) {
            w.cbPlt->setFocus();
            for (int step = 0; step < 4; ++step)
                QTest::keyClick(w.cbPlt, Qt::Key_Up);
        } else {
            OpenList(w.cbPlt);
            if (choice == Choice::ClickedInTheList) {
                ClickListEntry(w.cbPlt, 1);
            } else {
                TypeIntoList(w.cbPlt, QStringLiteral("1"));
                QTest::keyClick(w.cbPlt->view(), Qt::Key_Return);
                QTRY_VERIFY(!w.cbPlt->view()->isVisible());
            }
        }
        QCOMPARE(form->assignmentText(), QStringLiteral("1 SMT"));
        QCOMPARE(w.lblToolbar1->text(), QStringLiteral("Tornvale - 5 TFS"));
        Click(w.sbBack2);
        QCOMPARE(w.lblToolbar1->text(), QStringLiteral("Tornvale - 1 SMT"));
        QCOMPARE(form->view().anchorDate, 41589);
        OpenTab(*form, w.tabSettings);
        Click(w.bSave);
        QVERIFY(Lines(SettingsFileOf(form)).contains(QStringLiteral("WorkAssign=1 SMT")));
    }

    void weekStartSwitchByAClick() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Config]\nWeekStartsOnMonday=1\n");
        const FormWidgets& w = form->widgets();
        QVERIFY(w.swMondays->isChecked());
        QCOMPARE(w.DateEd->calendarWidget()->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Mon"));
        Click(w.swMondays);
        QVERIFY(!w.swMondays->isChecked());
        Click(w.sbBack2);
        QCOMPARE(w.lblDOW[0]->text(), QStringLiteral("Sun"));
        // September 2023 starts on a Friday: the grid now opens on Sunday, August 27.
        QCOMPARE(w.gT[0]->text(), QStringLiteral("27"));
        // The drop-down calendar keeps the week start of start-up.
        QCOMPARE(w.DateEd->calendarWidget()->firstDayOfWeek(), Qt::Monday);
        OpenTab(*form, w.tabSettings);
        Click(w.bSave);
        QVERIFY(Lines(SettingsFileOf(form)).contains(QStringLiteral("WeekStartsOnMonday=0")));
    }

    void colourByHand_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Pick>("pick");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Color>("colour"); // the setting afterwards
        QTest::addColumn<Color>("captionColour");
        QTest::addColumn<int>("cell");  // a day cell that shows the colour
        QTest::addColumn<bool>("fill"); // in its fill, or else in its number
        QTest::addColumn<QString>("savedLine");
        struct Button {
            const char* caption;
            const char* typed;
            Color picked;
            Color before;
            Color captionPicked;
            Color captionBefore;
            int cell;
            bool fill;
            const char* key;
            const char* pickedName;
            const char* nameBefore;
        };
        const Button buttons[] = {
            {"Work", "crimson", expected::Crimson, expected::Blue, expected::Crimson,
             expected::Blue, kWorkDay, false, "LPlt", "Crimson", "Blue"},
            {"Off", "gold", expected::Gold, expected::DimGray, expected::Gold, expected::DimGray,
             kOffDay, false, "KPlt", "Gold", "Dimgray"},
            {"Ld/Tr", "orchid", expected::Orchid, expected::Silver, expected::Orchid,
             expected::Silver, kLeadingDay, false, "LdTr", "Orchid", "Silver"},
            {"BkGr", "navy", expected::Navy, expected::White, expected::White, expected::Black,
             kOffDay, true, "BkGr", "Navy", "White"},
        };
        const std::pair<Pick, const char*> picks[] = {{Pick::Mouse, "clicked"},
                                                      {Pick::Keys, "typed, then Return"},
                                                      {Pick::Escape, "typed, then Escape"}};
        for (const Button& b : buttons) {
            for (const auto& [pick, how] : picks) {
                const bool chosen = pick != Pick::Escape;
                QTest::addRow("%s, %s", b.caption, how)
                    << b.caption << pick << b.typed << (chosen ? b.picked : b.before)
                    << (chosen ? b.captionPicked : b.captionBefore) << b.cell << b.fill
                    << QStringLiteral("%1=%2").arg(b.key, chosen ? b.pickedName : b.nameBefore);
            }
        }
    }
    void colourByHand() {
        QFETCH(QString, caption);
        QFETCH(Pick, pick);
        QFETCH(QString, typed);
        QFETCH(Color, colour);
        QFETCH(Color, captionColour);
        QFETCH(int, cell);
        QFETCH(bool, fill);
        QFETCH(QString, savedLine);
        auto form = ShownForm(QDate(2023, 9, 1), kCrewFiveOnTheFirst);
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabSettings);
        QPushButton* button = ColourButton(w, caption);
        QVERIFY(button);
        Click(button);
        WaitForList(w.ccbColor);
        if (pick == Pick::Mouse) {
            ClickListEntry(w.ccbColor, w.ccbColor->findText(typed, Qt::MatchFixedString));
        } else {
            TypeIntoList(w.ccbColor, typed);
            QTest::keyClick(w.ccbColor->view(),
                            pick == Pick::Keys ? Qt::Key_Return : Qt::Key_Escape);
        }
        QTRY_VERIFY(w.ccbColor->isHidden());

        QCOMPARE(TextColorOf(button), captionColour);
        Click(w.sbBack2);
        const auto index = static_cast<std::size_t>(cell);
        QCOMPARE(fill ? w.gR[index]->fill() : w.gT[index]->color(), colour);
        OpenTab(*form, w.tabSettings);
        Click(w.bSave);
        QVERIFY2(Lines(SettingsFileOf(form)).contains(savedLine), SettingsFileOf(form).constData());
    }

    void theColourListShowsADozenRowsAroundTheCurrentColour() {
        auto form = ShownForm(QDate(2023, 9, 15), "[Colors]\nLPlt=Teal\n");
        const FormWidgets& w = form->widgets();
        OpenTab(*form, w.tabSettings);
        Click(w.bAPlt);
        WaitForList(w.ccbColor);
        QAbstractItemView* list = w.ccbColor->view();
        int fullyShown = 0;
        for (int row = 0; row < w.ccbColor->count(); ++row) {
            const QRect entry = list->visualRect(list->model()->index(row, 0));
            fullyShown += list->viewport()->rect().contains(entry) ? 1 : 0;
        }
        QCOMPARE(fullyShown, 12);
        QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Teal"));
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
        QVERIFY(list->window()->height() < form->height());
        QTest::keyClick(list, Qt::Key_Escape);
    }

    void firstSaveCreatesTheFile() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        QVERIFY(QFileInfo(form.settingsFolder()).isDir());
        QVERIFY(!QFileInfo::exists(form->settingsFilePath()));
        Click(w.bSave);
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
        OpenTab(*form, form->widgets().tabSettings);
        Click(form->widgets().bSave);
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
        OpenList(w.cbPlt);
        ClickListEntry(w.cbPlt, w.cbPlt->findText(QStringLiteral("6 FSS")));
        SetWeekStartSwitch(*form, true);
        PickColour(*form, w.bAPlt, expected::Yellow);
        PickColour(*form, w.bBkGr, expected::Navy);
        Click(w.bSave);
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
        Click(w.bSave);
        QCOMPARE(
            *form.errors,
            QStringList{QStringLiteral("Unable to write to %1.").arg(form->settingsFilePath())});
        QCOMPARE(w.tabCtrl->currentWidget(), w.tabSettings);
        QCOMPARE(form->colorSettings().work, expected::Yellow);
    }

    void pickedColoursAndTheCaptions() {
        auto form = ShownForm();
        const FormWidgets& w = form->widgets();
        QVERIFY(w.ccbColor->isHidden());
        Click(w.bAPlt);
        WaitForList(w.ccbColor);
        QCOMPARE(w.ccbColor->color(), expected::Blue);
        QTest::keyClick(w.ccbColor->view(), Qt::Key_Escape);
        QTRY_VERIFY(w.ccbColor->isHidden());

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
        Click(w.bAPlt);
        WaitForList(w.ccbColor);
        QCOMPARE(w.ccbColor->currentText(), QStringLiteral("Aqua"));
        QTest::keyClick(w.ccbColor->view(), Qt::Key_Escape);
        QTRY_VERIFY(w.ccbColor->isHidden());

        // A colour the list does not have keeps the picker's last entry; closing the list
        // without a choice leaves the colour as it was.
        Click(w.bLdTr);
        WaitForList(w.ccbColor);
        QCOMPARE(w.ccbColor->currentText(), QStringLiteral("Aqua"));
        QTest::keyClick(w.ccbColor->view(), Qt::Key_Escape);
        QTRY_VERIFY(w.ccbColor->isHidden());
        QCOMPARE(form->colorSettings().leadTrail, 0xFF123456u);
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
        OpenTab(*form, w.tabAbout);
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
