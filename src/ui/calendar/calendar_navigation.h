#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/month_page.h"
#include "calendar/sizing.h"
#include "schedule/holidays.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <functional>

namespace dutyloop {

// The keys that move the calendar's day: the arrows, and the month and today keys.
bool IsArrowKey(int key);
bool IsDayKey(int key);

class CalendarPage;
class DaysStore;
class SettingsModel;

// What the Calendar tab shows and where it stands: the shown and the marked day, the grid around
// them, and the month page drawn from them and from the owners of the settings and the days. The
// page's requests, the keys of every tab and a change of the days end here; each is answered with
// one redraw of the month page.
class CalendarNavigation : public QObject {
    Q_OBJECT
public:
    struct Sources {
        const SettingsModel* settings = nullptr;
        DaysStore* days = nullptr;
        std::function<QDate()> today;
        std::function<QTimeZone()> timeZone;
        LocaleSettings locale;
        // Says, over the window, why a day's change could not be read or written.
        std::function<void(QWidget* window, const QString& message)> showError;
    };
    CalendarNavigation(CalendarPage* page, Sources sources, QObject* parent);

    const CalendarView& view() const { return m_view; }
    const MonthPage& page() const;

    // At start: today, shown and marked, under the assignment the settings hold.
    void start();
    void setLayout(const CalendarLayout& layout);
    // The holidays marked; none where no calendar is chosen.
    void setHolidays(const HolidayList* holidays);
    // The settings edited since reach the calendar when its tab shows again.
    void applySettings();
    // Opens the calendar on `day`, as a day picked in the date field is shown.
    void showDay(QDate day);
    // A key on any tab, or on the days where `onTheDays`; true where it was the calendar's.
    bool handleKey(int key, bool onTheDays);
    // Today may have changed: what depends on it is drawn again.
    void followToday();
    void redraw();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // After each redraw: the look the other tabs share.
    void redrawn(const dutyloop::MonthPage& page);

private slots:
    void showPreviousMonth();
    void showNextMonth();
    void showToday();
    void showPickedDate(QDate date);
    void selectDay(QDate day);
    void activateDay(QDate day);

private:
    void watchKeys();
    void showMonthOf(QDate date);
    // The day's dialog, on the selected day.
    void editDay(QDate day);

    CalendarPage* m_page = nullptr;
    Sources m_sources;
    CalendarView m_view;
    CalendarLayout m_layout;
    const HolidayList* m_holidays = nullptr;
    QDate m_today; // the day the calendar was last drawn for as today
};

} // namespace dutyloop
