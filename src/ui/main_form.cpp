#include "ui/main_form.h"

#include "calendar/cell_colors.h"
#include "calendar/date_moves.h"
#include "calendar/qdate_bridge.h"
#include "platform/product.h"
#include "platform/settings_location.h"
#include "schedule/rotation.h"
#include "settings/assignment_list.h"
#include "ui/form_layout.h"
#include "ui/key_codes.h"
#include "ui/state_text_colors.h"
#include "ui/t_color_combo_box.h"
#include "ui/t_combo_box.h"
#include "ui/t_grid_layout.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_tab_control.h"
#include "ui/tag.h"
#include "ui/text_color.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

namespace dutyloop {

namespace {
constexpr QSize kOpeningOuterSize(350, 640);
} // namespace

TMainForm::TMainForm(Platform platform, QWidget* parent)
    : QWidget(parent), m_platform(std::move(platform)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Dutyloop®"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/dutyloop.svg")));
    m_w = BuildFormLayout(this);
    WireEvents();
    FormCreate();
}

TMainForm::~TMainForm() {
    // The widgets still report changes while they are torn down; the window is gone by then.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    if (m_pickerPopup)
        m_pickerPopup->removeEventFilter(this);
}

Date TMainForm::Today() const {
    return DateFromQDate(m_platform.today());
}

RedrawState TMainForm::Redraw() const {
    return RedrawState{m_view,   m_settings.colors, m_fonts,          m_layout,
                       m_locale, Today(),           &m_describedCells};
}

void TMainForm::WireEvents() {
    connect(m_w.tabCtrl, &QTabWidget::currentChanged, this, &TMainForm::tabCtrlChange);
    connect(m_w.bPrev, &QPushButton::clicked, this, &TMainForm::bPrevClick);
    connect(m_w.bNext, &QPushButton::clicked, this, &TMainForm::bNextClick);
    connect(m_w.bToday, &QPushButton::clicked, this, &TMainForm::bTodayClick);
    for (int i = 0; i <= 37; ++i) {
        TRectangle* cell = m_w.gR[static_cast<std::size_t>(i)];
        connect(cell, &TRectangle::clicked, this, [this, cell] { gR00Click(cell); });
    }
    WireSettingsTab();
    for (QToolButton* back : {m_w.sbBack2, m_w.sbBack3, m_w.sbBack4})
        connect(back, &QToolButton::clicked, this, &TMainForm::sbBack2Click);
    connect(m_w.sbHelp1, &QToolButton::clicked, this, &TMainForm::sbHelp1Click);
    connect(m_w.sbHelp2, &QToolButton::clicked, this, &TMainForm::sbHelp2Click);

    // Qt's buttons move the focus on arrow keys; here the arrows belong to the calendar.
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        button->installEventFilter(this);

    // The date field makes its drop-down calendar, a whole QCalendarWidget, only when it is
    // first opened (or asked for); it reports it as a new child, and it is wired then, so the
    // start-up does not pay for a picker that may never be opened.
    m_w.DateEd->installEventFilter(this);
}

void TMainForm::WatchDatePicker(QObject* parent, QObject* child) {
    if (parent == m_w.DateEd && !m_pickerPopup && child->isWidgetType() &&
        static_cast<QWidget*>(child)->isWindow()) {
        // The date field has no signal for its drop-down calendar closing; its hiding is that
        // moment.
        m_pickerPopup = static_cast<QWidget*>(child);
        m_pickerPopup->installEventFilter(this);
    } else if (parent == m_pickerPopup) {
        // The drop-down adds its layout once its calendar is complete.
        ApplyPickerWeekStart();
    }
}

void TMainForm::ApplyPickerWeekStart() {
    auto* calendar =
        m_pickerPopup->findChild<QCalendarWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (calendar && calendar->firstDayOfWeek() != m_pickerWeekStart)
        calendar->setFirstDayOfWeek(m_pickerWeekStart);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        WatchDatePicker(watched, static_cast<QChildEvent*>(event)->child());
    } else if (watched == m_pickerPopup && event->type() == QEvent::Show) {
        ApplyPickerWeekStart();
    } else if (watched == m_pickerPopup && event->type() == QEvent::Hide) {
        DateEdClosePicker();
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractButton*>(watched)) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (IsArrowKey(*keyEvent)) {
            keyPressEvent(keyEvent);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::FormCreate() {
    m_locale = CaptureLocaleSettings(m_platform.locale);
    m_settingsFilePath = FindSettingsFile(m_platform.configFolder);
    m_w.sbHelp1->setText(SupportPageUrl().toString());
    ReadSettings();

    m_w.bPrev->setAutoRepeat(true);
    m_w.bNext->setAutoRepeat(true);

    const Date today = Today();
    m_w.DateEd->setDate(QDateFromDate(today));
    // The picker keeps the week start the settings had at start-up.
    m_pickerWeekStart = m_w.swMondays->isChecked() ? Qt::Monday : Qt::Sunday;

    const QString& assignment = m_settings.assignmentText;
    m_w.cbPlt->setCurrentIndex(m_w.cbPlt->findText(assignment, Qt::MatchFixedString));
    SetAnchorForAssignment(m_view.anchorDate, assignment);

    const ColorSettings& colours = m_settings.colors;
    SetTextColor(m_w.bAPlt, colours.work);
    SetTextColor(m_w.bBPlt, colours.off);
    SetTextColor(m_w.bLdTr, colours.leadTrail);
    SetTextColor(m_w.bBkGr, ContrastTextColor(colours.background));

    m_w.lblAbout->setText(QStringLiteral("Dutyloop for Tornvale v%1\n\n"
                                         "Copyright © 2014-2026 Halvorne\n"
                                         "Dutyloop is a trademark of Halvorne\n"
                                         "All rights reserved\n"
                                         "%2\n\n"
                                         "Linux Desktop Version")
                              .arg(ProductVersion(), SupportHost()));
    SetTextColor(m_w.lblAbout, ContrastTextColor(colours.background));

    // The frame is not known before the window is shown; until then the inner size stands in.
    resize(kOpeningOuterSize);

    // End before anything has been marked returns to the day the program started on.
    m_view.markedDate = today;
    {
        // The calendar is drawn just below, for today; the tab's change handler would first
        // draw it whole for a month not yet chosen.
        const QSignalBlocker quiet(m_w.tabCtrl);
        m_w.tabCtrl->setCurrentWidget(m_w.tabCalendar);
    }

    m_view.shownDate = today;
    BuildMonthGrid(m_view, m_view.shownDate, WeekStartOf(m_w));
    RefreshCalendar(m_view.shownDate);

    if (assignment == QLatin1String(kAgencyWideEntry))
        m_w.tabCtrl->setCurrentWidget(m_w.tabSettings);
}

void TMainForm::FormResize() {
    QWidget* pages = m_w.tabCalendar->parentWidget();
    m_layout = LayoutForWindow(frameGeometry().height(), pages->size());
    m_w.tbCalendar->setGeometry(m_layout.toolbar);
    m_w.loMonthName->setGeometry(m_layout.monthName);
    m_w.loDaysOfWeek->setGeometry(m_layout.daysOfWeek);
    m_w.loCalendar->setGeometry(m_layout.calendar);
    m_w.rectCalendar->setGeometry(m_layout.grid);
    m_w.gloCal->setGeometry(QRect(QPoint(0, 0), m_layout.grid.size()));
    m_w.loFooter->setGeometry(m_layout.footer);
    m_w.gloDOW->setItemSize(m_layout.dowItemWidth, m_layout.dowItemHeight);
    m_w.gloCal->setItemSize(m_layout.calItemWidth, m_layout.calItemHeight);
    m_fonts = ComputeFontSizes(m_layout);
    RefreshCalendar(m_view.shownDate);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A hidden window is sized when it is shown: before that its tab pages have no size of
    // their own yet, and fonts and bands made from them would be thrown away at once.
    if (isVisible())
        FormResize();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitOuterSizeOnce();
    // Only now have the tab pages taken their size for the first time.
    FormResize();
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager adds its frame after the window is shown and moves the window into it.
    FitOuterSizeOnce();
}

void TMainForm::FitOuterSizeOnce() {
    if (m_outerSizeFitted || !isVisible())
        return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull())
        return;
    m_outerSizeFitted = true;
    resize(kOpeningOuterSize - frame);
}

void TMainForm::RefreshCalendar(Date date) {
    dutyloop::RefreshCalendar(m_w, Redraw(), date);
}

void TMainForm::ShowMonthOf(Date date) {
    BuildMonthGrid(m_view, date, WeekStartOf(m_w));
    RefreshCalendar(m_view.shownDate);
}

void TMainForm::bPrevClick() {
    ShowMonthOf(MonthStep(m_view.shownDate, -1));
}

void TMainForm::bNextClick() {
    ShowMonthOf(MonthStep(m_view.shownDate, 1));
}

void TMainForm::bTodayClick() {
    ShowMonthOf(Today());
}

void TMainForm::DateEdClosePicker() {
    m_view.shownDate = ClampToPicker(DateFromQDate(m_w.DateEd->date()));
    m_view.markedDate = m_view.shownDate;
    // Disabling takes the keyboard focus from the field, so the keys move the calendar again.
    m_w.DateEd->setEnabled(false);
    m_w.DateEd->setEnabled(true);
    ShowMonthOf(m_view.shownDate);
}

void TMainForm::gR00Click(QObject* sender) {
    auto* cell = qobject_cast<QWidget*>(sender);
    const int tag = Tag(sender);
    if (!cell || tag < 0 || tag >= kCellCount)
        return;
    const Date date = m_view.cellDates[static_cast<std::size_t>(tag)];
    if (MonthOf(date) != MonthOf(m_view.shownDate))
        return;
    cell->setFocus(Qt::MouseFocusReason);
    m_view.shownDate = date;
    RefreshCalendar(m_view.shownDate);
}

void TMainForm::FormKeyDown(int& key) {
    const KeyMove move = KeyMoveFor(key, m_view.shownDate, m_view.markedDate, Today());
    m_view.shownDate = move.shownDate;
    if (move.marksDate)
        m_view.markedDate = move.shownDate;
    key = 0;
    ShowMonthOf(m_view.shownDate);
    KeepFocusOnTheSelectedDay();
}

void TMainForm::KeepFocusOnTheSelectedDay() {
    // A day cell that has the keyboard focus hands it on to the selected day, so the focus mark
    // never lingers on a day the keys have left.
    const auto focused = std::find(m_w.gR.begin(), m_w.gR.end(), focusWidget());
    if (focused == m_w.gR.end())
        return;
    const Date offset = m_view.shownDate - m_view.cellDates[0];
    if (offset >= 0 && offset <= kLastClickableCell)
        m_w.gR[static_cast<std::size_t>(offset)]->setFocus(Qt::OtherFocusReason);
}

void TMainForm::FormKeyUp(int& /*key*/) {}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    int key = VirtualKeyFor(*event);
    FormKeyDown(key);
    event->accept();
}

void TMainForm::keyReleaseEvent(QKeyEvent* event) {
    int key = VirtualKeyFor(*event);
    FormKeyUp(key);
    QWidget::keyReleaseEvent(event);
}

void TMainForm::tabCtrlChange() {
    SetAnchorForAssignment(m_view.anchorDate, m_settings.assignmentText);
    ShowMonthOf(m_view.shownDate);
}

void TMainForm::sbBack2Click() {
    m_w.tabCtrl->setCurrentWidget(m_w.tabCalendar);
}

void TMainForm::sbHelp1Click() {
    m_platform.openUrl(SupportPageUrl());
}

void TMainForm::sbHelp2Click() {
    m_platform.openUrl(SupportMailUrl());
}

} // namespace dutyloop
