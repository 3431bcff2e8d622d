#include "expected_colors.h"
#include "window_fixture.h"

#include "ui/parts/text_color.h"
#include "ui/settings/toggle_switch.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QToolButton>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

QByteArray SettingsFileOf(const WindowUnderTest& fixture) {
    QFile file(fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Lines(const QByteArray& text) {
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QPushButton* ColourButton(const Controls& w, const QString& caption) {
    for (QPushButton* button : {w.workColor, w.offColor, w.leadTrailColor, w.backgroundColor}) {
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
        QTest::addColumn<QDate>("anchor");
        QTest::newRow("3 TWT") << "3 TWT" << 3 << "calendarPage"
                               << "Tornvale - 3 TWT" << QDate(2013, 12, 9);
        QTest::newRow("3 twt in lower case") << "3 twt" << 3 << "calendarPage"
                                             << "Tornvale - 3 TWT" << QDate(2013, 12, 9);
        QTest::newRow("tornvale in lower case opens the calendar")
            << "tornvale" << 0 << "calendarPage"
            << "Tornvale" << QDate(2100, 12, 31);
        QTest::newRow("Tornvale opens the settings") << "Tornvale" << 0 << "settingsPage"
                                                     << "Tornvale" << QDate(2100, 12, 31);
        QTest::newRow("an entry the list does not have") << "9 XYZ" << -1 << "calendarPage"
                                                         << "Tornvale" << QDate(2100, 12, 31);
        QTest::newRow("present but empty") << "" << 0 << "settingsPage"
                                           << "Tornvale" << QDate(2100, 12, 31);
    }
    void startUpFollowsTheSavedAssignment() {
        QFETCH(QString, saved);
        QFETCH(int, selected);
        QFETCH(QString, tab);
        QFETCH(QString, title);
        QFETCH(QDate, anchor);
        auto window =
            ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=" + saved.toUtf8() + "\n");
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.assignment->currentIndex(), selected);
        QCOMPARE(w.tabs->currentWidget()->objectName(), tab);
        QCOMPARE(w.title->text(), title);
        QCOMPARE(window->view().anchorDate, anchor);
        QCOMPARE(window->view().shownDate, D(2023, 9, 15));
    }

    void aListClosedWithoutAChoiceFallsBackToTheAgencyWideEntry() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=9 XYZ\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        OpenList(w.assignment);
        QTest::keyClick(w.assignment->view(), Qt::Key_Escape);
        QTRY_VERIFY(!w.assignment->view()->isVisible());
        QCOMPARE(window->settings().assignment, QStringLiteral("Tornvale"));
        QCOMPARE(w.assignment->currentIndex(), 0);
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
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        if (choice == Choice::ArrowsOnTheClosedBox) {
            QVERIFY(TabTo(w.assignment));
            for (int step = 0; step < 4; ++step)
                QTest::keyClick(w.assignment, Qt::Key_Up);
        } else {
            OpenList(w.assignment);
            if (choice == Choice::ClickedInTheList) {
                ClickListEntry(w.assignment, 1);
            } else {
                TypeIntoList(w.assignment, QStringLiteral("1"));
                QTest::keyClick(w.assignment->view(), Qt::Key_Return);
                QTRY_VERIFY(!w.assignment->view()->isVisible());
            }
        }
        QCOMPARE(window->settings().assignment, QStringLiteral("1 SMT"));
        QCOMPARE(w.title->text(), QStringLiteral("Tornvale - 5 TFS"));
        Click(w.settingsBack);
        QCOMPARE(w.title->text(), QStringLiteral("Tornvale - 1 SMT"));
        QCOMPARE(window->view().anchorDate, QDate(2013, 11, 11));
        OpenTab(*window, w.settingsPage);
        Click(w.save);
        QVERIFY(Lines(SettingsFileOf(window)).contains(QStringLiteral("WorkAssign=1 SMT")));
    }

    void weekStartSwitchByAClick() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWeekStartsOnMonday=1\n");
        const Controls w = ControlsOf(*window);
        // The week start of the date field's drop-down, as its opening shows it.
        const auto pickerWeekStart = [&] {
            OpenTab(*window, w.calendarPage);
            QCalendarWidget* calendar = OpenDatePicker(*window);
            const Qt::DayOfWeek first = calendar->firstDayOfWeek();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            if (!QTest::qWaitFor([calendar] { return !calendar->window()->isVisible(); }))
                qWarning("the drop-down calendar stayed open after Escape");
            return first;
        };
        QVERIFY(w.weekStart->isChecked());
        QCOMPARE(window->monthPage().weekdayLabels[0], QStringLiteral("Mon"));
        QCOMPARE(pickerWeekStart(), Qt::Monday);
        OpenTab(*window, w.settingsPage);
        Click(w.weekStart);
        QVERIFY(!w.weekStart->isChecked());
        Click(w.settingsBack);
        QCOMPARE(window->monthPage().weekdayLabels[0], QStringLiteral("Sun"));
        // September 2023 starts on a Friday: the grid now opens on Sunday, August 27.
        QCOMPARE(window->monthPage().cells[0].text, QStringLiteral("27"));
        // The drop-down calendar keeps the week start of start-up.
        QCOMPARE(pickerWeekStart(), Qt::Monday);
        OpenTab(*window, w.settingsPage);
        Click(w.save);
        QVERIFY(Lines(SettingsFileOf(window)).contains(QStringLiteral("WeekStartsOnMonday=0")));
    }

    void colourByHand_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Pick>("pick");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QRgb>("colour"); // the setting afterwards
        QTest::addColumn<QRgb>("captionColour");
        QTest::addColumn<int>("cell");  // a day cell that shows the colour
        QTest::addColumn<bool>("fill"); // in its fill, or else in its number
        QTest::addColumn<QString>("savedLine");
        struct Button {
            const char* caption;
            const char* typed;
            QRgb picked;
            QRgb before;
            QRgb captionPicked;
            QRgb captionBefore;
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
        QFETCH(QRgb, colour);
        QFETCH(QRgb, captionColour);
        QFETCH(int, cell);
        QFETCH(bool, fill);
        QFETCH(QString, savedLine);
        auto window = ShownWindow(QDate(2023, 9, 1), kCrewFiveOnTheFirst);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        QPushButton* button = ColourButton(w, caption);
        QVERIFY(button);
        Click(button);
        WaitForList(w.colorPicker);
        if (pick == Pick::Mouse) {
            ClickListEntry(w.colorPicker, w.colorPicker->findText(typed, Qt::MatchFixedString));
        } else {
            TypeIntoList(w.colorPicker, typed);
            QTest::keyClick(w.colorPicker->view(),
                            pick == Pick::Keys ? Qt::Key_Return : Qt::Key_Escape);
        }
        QTRY_VERIFY(w.colorPicker->isHidden());

        QCOMPARE(TextColorOf(button), captionColour);
        Click(w.settingsBack);
        const auto index = static_cast<std::size_t>(cell);
        QCOMPARE(fill ? window->monthPage().cells[index].fill
                      : window->monthPage().cells[index].textColor,
                 colour);
        OpenTab(*window, w.settingsPage);
        // A colour given up leaves nothing to save.
        QCOMPARE(w.save->isEnabled(), pick != Pick::Escape);
        if (pick == Pick::Escape)
            return;
        Click(w.save);
        QVERIFY2(Lines(SettingsFileOf(window)).contains(savedLine),
                 SettingsFileOf(window).constData());
    }

    void theColourListShowsADozenRowsAroundTheCurrentColour() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Colors]\nLPlt=Teal\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        Click(w.workColor);
        WaitForList(w.colorPicker);
        QAbstractItemView* list = w.colorPicker->view();
        int fullyShown = 0;
        for (int row = 0; row < w.colorPicker->count(); ++row) {
            const QRect entry = list->visualRect(list->model()->index(row, 0));
            fullyShown += list->viewport()->rect().contains(entry) ? 1 : 0;
        }
        QCOMPARE(fullyShown, 12);
        QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Teal"));
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
        QVERIFY(list->window()->height() < window->height());
        QTest::keyClick(list, Qt::Key_Escape);
    }

    void firstSaveCreatesTheFile() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        QVERIFY(QFileInfo(window.settingsFolder()).isDir());
        QVERIFY(!QFileInfo::exists(window->settingsFilePath()));
        Click(w.save);
        QCOMPARE(Lines(SettingsFileOf(window)),
                 (QStringList{"[Config]", "WorkAssign=Tornvale", "WeekStartsOnMonday=0", "[Colors]",
                              "KPlt=Dimgray", "LPlt=Blue", "LdTr=Silver", "BkGr=White",
                              "GridColor=Black"}));
        QCOMPARE(w.tabs->currentWidget(), w.calendarPage);
        QVERIFY(window.errors->isEmpty());
    }

    void saveKeepsWhatItDoesNotWrite() {
        const QByteArray before = "; written by hand\r\n[Other]\r\nKey=value\r\n[config]\r\n"
                                  "workassign=2 MTW\r\nExtra=1\r\n[Colors]\r\nBkGr=Cyan\r\n";
        auto window = ShownWindow(QDate(2023, 9, 15), before);
        QCOMPARE(window->settings().colors.background, expected::Aqua);
        OpenTab(*window, ControlsOf(*window).settingsPage);
        // Settings read as they would be written leave nothing to save but a change.
        QVERIFY(!ControlsOf(*window).save->isEnabled());
        Click(ControlsOf(*window).weekStart);
        Click(ControlsOf(*window).save);
        const QByteArray after = SettingsFileOf(window);
        QVERIFY(after.startsWith("; written by hand\r\n[Other]\r\nKey=value\r\n[config]\r\n"
                                 "workassign=2 MTW\r\n"));
        QVERIFY(after.contains("Extra=1\r\n"));
        QVERIFY(after.contains("BkGr=Aqua\r\n"));
        QVERIFY(after.contains("WeekStartsOnMonday=1\r\n"));
    }

    void savedSettingsComeBackAtTheNextStart() {
        WindowUnderTest window;
        StartWindow(window);
        const Controls w = ControlsOf(*window);
        OpenList(w.assignment);
        ClickListEntry(w.assignment, w.assignment->findText(QStringLiteral("6 FSS")));
        SetWeekStartSwitch(*window, true);
        PickColour(*window, w.workColor, expected::Yellow);
        PickColour(*window, w.backgroundColor, expected::Navy);
        Click(w.save);
        window.window.reset();

        StartWindow(window);
        QCOMPARE(window->settings().assignment, QStringLiteral("6 FSS"));
        QCOMPARE(ControlsOf(*window).assignment->currentText(), QStringLiteral("6 FSS"));
        QVERIFY(ControlsOf(*window).weekStart->isChecked());
        QCOMPARE(window->settings().colors.work, expected::Yellow);
        QCOMPARE(window->settings().colors.background, expected::Navy);
        QCOMPARE(ControlsOf(*window).tabs->currentWidget(), ControlsOf(*window).calendarPage);
        QCOMPARE(window->monthPage().look.background, expected::Navy);
    }

    void aFailedSaveChangesNothing() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        // A folder where the file should be: nothing can be written there.
        QVERIFY(QDir().mkpath(window->settingsFilePath()));
        PickColour(*window, w.workColor, expected::Yellow);
        Click(w.save);
        QCOMPARE(*window.errors,
                 QStringList{QStringLiteral("Unable to write to %1: it is not a file.")
                                 .arg(window->settingsFilePath())});
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
        QCOMPARE(window->settings().colors.work, expected::Yellow);
    }

    void pickedColoursAndTheCaptions() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        QVERIFY(w.colorPicker->isHidden());
        Click(w.workColor);
        WaitForList(w.colorPicker);
        QCOMPARE(w.colorPicker->color(), expected::Blue);
        QTest::keyClick(w.colorPicker->view(), Qt::Key_Escape);
        QTRY_VERIFY(w.colorPicker->isHidden());

        // Null changes nothing.
        PickColour(*window, w.offColor, 0x00000000);
        QCOMPARE(window->settings().colors.off, 0xFF696969u);
        QVERIFY(w.colorPicker->isHidden());

        // Work in the background's own colour: the caption reads in contrast instead.
        PickColour(*window, w.workColor, expected::White);
        QCOMPARE(window->settings().colors.work, expected::White);
        QCOMPARE(TextColorOf(w.workColor), expected::Black);

        PickColour(*window, w.backgroundColor, expected::Blue);
        QCOMPARE(w.settingsBackground->fill(), expected::Blue);
        QCOMPARE(w.settingsToolBar->fill(), expected::Blue);
        for (QWidget* text : std::initializer_list<QWidget*>{
                 w.settingsTitle, w.assignmentLabel, w.weekStartLabel, w.backgroundColor,
                 w.aboutText, w.supportPageLink, w.supportMailLink})
            QVERIFY2(TextColorOf(text) == expected::White, qPrintable(text->objectName()));
        // A new background never recolours the other colour captions.
        QCOMPARE(TextColorOf(w.workColor), expected::Black);

        PickColour(*window, w.backgroundColor, expected::Yellow);
        QCOMPARE(TextColorOf(w.supportPageLink), expected::Blue);
        QCOMPARE(TextColorOf(w.assignmentLabel), expected::Black);
    }

    void pickerSelection() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Colors]\nLdTr=#FF123456\n");
        const Controls w = ControlsOf(*window);
        PickColour(*window, w.workColor, 0xFF00FFFF);
        Click(w.workColor);
        WaitForList(w.colorPicker);
        QCOMPARE(w.colorPicker->currentText(), QStringLiteral("Aqua"));
        QTest::keyClick(w.colorPicker->view(), Qt::Key_Escape);
        QTRY_VERIFY(w.colorPicker->isHidden());

        // A colour the list does not have keeps the picker's last entry; closing the list
        // without a choice leaves the colour as it was.
        Click(w.leadTrailColor);
        WaitForList(w.colorPicker);
        QCOMPARE(w.colorPicker->currentText(), QStringLiteral("Aqua"));
        QTest::keyClick(w.colorPicker->view(), Qt::Key_Escape);
        QTRY_VERIFY(w.colorPicker->isHidden());
        QCOMPARE(window->settings().colors.leadTrail, 0xFF123456u);
    }

    void darkSavedBackgroundLeavesTheCaptionsAlone() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Colors]\nBkGr=Navy\n");
        const Controls w = ControlsOf(*window);
        QCOMPARE(TextColorOf(w.assignmentLabel), TextColorOf(w.weekStartLabel));
        QVERIFY(TextColorOf(w.assignmentLabel) != expected::White);
        QCOMPARE(TextColorOf(w.backgroundColor), expected::White);
        QCOMPARE(TextColorOf(w.aboutText), expected::White);
    }

    void links() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.aboutPage);
        QCOMPARE(w.supportPageLink->text(),
                 QStringLiteral("https://www.halvorne.example/win-issues.htm"));
        QCOMPARE(w.supportMailLink->text(), QStringLiteral("email: support@halvorne.example"));
        QTest::mouseClick(w.supportPageLink, Qt::LeftButton);
        QTest::mouseClick(w.supportMailLink, Qt::LeftButton);
        QCOMPARE(window.openedLinks->size(), 2);
        QCOMPARE(window.openedLinks->at(0).toString(QUrl::FullyEncoded),
                 QStringLiteral("https://www.halvorne.example/win-issues.htm"));
        QCOMPARE(window.openedLinks->at(1).toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:support@halvorne.example?subject=Support%20Request"));
        QCOMPARE(w.tabs->currentWidget(), w.aboutPage);
    }
};

QTEST_MAIN(TestSettingsTab)
#include "test_settings_tab.moc"
