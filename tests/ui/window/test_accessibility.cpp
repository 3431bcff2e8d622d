#include "accessibility_listener.h"

#include "ui/settings/export_dialog.h"
#include "ui/settings/toggle_switch.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {
QString AccessibleText(QObject* object, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(kind) : QStringLiteral("<no interface>");
}

// A cell of the month view, as a screen reader reaches it: a cell of the view's table.
QString CellText(MainWindow& window, int cell, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleTableInterface* table = MonthTable(window);
    if (!table)
        return QStringLiteral("<no table>");
    QAccessibleInterface* child = table->cellAt(cell / 7, cell % 7);
    return child ? child->text(kind) : QStringLiteral("<no cell>");
}

// The tooltip the view shows where the pointer rests on a cell.
QString ToolTipOver(MainWindow& window, int cell) {
    MonthView* view = ControlsOf(window).monthView;
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("<the tooltip before did not go>");
    const QPoint at = view->cellRect(cell).center();
    QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init() { DUTYLOOP_HEAR_OR_SKIP(); }
    void cleanup() { StopHearing(); }

    // The month is read with its year, within the current year too, and nothing sits inside
    // the labels that flat review reads.
    void theBandsAreReadAlone() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        QCOMPARE(w.monthLabel->text(), QStringLiteral("September"));
        QCOMPARE(AccessibleText(w.monthLabel), QStringLiteral("September 2023"));
        QCOMPARE(AccessibleText(w.monthView), QStringLiteral("September 2023"));
        Click(w.nextMonth);
        QCOMPARE(AccessibleText(w.monthLabel), QStringLiteral("October 2023"));
        // The arrow that keeps the focus tells where it went.
        QCOMPARE(AccessibleText(w.nextMonth, QAccessible::Description),
                 QStringLiteral("October 2023"));
        for (QLabel* label : {w.monthLabel, w.status, w.title})
            QVERIFY2(label->findChildren<QWidget*>().isEmpty(), qPrintable(label->objectName()));
        QCOMPARE(w.previousMonth->parentWidget(), w.monthLabel->parentWidget());
        QCOMPARE(w.today->parentWidget(), w.status->parentWidget());
        QCOMPARE(w.dateField->parentWidget(), w.status->parentWidget());
    }

    // Every control the focus can reach, on every tab, is read with a name; the tab pages are
    // page tabs that say which tab they are.
    void everyFocusableControlIsNamed() {
        auto window = ShownWindow();
        const Controls w = ControlsOf(*window);
        const QStringList pages{"Calendar", "Settings", "Help", "About"};
        for (int tab = 0; tab < w.tabs->count(); ++tab) {
            OpenTab(*window, w.tabs->widget(tab));
            QCOMPARE(AccessibleText(w.tabs->widget(tab)), pages[tab]);
            QCOMPARE(QAccessible::queryAccessibleInterface(w.tabs->widget(tab))->role(),
                     QAccessible::PageTab);
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() ||
                    widget->window() != window.get() || widget->focusProxy())
                    continue;
                QVERIFY2(!AccessibleText(widget).trimmed().isEmpty(),
                         qPrintable(QStringLiteral("%1 (%2) on tab %3")
                                        .arg(widget->objectName(),
                                             QString::fromLatin1(widget->metaObject()->className()))
                                        .arg(tab)));
            }
        }
    }

    // The Tab key reaches the tab headers, where the arrows choose another tab.
    void theTabBarIsInTheTabOrder() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        QTabBar* bar = w.tabs->tabBar();
        for (int step = 0; step < 20 && !bar->hasFocus(); ++step)
            QTest::keyClick(KeyTarget(*window), Qt::Key_Tab);
        QVERIFY(bar->hasFocus());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(w.tabs->currentWidget(), w.settingsPage);
    }

    // The list is read with its entry, and a change made with the keys is told. Orca finds no
    // value in a list of Qt 6.4's, so the entry is also its description, and a change is said.
    void theAssignmentListSaysItsValue() {
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        QVERIFY(TabTo(w.assignment));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.assignment);
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("5 TFS"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("5 TFS"));
        Heard().clear();
        QTest::keyClick(w.assignment, Qt::Key_Down);
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("6 FSS"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("6 FSS"));
        QVERIFY(HeardAbout(QAccessible::ValueChanged).contains(list));
        QTRY_COMPARE(Announced(), QStringList{QStringLiteral("6 FSS")});
    }

    // Save returns to the calendar, where the day is read; then it is said that it saved.
    void saveIsSaid() {
        auto window = ShownWindow(QDate(2023, 9, 15), "[Config]\nWorkAssign=5 TFS\n");
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.settingsPage);
        // Save can be pressed once there is something to save.
        SetWeekStartSwitch(*window, true);
        Heard().clear();
        Click(w.save);
        QCOMPARE(w.tabs->currentWidget(), w.calendarPage);
        QTRY_COMPARE(Announced(), QStringList{QStringLiteral("Settings saved")});
        // After what is said of the focus, which would else cut it short.
        const auto announced = std::find_if(Heard().cbegin(), Heard().cend(), [](const auto& e) {
            return e.type == QAccessible::ObjectShow &&
                   e.about->role() == QAccessible::Notification;
        });
        const auto focused = std::find_if(Heard().cbegin(), Heard().cend(), [](const auto& e) {
            return e.type == QAccessible::Focus && e.about->role() == QAccessible::ListItem;
        });
        QVERIFY(focused != Heard().cend());
        QVERIFY(focused < announced);
    }

    // Every field of the Export dialog is read with its label, and its list with its value.
    void theExportDialogIsLabelled_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        QTest::newRow("assignment") << "assignment"
                                    << "Assignment:";
        QTest::newRow("first month") << "first month"
                                     << "First month:";
        QTest::newRow("months") << "months"
                                << "Months:";
        QTest::newRow("file") << "file"
                              << "File:";
    }
    void theExportDialogIsLabelled() {
        QFETCH(QString, field);
        QFETCH(QString, label);
        ExportDialog dialog("5 TFS", D(2023, 9, 15),
                            FixedPlatform(QDate(2023, 9, 15), QLocale::c(), QString()), nullptr);
        dialog.show();
        const QList<QWidget*> fields{dialog.findChild<QComboBox*>("assignmentBox"),
                                     dialog.findChild<QDateEdit*>("firstMonthEdit"),
                                     dialog.findChild<QSpinBox*>("monthsBox"),
                                     dialog.findChild<QLineEdit*>("fileNameEdit")};
        QWidget* widget =
            fields.at(QStringList{"assignment", "first month", "months", "file"}.indexOf(field));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QStringList labels;
        for (const auto& relation : iface->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{label});
        QCOMPARE(AccessibleText(dialog.findChild<QPushButton*>("chooseButton")),
                 QStringLiteral("Choose the file"));
    }

    void theExportDialogsListSaysItsValue() {
        ExportDialog dialog("5 TFS", D(2023, 9, 15),
                            FixedPlatform(QDate(2023, 9, 15), QLocale::c(), QString()), nullptr);
        dialog.show();
        // As the window manager does with a dialog that opens.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(dialog.findChild<QComboBox*>("assignmentBox"));
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("5 TFS"));
        QVERIFY(TabTo(dialog.findChild<QComboBox*>("assignmentBox")));
        Heard().clear();
        QTest::keyClick(dialog.findChild<QComboBox*>("assignmentBox"), Qt::Key_Up);
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("4 WTF"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("4 WTF"));
        QVERIFY(HeardAbout(QAccessible::ValueChanged).contains(list));
        QTRY_COMPARE(Announced(), QStringList{QStringLiteral("4 WTF")});
    }

    // The About tab's links are links, named for where they lead, their addresses their
    // descriptions, and Enter follows them; the Tab key stops on the product text.
    void theAboutTabIsReadAndItsLinksFollowed_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("opened");
        QTest::newRow("web page") << "supportPageLink"
                                  << "Support web page"
                                  << "https://www.halvorne.example/win-issues.htm"
                                  << QUrl("https://www.halvorne.example/win-issues.htm");
        QTest::newRow("mail") << "supportMailLink"
                              << "Email to support"
                              << "support@halvorne.example"
                              << QUrl("mailto:support@halvorne.example");
    }
    void theAboutTabIsReadAndItsLinksFollowed() {
        QFETCH(QString, link);
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QUrl, opened);
        auto window = ShownWindow();
        OpenTab(*window, ControlsOf(*window).aboutPage);
        auto* reader = window->findChild<QWidget*>(QStringLiteral("aboutTextReader"));
        QVERIFY(TabTo(reader));
        QVERIFY(AccessibleText(reader).startsWith(QStringLiteral("Dutyloop for Tornvale v")));
        auto* button = window->findChild<QToolButton*>(link);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Description), address);
        QVERIFY(TabTo(button));
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(window.openedLinks->size(), 1);
        QVERIFY2(window.openedLinks->first().toString().startsWith(opened.toString()),
                 qPrintable(window.openedLinks->first().toString()));
    }

    // A screen reader hears when publishing fails and when it recovers, not of every run. The
    // folder cannot be made under a plain file; once the file is gone, Try Again publishes.
    void publishingFailureAndRecoveryAreSaid() {
        QTemporaryDir root;
        QFile blocker(root.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto window = ShownWindow(QDate(2027, 3, 10),
                                  "[Config]\nWorkAssign=5 TFS\n[Publish]\nTarget=folder\nFolder=" +
                                      root.filePath("blocked/vdir").toUtf8() + "\nMonths=1\n");
        const QString waiting = QStringLiteral("5 changes waiting: the folder cannot be written");
        QTRY_COMPARE(Announced(), QStringList{waiting});
        QVERIFY(blocker.remove());
        OpenTab(*window, ControlsOf(*window).settingsPage);
        Heard().clear();
        Click(window->findChild<QPushButton*>(QStringLiteral("publishActionButton")));
        QTRY_COMPARE(Announced(), QStringList{QStringLiteral("Published just now")});
        QVERIFY(QFile::exists(root.filePath("blocked/vdir")));
    }

    // The picture's content as text: each of its notes is in the description, with each
    // control called as a screen reader says it on the Settings tab, not by its short caption.
    void helpHasATextEquivalent() {
        auto window = ShownWindow();
        QWidget* picture = window->findChild<QWidget*>(QStringLiteral("helpPicture"));
        QVERIFY(picture);
        const QString text = AccessibleText(picture, QAccessible::Description);
        for (const char* said :
             {"First day of week", "Shift Assignment", "Shift Colors", "Leading / Trailing",
              "Background", "“Assignment”", "“Start weeks on Monday”", "“Work day colour”",
              "“Off-duty colour”", "“Leading and trailing days colour”", "“Background colour”",
              "“Save”", "“Export duty days to a calendar file”",
              "“Print a crew's duty year or save it as PDF”", "Your Own Calendar",
              "“Publish the duty to your own calendar and keep it current”"})
            QVERIFY2(text.contains(QString::fromUtf8(said)), said);
        for (const char* caption :
             {"Start Monday", "Ld/Tr", "BkGr", "Export…", "Print…", "Publish…"})
            QVERIFY2(!text.contains(QString::fromUtf8(caption)), caption);
    }

    // September 2023 under 5 TFS, weeks from Sunday: cell 0 is Sunday 2023-08-27.
    void everyDayOfTheGridIsNamed_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::newRow("leading day of August")
            << 4 << "Thursday, August 31, 2023, work day"; // 5 TFS works Aug 30 to Sep 1
        QTest::newRow("selected work day") << 5 << "Friday, September 1, 2023, work day";
        QTest::newRow("off day") << 6 << "Saturday, September 2, 2023, off duty";
        QTest::newRow("a trailing day that takes no clicks")
            << 39 << "Thursday, October 5, 2023, off duty"; // position 32, a Thursday off
        QTest::newRow("today") << 19 << "Today, Friday, September 15, 2023, off duty";
        QTest::newRow("legend") << 40 << "Legend: work days";
    }
    void everyDayOfTheGridIsNamed() {
        QFETCH(int, cell);
        QFETCH(QString, name);
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2023, 9, 1));
        QCOMPARE(CellText(*window, cell), name);
    }

    void noRotationNamesTheDateAlone() {
        auto window = ShownWindow(QDate(2023, 9, 15));
        QCOMPARE(CellText(*window, 20), QStringLiteral("Saturday, September 16, 2023"));
        QCOMPARE(CellText(*window, 19), QStringLiteral("Today, Friday, September 15, 2023"));
    }

    void tooltipsSayWhoIsOnDuty() {
        auto window = ShownWindow();
        PickDate(*window, QDate(2023, 9, 1));
        const QString tip =
            QStringLiteral("Friday, September 1, 2023\nOn duty: 5 TFS, 6 FSS, 7 SSM");
        QCOMPARE(ToolTipOver(*window, 5), tip);
        // The name says the date already; the description adds the crews alone.
        QCOMPARE(CellText(*window, 5, QAccessible::Description),
                 QStringLiteral("On duty: 5 TFS, 6 FSS, 7 SSM"));
        // A leading day shows it too; cells that take no pointer have none.
        QVERIFY(ToolTipOver(*window, 4).startsWith(QStringLiteral("Thursday, August 31, 2023\n")));
        QCOMPARE(ToolTipOver(*window, 37), QString());
    }

    void controlsAreNamed_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::newRow("previous") << "previousMonthButton"
                                  << "Previous month";
        QTest::newRow("next") << "nextMonthButton"
                              << "Next month";
        // A colour button says the colour it holds, which its caption shows only to the eye.
        QTest::newRow("work colour") << "workColorButton"
                                     << "Work day colour: Blue";
        QTest::newRow("background colour") << "backgroundColorButton"
                                           << "Background colour: White";
        QTest::newRow("switch") << "weekStartSwitch"
                                << "Start weeks on Monday";
        QTest::newRow("status line") << "statusLabel"
                                     << "Selected day: 9/1/2023 Work";
    }
    void controlsAreNamed() {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        auto window = ShownWindow();
        ChooseAssignment(*window, "5 TFS");
        PickDate(*window, QDate(2023, 9, 1));
        QCOMPARE(AccessibleText(window->findChild<QWidget*>(widget)), name);
    }

    // The list reads out its entry; its caption is the label that names it.
    void assignmentListIsLabelled() {
        auto window = ShownWindow();
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(ControlsOf(*window).assignment);
        QStringList labels;
        for (const auto& relation : list->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{QStringLiteral("Assignment")});
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
