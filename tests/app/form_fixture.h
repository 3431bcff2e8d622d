#pragma once

#include "calendar/qdate_bridge.h"
#include "ui/form_widgets.h"
#include "ui/main_form.h"
#include "ui/t_combo_box.h"
#include "ui/t_switch.h"
#include "ui/t_tab_control.h"

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
struct FormUnderTest {
    std::unique_ptr<QTemporaryDir> configFolder = std::make_unique<QTemporaryDir>();
    std::shared_ptr<QList<QUrl>> openedLinks = std::make_shared<QList<QUrl>>();
    std::shared_ptr<QStringList> errors = std::make_shared<QStringList>();
    std::unique_ptr<TMainForm> form;
    // Changes the platform before the window starts, for a test that needs more of it.
    std::function<void(Platform&)> adjustPlatform;

    TMainForm* operator->() const { return form.get(); }
    TMainForm& operator*() const { return *form; }
    TMainForm* get() const { return form.get(); }
    QString settingsFolder() const {
        return configFolder->filePath(QStringLiteral("Halvorne/Dutyloop"));
    }
};

// The settings file as the window finds it when it starts.
inline void WriteSettingsFile(const FormUnderTest& fixture, const QByteArray& text) {
    QDir().mkpath(fixture.settingsFolder());
    QFile file(fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the settings file");
}

inline void StartForm(FormUnderTest& fixture, QDate today = QDate(2023, 9, 15)) {
    Platform platform = FixedPlatform(today, QLocale(QLocale::English, QLocale::UnitedStates),
                                      fixture.configFolder->path());
    platform.openUrl = [links = fixture.openedLinks](const QUrl& url) { links->append(url); };
    platform.showError = [errors = fixture.errors](QWidget*, const QString& message) {
        errors->append(message);
    };
    if (fixture.adjustPlatform)
        fixture.adjustPlatform(platform);
    fixture.form = std::make_unique<TMainForm>(std::move(platform));
    fixture.form->show();
    if (!QTest::qWaitForWindowExposed(fixture.form.get()))
        qWarning("window not exposed");
}

// A window started with no settings file, or with the one given.
inline FormUnderTest ShownForm(QDate today = QDate(2023, 9, 15), const QByteArray& settings = {}) {
    FormUnderTest fixture;
    if (!settings.isNull())
        WriteSettingsFile(fixture, settings);
    StartForm(fixture, today);
    return fixture;
}

// A left click in the middle of a widget.
inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Opens a tab with a click on its header.
inline void OpenTab(TMainForm& form, QWidget* page) {
    QTabBar* bar = form.widgets().tabCtrl->tabBar();
    const int index = form.widgets().tabCtrl->indexOf(page);
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
inline void ChooseAssignment(TMainForm& form, const QString& entry) {
    const FormWidgets& w = form.widgets();
    OpenTab(form, w.tabSettings);
    OpenList(w.cbPlt);
    ClickListEntry(w.cbPlt, w.cbPlt->findText(entry));
    Click(w.sbBack2);
}

// Turns the week-start switch to `on` with a click, if it is not so already.
inline void SetWeekStartSwitch(TMainForm& form, bool on) {
    if (form.widgets().swMondays->isChecked() != on)
        Click(form.widgets().swMondays);
}

// Opens the date field's drop-down calendar with a click on its arrow.
inline QCalendarWidget* OpenDatePicker(TMainForm& form) {
    QDateEdit* field = form.widgets().DateEd;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 5, field->height() / 2));
    QCalendarWidget* calendar = field->calendarWidget();
    if (!QTest::qWaitForWindowExposed(calendar->window()))
        qWarning("the date picker did not open");
    return calendar;
}

// Picks a date in the date field's drop-down calendar: the calendar is brought to the day, as
// its own paging would, and Return takes it and closes the drop-down.
inline void PickDate(TMainForm& form, QDate date) {
    QCalendarWidget* calendar = OpenDatePicker(form);
    calendar->setSelectedDate(date);
    QWidget* days = calendar->findChild<QTableView*>();
    QTest::keyClick(days ? days : calendar, Qt::Key_Return);
    QTRY_VERIFY(!calendar->window()->isVisible());
}

inline QWidget* KeyTarget(TMainForm& form) {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == &form ? focus : &form;
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

#include "ui/t_color_combo_box.h"

#include <QPushButton>

namespace dutyloop::testing {

// Presses a colour button and picks the colour's entry in the picker's list with the mouse;
// Null is the list's last entry.
inline void PickColour(TMainForm& form, QPushButton* button, Color colour) {
    OpenTab(form, form.widgets().tabSettings);
    TColorComboBox* picker = form.widgets().ccbColor;
    Click(button);
    WaitForList(picker);
    ClickListEntry(picker, picker->findData(QVariant::fromValue<uint>(colour)));
}

} // namespace dutyloop::testing
