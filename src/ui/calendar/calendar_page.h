#pragma once

#include "calendar/month_page.h"
#include "calendar/sizing.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QPushButton;

namespace dutyloop {

class Announcer;
class DateField;
class MonthHeading;
class MonthView;
class Panel;

// The Calendar tab: the title, the month with its arrows, the month view, and the footer with
// the status line, the Today button and the date field. It shows a month page and reports what
// the user asks for; the window decides what follows.
class CalendarPage : public QWidget {
    Q_OBJECT
public:
    explicit CalendarPage(QWidget* parent);
    ~CalendarPage() override;

    void showMonth(const MonthPage& page);
    // The bands follow the window's height; the view and the footer share what is left.
    void setSizes(const CalendarLayout& layout);
    void setPickerDate(QDate date);
    // The drop-down calendar starts its weeks as the settings did at start-up.
    void setPickerWeekStart(Qt::DayOfWeek weekStart);
    // The date field's digits and its short date format, as the user's locale writes dates.
    void setDateFormat(const QLocale& locale, const QString& format);
    // Gives the keyboard focus to the month view; its mark shows on the selected day where the
    // focus comes from the user's click or Tab key.
    void focusMonthView(Qt::FocusReason reason = Qt::MouseFocusReason);
    // Where publishing stands, in the status line's tooltip and its description for a screen
    // reader; empty where nothing is published.
    void showPublishState(const QString& text);

    MonthView* monthView() const { return m_monthView; }

signals:
    void previousMonthRequested();
    void nextMonthRequested();
    void todayRequested();
    void datePicked(QDate date);
    void dayClicked(QDate day);
    void dayActivated(QDate day);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTitleAndMonthBands();
    void pointMonthArrows();
    void buildFooter();
    void watchDatePicker(QObject* parent, QObject* child);
    void applyPickerWeekStart();
    void reportPickedDate();
    void takeTypedDate();
    void announceDayOnButtons(const MonthPage& before);

    Panel* m_titlePanel = nullptr;
    QLabel* m_title = nullptr;
    Panel* m_monthPanel = nullptr;
    MonthHeading* m_monthLabel = nullptr;
    QPushButton* m_previousMonth = nullptr;
    QPushButton* m_nextMonth = nullptr;
    MonthView* m_monthView = nullptr;
    Panel* m_footerPanel = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_today = nullptr;
    DateField* m_dateField = nullptr;
    int m_dateFieldWidth = 85;
    QDate m_dateFieldShows;           // the date the field was last set to
    QWidget* m_pickerPopup = nullptr; // made by the date field when first opened
    Announcer* m_announcer = nullptr;
    Qt::DayOfWeek m_pickerWeekStart = Qt::Sunday;
};

} // namespace dutyloop
