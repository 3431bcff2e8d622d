#pragma once

#include "calendar/locale_settings.h"
#include "calendar/month_grid.h"
#include "calendar/sizing.h"
#include "platform/platform.h"
#include "settings/colors.h"
#include "settings/settings_file.h"
#include "ui/calendar_redraw.h"
#include "ui/form_widgets.h"

#include <QString>
#include <QWidget>

namespace dutyloop {

// The one window. It owns the widget tree and the state the calendar is drawn from, and answers
// the user's events; the rules themselves live in plain functions.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(Platform platform, QWidget* parent = nullptr);
    ~TMainForm() override;

    const FormWidgets& widgets() const { return m_w; }
    const CalendarView& view() const { return m_view; }
    const FontSizes& fontSizes() const { return m_fonts; }
    const CalendarLayout& calendarLayout() const { return m_layout; }
    const LocaleSettings& localeSettings() const { return m_locale; }
    const ColorSettings& colorSettings() const { return m_settings.colors; }
    const QString& assignmentText() const { return m_settings.assignmentText; }
    const QString& settingsFilePath() const { return m_settingsFilePath; }
    Date Today() const;

    void FormCreate();
    void FormResize();
    void FormKeyDown(int& key);
    void FormKeyUp(int& key);

    void bPrevClick();
    void bNextClick();
    void bTodayClick();
    void DateEdClosePicker();
    void gR00Click(QObject* sender);

    void cbPltClosePopup();
    void bAPltClick(QObject* sender);
    void ccbColorClosePopup();
    void bSaveClick();
    void bExportClick();

    void tabCtrlChange();
    void sbBack2Click();
    void sbHelp1Click();
    void sbHelp2Click();

    void RefreshCalendar(Date date);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WireEvents();
    void WireSettingsTab();
    void ReadSettings();
    RedrawState Redraw() const;
    void ShowMonthOf(Date date);
    void KeepFocusOnTheSelectedDay();
    void WatchDatePicker(QObject* parent, QObject* child);
    void ApplyPickerWeekStart();
    void FitOuterSizeOnce();
    void ApplyPickerChoice();
    void ApplyPickedColor(int tag, Color picked, Color contrast);

    Platform m_platform;
    FormWidgets m_w;
    QWidget* m_pickerPopup = nullptr;             // made by the date field when first opened
    Qt::DayOfWeek m_pickerWeekStart = Qt::Sunday; // as the switch stood at start-up
    bool m_outerSizeFitted = false;

    CalendarView m_view;
    Settings m_settings; // the week start lives in the switch swMondays
    QString m_settingsFilePath;
    FontSizes m_fonts;
    CalendarLayout m_layout;
    LocaleSettings m_locale;
    mutable DescribedCells m_describedCells;
};

} // namespace dutyloop
