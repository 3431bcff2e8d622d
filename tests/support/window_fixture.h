#pragma once

#include "ui/about/about_page.h"
#include "ui/about/help_page.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/month_view.h"
#include "ui/parts/panel.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/color_picker.h"
#include "ui/settings/settings_page.h"
#include "ui/settings/toggle_switch.h"
#include "ui/window/equal_tab_widget.h"
#include "ui/window/main_window.h"

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
void WriteSettingsFile(const WindowUnderTest& fixture, const QByteArray& text);

void StartWindow(WindowUnderTest& fixture, QDate today = QDate(2023, 9, 15));

// A window started with no settings file, or with the one given.
WindowUnderTest ShownWindow(QDate today = QDate(2023, 9, 15), const QByteArray& settings = {});

// The window's controls, found by their names as a user's tools would find them.
struct Controls {
    EqualTabWidget* tabs = nullptr;
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
    ClosingComboBox* assignment = nullptr;
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

Controls ControlsOf(const MainWindow& window);

// A left click in the middle of a widget.
void Click(QWidget* widget);

// A click in the middle of a cell of the month view.
void ClickCell(MainWindow& window, int cell);

// Whether the keyboard focus, and with it the focus mark, is on that cell.
bool CellHasFocus(MainWindow& window, int cell);

// Opens a tab with a click on its header.
void OpenTab(MainWindow& window, QWidget* page);

// Waits until a combo box's list has dropped down.
void WaitForList(QComboBox* box);

// Opens a combo box's list with a click on the box.
void OpenList(QComboBox* box);

// Moves the mouse to an entry of a list that is open, scrolled into sight first as the wheel
// would, and clicks it.
void ClickListEntry(QComboBox* box, int row);

// Types the first letters of an entry into a list that is open, as a keyboard user finds it.
void TypeIntoList(QComboBox* box, const QString& text);

// Chooses an entry of the assignment list with the mouse and goes back to the calendar.
void ChooseAssignment(MainWindow& window, const QString& entry);

// Turns the week-start switch to `on` with a click, if it is not so already.
void SetWeekStartSwitch(MainWindow& window, bool on);

// Opens the date field's drop-down calendar with a click on its arrow.
QCalendarWidget* OpenDatePicker(MainWindow& window);

// Picks a date in the date field's drop-down calendar: the calendar is brought to the day, as
// its own paging would, and Return takes it and closes the drop-down.
void PickDate(MainWindow& window, QDate date);

// Brings the keyboard focus to `target` as a keyboard does: Tab, from wherever the focus is,
// until it arrives. False where the Tab key never reaches it.
bool TabTo(QWidget* target);

QWidget* KeyTarget(MainWindow& window);

QDate D(int year, int month, int day);

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
    QStringList buttons;
};

// Reads the next message box that opens and presses `answer` on it, a standard button or the
// button with that caption.
class AnswerNextMessageBox {
public:
    explicit AnswerNextMessageBox(QMessageBox::StandardButton answer)
        : AnswerNextMessageBox([answer](QMessageBox* box) { return box->button(answer); }) {}
    // Clicks the button whose caption, without its mnemonic, reads `caption`.
    explicit AnswerNextMessageBox(const QString& caption)
        : AnswerNextMessageBox([caption](QMessageBox* box) -> QAbstractButton* {
              for (QAbstractButton* button : box->buttons()) {
                  if (button->text().remove(QLatin1Char('&')) == caption)
                      return button;
              }
              return nullptr;
          }) {}
    bool happened() const { return m_answer.happened(); }
    const ShownMessage& shown() const { return m_shown; }

private:
    explicit AnswerNextMessageBox(std::function<QAbstractButton*(QMessageBox*)> pick)
        : m_answer([this, pick](QMessageBox* box) {
              // The label is what the user reads, and the captions the buttons it can press.
              const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
              m_shown.text = label ? label->text() : QString();
              m_shown.plainText = label && label->textFormat() == Qt::PlainText;
              for (QAbstractButton* button : box->buttons())
                  m_shown.buttons.append(button->text().remove(QLatin1Char('&')));
              QAbstractButton* answer = pick(box);
              if (!answer) {
                  // Closed all the same, so that the test goes on to report what it found.
                  box->reject();
                  QFAIL(qPrintable(m_shown.buttons.join(QLatin1Char('/'))));
              }
              QTest::mouseClick(answer, Qt::LeftButton);
          }) {}

    ShownMessage m_shown;
    OnNextModal<QMessageBox> m_answer;
};

} // namespace dutyloop::testing

#include "ui/settings/color_picker.h"

#include <QPushButton>

namespace dutyloop::testing {

// Presses a colour button and picks the colour's entry in the picker's list with the mouse;
// Null is the list's last entry.
void PickColour(MainWindow& window, QPushButton* button, QRgb colour);

// The size of the widget's font in pixels, fractions kept, as the widget shows it.
float PixelSizeOf(const QWidget* widget);

// The colour a button draws its text in while the pointer is away and it is not pressed.
QRgb ButtonTextColorOf(QAbstractButton* button);

} // namespace dutyloop::testing
