#pragma once

#include "calendar/qdate_bridge.h"
#include "ui/about_page.h"
#include "ui/calendar_page.h"
#include "ui/color_picker.h"
#include "ui/combo_box.h"
#include "ui/help_page.h"
#include "ui/main_window.h"
#include "ui/month_view.h"
#include "ui/panel.h"
#include "ui/settings_page.h"
#include "ui/tab_widget.h"
#include "ui/toggle_switch.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <functional>
#include <memory>

namespace dutyloop::testing {

// A window on a fixed day in a US English locale, its settings in a folder of its own, shown
// on the offscreen platform. The links it opens and the errors it shows are kept for the test.
struct WindowUnderTest {
    std::unique_ptr<QTemporaryDir> configFolder = std::make_unique<QTemporaryDir>();
    std::shared_ptr<QList<QUrl>> openedLinks = std::make_shared<QList<QUrl>>();
    std::shared_ptr<QStringList> errors = std::make_shared<QStringList>();
    std::unique_ptr<MainWindow> window;
    // Changes the platform before the window starts, for a test that needs more of it.
    std::function<void(Platform&)> adjustPlatform;

    MainWindow* operator->() const { return window.get(); }
    MainWindow& operator*() const { return *window; }
    MainWindow* get() const { return window.get(); }
    QString settingsFolder() const {
        return configFolder->filePath(QStringLiteral("Halvorne/Dutyloop"));
    }
};

// The settings file as the window finds it when it starts.
inline void WriteSettingsFile(const WindowUnderTest& fixture, const QByteArray& text) {
    QDir().mkpath(fixture.settingsFolder());
    QFile file(fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the settings file");
}

inline void StartWindow(WindowUnderTest& fixture, QDate today = QDate(2023, 9, 15)) {
    Platform platform = FixedPlatform(today, QLocale(QLocale::English, QLocale::UnitedStates),
                                      fixture.configFolder->path());
    platform.openUrl = [links = fixture.openedLinks](const QUrl& url) { links->append(url); };
    platform.showError = [errors = fixture.errors](QWidget*, const QString& message) {
        errors->append(message);
    };
    if (fixture.adjustPlatform)
        fixture.adjustPlatform(platform);
    fixture.window = std::make_unique<MainWindow>(std::move(platform));
    fixture.window->show();
    if (!QTest::qWaitForWindowExposed(fixture.window.get()))
        qWarning("window not exposed");
}

// A window started with no settings file, or with the one given.
inline WindowUnderTest ShownWindow(QDate today = QDate(2023, 9, 15),
                                   const QByteArray& settings = {}) {
    WindowUnderTest fixture;
    if (!settings.isNull())
        WriteSettingsFile(fixture, settings);
    StartWindow(fixture, today);
    return fixture;
}

// The window's controls, found by their names as a user's tools would find them.
struct Controls {
    TabWidget* tabs = nullptr;
    CalendarPage* calendarPage = nullptr;
    SettingsPage* settingsPage = nullptr;
    HelpPage* helpPage = nullptr;
    AboutPage* aboutPage = nullptr;

    Panel* titlePanel = nullptr;
    QLabel* title = nullptr;
    Panel* monthPanel = nullptr;
    QLabel* monthLabel = nullptr;
    QPushButton* previousMonth = nullptr;
    QPushButton* nextMonth = nullptr;
    MonthView* monthView = nullptr;
    Panel* footerPanel = nullptr;
    QLabel* status = nullptr;
    QPushButton* today = nullptr;
    QDateEdit* dateField = nullptr;

    QToolButton* settingsBack = nullptr;
    QPushButton* save = nullptr;
    QLabel* settingsTitle = nullptr;
    Panel* settingsToolBar = nullptr;
    Panel* settingsBackground = nullptr;
    ColorPicker* colorPicker = nullptr;
    QLabel* assignmentLabel = nullptr;
    ComboBox* assignment = nullptr;
    QLabel* weekStartLabel = nullptr;
    ToggleSwitch* weekStart = nullptr;
    QPushButton* workColor = nullptr;
    QPushButton* offColor = nullptr;
    QPushButton* leadTrailColor = nullptr;
    QPushButton* backgroundColor = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* printButton = nullptr;

    QToolButton* helpBack = nullptr;
    QLabel* helpTitle = nullptr;
    QToolButton* aboutBack = nullptr;
    QLabel* aboutTitle = nullptr;
    QLabel* aboutText = nullptr;
    QToolButton* supportPageLink = nullptr;
    QToolButton* supportMailLink = nullptr;
};

template <class Widget> Widget* Find(const QWidget* parent, const char* name) {
    auto* found = parent->findChild<Widget*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget named %s in %s", name, qPrintable(parent->objectName()));
    return found;
}

inline Controls ControlsOf(const MainWindow& window) {
    Controls c;
    c.tabs = window.findChild<TabWidget*>();
    c.calendarPage = Find<CalendarPage>(&window, "calendarPage");
    c.settingsPage = Find<SettingsPage>(&window, "settingsPage");
    c.helpPage = Find<HelpPage>(&window, "helpPage");
    c.aboutPage = Find<AboutPage>(&window, "aboutPage");

    c.titlePanel = Find<Panel>(c.calendarPage, "titlePanel");
    c.title = Find<QLabel>(c.calendarPage, "titleLabel");
    c.monthPanel = Find<Panel>(c.calendarPage, "monthPanel");
    c.footerPanel = Find<Panel>(c.calendarPage, "footerPanel");
    c.monthLabel = Find<QLabel>(c.calendarPage, "monthLabel");
    c.previousMonth = Find<QPushButton>(c.calendarPage, "previousMonthButton");
    c.nextMonth = Find<QPushButton>(c.calendarPage, "nextMonthButton");
    c.monthView = Find<MonthView>(c.calendarPage, "monthView");
    c.status = Find<QLabel>(c.calendarPage, "statusLabel");
    c.today = Find<QPushButton>(c.calendarPage, "todayButton");
    c.dateField = Find<QDateEdit>(c.calendarPage, "dateField");

    c.settingsBack = Find<QToolButton>(c.settingsPage, "backButton");
    c.save = Find<QPushButton>(c.settingsPage, "saveButton");
    c.settingsTitle = Find<QLabel>(c.settingsPage, "titleLabel");
    c.settingsToolBar = Find<Panel>(c.settingsPage, "titlePanel");
    c.settingsBackground = Find<Panel>(c.settingsPage, "backgroundPanel");
    c.colorPicker = Find<ColorPicker>(c.settingsPage, "colorPicker");
    c.assignmentLabel = Find<QLabel>(c.settingsPage, "assignmentLabel");
    c.assignment = Find<ComboBox>(c.settingsPage, "assignmentBox");
    c.weekStartLabel = Find<QLabel>(c.settingsPage, "weekStartLabel");
    c.weekStart = Find<ToggleSwitch>(c.settingsPage, "weekStartSwitch");
    c.workColor = Find<QPushButton>(c.settingsPage, "workColorButton");
    c.offColor = Find<QPushButton>(c.settingsPage, "offColorButton");
    c.leadTrailColor = Find<QPushButton>(c.settingsPage, "leadTrailColorButton");
    c.backgroundColor = Find<QPushButton>(c.settingsPage, "backgroundColorButton");
    c.exportButton = Find<QPushButton>(c.settingsPage, "exportButton");
    c.printButton = Find<QPushButton>(c.settingsPage, "printButton");

    c.helpBack = Find<QToolButton>(c.helpPage, "backButton");
    c.helpTitle = Find<QLabel>(c.helpPage, "titleLabel");
    c.aboutBack = Find<QToolButton>(c.aboutPage, "backButton");
    c.aboutTitle = Find<QLabel>(c.aboutPage, "titleLabel");
    c.aboutText = Find<QLabel>(c.aboutPage, "aboutText");
    c.supportPageLink = Find<QToolButton>(c.aboutPage, "supportPageLink");
    c.supportMailLink = Find<QToolButton>(c.aboutPage, "supportMailLink");
    return c;
}

// A left click in the middle of a widget.
inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// A click in the middle of a cell of the month view.
inline void ClickCell(MainWindow& window, int cell) {
    MonthView* view = ControlsOf(window).monthView;
    QTest::mouseClick(view, Qt::LeftButton, {}, view->cellRect(cell).center());
}

// Whether the keyboard focus, and with it the focus mark, is on that cell.
inline bool CellHasFocus(MainWindow& window, int cell) {
    MonthView* view = ControlsOf(window).monthView;
    return view->hasFocus() && view->selectedCell() == cell;
}

// Opens a tab with a click on its header.
inline void OpenTab(MainWindow& window, QWidget* page) {
    QTabBar* bar = ControlsOf(window).tabs->tabBar();
    const int index = ControlsOf(window).tabs->indexOf(page);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Waits until a combo box's list has dropped down.
inline void WaitForList(QComboBox* box) {
    QTRY_VERIFY(box->view()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(box->view()->window()));
}

// Opens a combo box's list with a click on the box.
inline void OpenList(QComboBox* box) {
    Click(box);
    WaitForList(box);
}

// Moves the mouse to an entry of a list that is open, scrolled into sight first as the wheel
// would, and clicks it.
inline void ClickListEntry(QComboBox* box, int row) {
    QAbstractItemView* list = box->view();
    const QModelIndex entry = list->model()->index(row, box->modelColumn());
    list->scrollTo(entry);
    const QPoint at = list->visualRect(entry).center();
    QTest::mouseMove(list->viewport(), at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (list->isVisible()) {
        // Qt takes a release close to where a click opened the list, and soon after, as the end
        // of that click; a hand that stays put clicks again a moment later.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QTRY_VERIFY(!list->isVisible());
}

// Types the first letters of an entry into a list that is open, as a keyboard user finds it.
inline void TypeIntoList(QComboBox* box, const QString& text) {
    QTest::keyClicks(box->view(), text);
}

// Chooses an entry of the assignment list with the mouse and goes back to the calendar.
inline void ChooseAssignment(MainWindow& window, const QString& entry) {
    const Controls w = ControlsOf(window);
    OpenTab(window, w.settingsPage);
    OpenList(w.assignment);
    ClickListEntry(w.assignment, w.assignment->findText(entry));
    Click(w.settingsBack);
}

// Turns the week-start switch to `on` with a click, if it is not so already.
inline void SetWeekStartSwitch(MainWindow& window, bool on) {
    ToggleSwitch* weekStart = ControlsOf(window).weekStart;
    if (weekStart->isChecked() != on)
        Click(weekStart);
}

// Opens the date field's drop-down calendar with a click on its arrow.
inline QCalendarWidget* OpenDatePicker(MainWindow& window) {
    QDateEdit* field = ControlsOf(window).dateField;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 5, field->height() / 2));
    QCalendarWidget* calendar = field->calendarWidget();
    if (!QTest::qWaitForWindowExposed(calendar->window()))
        qWarning("the date picker did not open");
    return calendar;
}

// Picks a date in the date field's drop-down calendar: the calendar is brought to the day, as
// its own paging would, and Return takes it and closes the drop-down.
inline void PickDate(MainWindow& window, QDate date) {
    QCalendarWidget* calendar = OpenDatePicker(window);
    calendar->setSelectedDate(date);
    QWidget* days = calendar->findChild<QTableView*>();
    QTest::keyClick(days ? days : calendar, Qt::Key_Return);
    QTRY_VERIFY(!calendar->window()->isVisible());
}

// Brings the keyboard focus to `target` as a keyboard does: Tab, from wherever the focus is,
// until it arrives. False where the Tab key never reaches it.
inline bool TabTo(QWidget* target) {
    for (int press = 0; press < 60 && !target->hasFocus(); ++press) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : target->window(), Qt::Key_Tab);
    }
    return target->hasFocus();
}

inline QWidget* KeyTarget(MainWindow& window) {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == &window ? focus : &window;
}

inline Date D(int year, int month, int day) {
    return DateFromYmd(year, month, day);
}

// Acts on the next modal window of type Window to open, from within its own event loop, as a
// user does once it shows; nothing happens when none opens while this is alive.
template <class Window> class OnNextModal {
public:
    explicit OnNextModal(std::function<void(Window*)> act) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, act = std::move(act)] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (!window || !window->isVisible())
                return;
            m_timer.stop();
            m_happened = true;
            act(window);
        });
        m_timer.start();
    }
    bool happened() const { return m_happened; }

private:
    QTimer m_timer;
    bool m_happened = false;
};

// What a message box showed, and how.
struct ShownMessage {
    QString text;
    bool plainText = false;
};

// Reads the next message box that opens and presses `answer` on it.
class AnswerNextMessageBox {
public:
    explicit AnswerNextMessageBox(QMessageBox::StandardButton answer)
        : m_answer([this, answer](QMessageBox* box) {
              // The label is what the user reads.
              const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
              m_shown.text = label ? label->text() : QString();
              m_shown.plainText = label && label->textFormat() == Qt::PlainText;
              QTest::mouseClick(box->button(answer), Qt::LeftButton);
          }) {}
    bool happened() const { return m_answer.happened(); }
    const ShownMessage& shown() const { return m_shown; }

private:
    ShownMessage m_shown;
    OnNextModal<QMessageBox> m_answer;
};

} // namespace dutyloop::testing

#include "ui/color_picker.h"

#include <QPushButton>

namespace dutyloop::testing {

// Presses a colour button and picks the colour's entry in the picker's list with the mouse;
// Null is the list's last entry.
inline void PickColour(MainWindow& window, QPushButton* button, Color colour) {
    OpenTab(window, ControlsOf(window).settingsPage);
    ColorPicker* picker = ControlsOf(window).colorPicker;
    Click(button);
    WaitForList(picker);
    ClickListEntry(picker, picker->findData(QVariant::fromValue<uint>(colour)));
}

} // namespace dutyloop::testing
