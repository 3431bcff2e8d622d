#include "ui/calendar/calendar_page.h"

#include "ui/calendar/date_field.h"
#include "ui/calendar/month_heading.h"
#include "ui/calendar/month_view.h"
#include "ui/parts/announcer.h"
#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/spoken_steps.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"

#include <QCalendarWidget>
#include <QChildEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace dutyloop {

namespace {

QPushButton* MonthArrow(QWidget* parent, const char* name, const QString& spoken,
                        const QString& tip) {
    auto* button = Named(new QPushButton(parent), name);
    button->setIconSize(QSize(24, 24));
    button->setFlat(true);
    button->setAccessibleName(spoken);
    button->setToolTip(tip);
    return button;
}

constexpr int kBandEndMargin = 2;
constexpr int kMonthArrowWidth = 44;
constexpr int kTodayButtonWidth = 85;

// A band's label covers its panel. It is placed here rather than by a layout: a layout would
// measure the label's text again after every change of it, on every step through the days, and
// nothing here takes its size from that text.
void PlaceBand(Panel* panel, QLabel* label, const QRect& band) {
    panel->setGeometry(band);
    label->setGeometry(QRect(QPoint(0, 0), band.size()));
}

// Controls that sit over a band's label are its siblings, not its children, so a screen reader
// reads the label and each control on its own. They stand at the band's ends, full height less
// a margin of 2, mirrored in a right-to-left language.
void PlaceAtBandEnds(const QRect& band, QWidget* left, int leftWidth, QWidget* right,
                     int rightWidth) {
    constexpr int kMargin = kBandEndMargin;
    const QRect area(QPoint(0, 0), band.size());
    const int height = std::max(band.height() - 2 * kMargin, 0);
    const auto place = [&](QWidget* control, int x, int width) {
        control->setGeometry(QStyle::visualRect(control->parentWidget()->layoutDirection(), area,
                                                QRect(x, kMargin, width, height)));
    };
    place(left, kMargin, leftWidth);
    place(right, band.width() - kMargin - rightWidth, rightWidth);
}

// `clearOfEnds` is the width the controls take at each end of the label's band. A new text
// repaints only the label's contents, so while the text fits between the controls, the label's
// contents leave them out and they are not painted again with it; the text stays centred.
void SetLabel(QLabel* label, const QString& text, QRgb color, float fontPixels,
              int clearOfEnds = 0) {
    SetFontPixelSize(label, fontPixels);
    SetTextColor(label, color);
    const int clear = label->width() - 2 * clearOfEnds;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto widestLine = [&] {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        return widest;
    };
    int widest = widestLine();
    // A line longer than the room between the buttons (a duty with its hours, a long holiday)
    // is set smaller, down to two thirds of the size, before it runs under them.
    if (clearOfEnds > 0 && widest > clear && clear > 0) {
        SetFontPixelSize(label, std::max(fontPixels * 2.0f / 3.0f,
                                         std::floor(fontPixels * float(clear) / float(widest))));
        widest = widestLine();
    }
    if (label->text() == text)
        return;
    const bool fits = widest <= clear;
    const int side = fits ? clearOfEnds : 0;
    if (label->contentsMargins() != QMargins(side, 0, side, 0))
        label->setContentsMargins(side, 0, side, 0);
    label->setText(text);
}

} // namespace

CalendarPage::CalendarPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("calendarPage"));
    buildTitleAndMonthBands();
    m_monthView = Named(new MonthView(this), "monthView");
    // The title names the crew whose duties the days say: a screen reader reads it with the
    // month as it enters the days, and so hears at start which crew the days are of.
    m_title->setBuddy(m_monthView);
    buildFooter();
    m_announcer = new Announcer(this);
    connect(m_monthView, &MonthView::dayClicked, this, &CalendarPage::dayClicked);
    connect(m_monthView, &MonthView::dayActivated, this, &CalendarPage::dayActivated);
}

// Each arrow points away from the month, the way its button stands: in a right-to-left window
// the earlier months lie to the right. Arrows of our own, drawn from vectors at the size they
// are shown: sharp at any density.
void CalendarPage::pointMonthArrows() {
    const QIcon left(QStringLiteral(":/pictures/arrow-left.svg"));
    const QIcon right(QStringLiteral(":/pictures/arrow-right.svg"));
    m_previousMonth->setIcon(isRightToLeft() ? right : left);
    m_nextMonth->setIcon(isRightToLeft() ? left : right);
}

void CalendarPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LayoutDirectionChange)
        pointMonthArrows();
    QWidget::changeEvent(event);
}

CalendarPage::~CalendarPage() {
    if (m_pickerPopup)
        m_pickerPopup->removeEventFilter(this);
}

void CalendarPage::buildTitleAndMonthBands() {
    m_titlePanel = Named(new Panel(this), "titlePanel");
    m_title = CentredLabel(m_titlePanel, "titleLabel", QStringLiteral("Title"));

    m_monthPanel = Named(new Panel(this), "monthPanel");
    m_monthLabel = Named(new MonthHeading(m_monthPanel), "monthLabel");
    m_monthLabel->setText(QStringLiteral("Month"));
    m_previousMonth = MonthArrow(m_monthPanel, "previousMonthButton", tr("Previous month"),
                                 tr("Previous month (Page Up)"));
    m_nextMonth =
        MonthArrow(m_monthPanel, "nextMonthButton", tr("Next month"), tr("Next month (Page Down)"));
    pointMonthArrows();
    KeepOwnFontSize(m_previousMonth);
    KeepOwnFontSize(m_nextMonth);
    // While held down, the arrows keep stepping.
    m_previousMonth->setAutoRepeat(true);
    m_nextMonth->setAutoRepeat(true);
    connect(m_previousMonth, &QPushButton::clicked, this, &CalendarPage::previousMonthRequested);
    connect(m_nextMonth, &QPushButton::clicked, this, &CalendarPage::nextMonthRequested);
    // The Tab key stops on the month between its arrows. A key that moves the day takes the
    // focus on to the days first, where the day reached is read, as from the arrows.
    setTabOrder(m_previousMonth, m_monthLabel);
    setTabOrder(m_monthLabel, m_nextMonth);
    connect(m_monthLabel, &MonthHeading::dayKeyPressed, this,
            [this] { focusMonthView(Qt::OtherFocusReason); });
}

void CalendarPage::buildFooter() {
    m_footerPanel = Named(new Panel(this), "footerPanel");
    m_status = CentredLabel(m_footerPanel, "statusLabel", QStringLiteral("Status"));
    m_today = Named(new QPushButton(m_footerPanel), "todayButton");
    m_today->setText(tr("Today"));
    m_today->setToolTip(tr("Go to today (Home)"));
    m_dateField = Named(new DateField(m_footerPanel), "dateField");
    m_dateField->setCalendarPopup(true);
    m_dateField->setAlignment(Qt::AlignCenter);
    m_dateField->setAccessibleName(tr("Pick a date"));
    SayEachStep(m_dateField);
    KeepOwnFontSize(m_today);
    KeepOwnFontSize(m_dateField);
    connect(m_today, &QPushButton::clicked, this, &CalendarPage::todayRequested);
    connect(m_dateField, &QDateEdit::editingFinished, this, &CalendarPage::takeTypedDate);
    connect(m_dateField, &DateField::dateUnreadable, this,
            [this](const QString& why) { m_announcer->announce(why); });
    // The date field makes its drop-down calendar, a whole QCalendarWidget, only when it is
    // first opened or asked for; it is wired then, so start-up does not pay for it.
    m_dateField->installEventFilter(this);
}

void CalendarPage::setDateFormat(const QLocale& locale, const QString& format) {
    m_dateField->setDateFormat(locale, format);
    // The field's drop-down button takes room of its own; the whole date must stay readable.
    m_dateFieldWidth = std::max(85, m_dateField->sizeHint().width());
}

void CalendarPage::setSizes(const CalendarLayout& layout) {
    PlaceBand(m_titlePanel, m_title, layout.toolbar);
    PlaceBand(m_monthPanel, m_monthLabel, layout.monthBand);
    PlaceAtBandEnds(layout.monthBand, m_previousMonth, kMonthArrowWidth, m_nextMonth,
                    kMonthArrowWidth);
    const QRect grid = layout.grid.translated(layout.calendar.topLeft());
    m_monthView->setGeometry(0, layout.weekdayBand.top(), layout.weekdayBand.width(),
                             grid.bottom() + 1 - layout.weekdayBand.top());
    m_monthView->setSizes(layout);
    PlaceBand(m_footerPanel, m_status, layout.footer.translated(layout.calendar.topLeft()));
    PlaceAtBandEnds(layout.footer, m_today, kTodayButtonWidth, m_dateField, m_dateFieldWidth);
}

void CalendarPage::showMonth(const MonthPage& page) {
    const TabLook& look = page.look;
    SetLabel(m_title, page.title, look.headerTextColor, look.titleFontSize);
    SetLabel(m_monthLabel, page.monthLabel, look.headerTextColor, page.fonts.month,
             kBandEndMargin + kMonthArrowWidth);
    m_monthLabel->showCounts(page.monthCounts);
    if (m_monthLabel->accessibleName() != page.spokenMonth) {
        m_monthLabel->setAccessibleName(page.spokenMonth);
        // The arrows keep the focus while they page; a screen reader speaks the new description
        // of the object it stands on, and so the month they went to.
        m_previousMonth->setAccessibleDescription(page.spokenMonth);
        m_nextMonth->setAccessibleDescription(page.spokenMonth);
    }
    for (Panel* panel : {m_titlePanel, m_monthPanel, m_footerPanel})
        panel->setColors(look.background, look.border, 0.0f);
    // The field shows the selected day, except while the user types another into it. It goes
    // first: its drop-down calendar tells screen readers of its own day, and the view's day is
    // the one to be read last.
    if (!m_dateField->hasFocus()) {
        setPickerDate(page.selectedDate);
        // The field shows the date short, in a form a listener may take for another day; its
        // name says it whole.
        m_dateField->setAccessibleName(tr("Pick a date: %1").arg(page.spokenSelectedDate));
    }
    const MonthPage before = m_monthView->page();
    m_monthView->showPage(page);
    announceDayOnButtons(before);

    SetStateTextColors(m_today, {page.todayButton.textColor, page.todayButton.textColor,
                                 colors::Blue, page.todayButton.textColor});
    SetFontBold(m_today, page.todayButton.bold);
    SetTextColor(m_dateField, colors::Black);
    SetLabel(m_status, page.statusLine, look.headerTextColor, page.statusFontSize,
             kBandEndMargin + std::max(kTodayButtonWidth, m_dateFieldWidth));
    if (m_status->accessibleName() != page.statusAccessibleName)
        m_status->setAccessibleName(page.statusAccessibleName);
}

// The month buttons keep the focus while they page, so that they can be pressed again; the
// days, where a move is read as the focus reaches the day, do not have it. The month and the
// day reached are said instead.
void CalendarPage::announceDayOnButtons(const MonthPage& before) {
    const MonthPage& now = m_monthView->page();
    const int cell = m_monthView->selectedCell();
    if (now.selectedDate == before.selectedDate || cell < 0)
        return;
    QWidget* focused = focusWidget();
    if (!focused || !focused->hasFocus() ||
        (focused != m_previousMonth && focused != m_nextMonth && focused != m_today))
        return;
    m_announcer->announce(
        tr("%1. %2", "the month shown, then the day chosen")
            .arg(now.spokenMonth, now.cells[static_cast<std::size_t>(cell)].accessibleName));
}

void CalendarPage::showPublishState(const QString& text) {
    if (m_status->toolTip() == text)
        return;
    m_status->setToolTip(text);
    m_status->setAccessibleDescription(text);
}

void CalendarPage::setPickerDate(QDate date) {
    m_dateField->setDate(date);
    m_dateFieldShows = m_dateField->date();
}

void CalendarPage::takeTypedDate() {
    // Enter, or leaving the field; a field left as it was shown moves nothing.
    if (m_dateField->date() == m_dateFieldShows)
        return;
    const bool entered = m_dateField->hasFocus();
    m_dateFieldShows = m_dateField->date();
    emit datePicked(m_dateField->date());
    // Enter hands the keys back to the calendar, where the new day is read.
    if (entered)
        focusMonthView(Qt::OtherFocusReason);
}

void CalendarPage::setPickerWeekStart(Qt::DayOfWeek weekStart) {
    m_pickerWeekStart = weekStart;
}

void CalendarPage::focusMonthView(Qt::FocusReason reason) {
    m_monthView->takeFocus(reason);
}

void CalendarPage::watchDatePicker(QObject* parent, QObject* child) {
    if (parent == m_dateField && !m_pickerPopup && child->isWidgetType() &&
        static_cast<QWidget*>(child)->isWindow()) {
        // The date field has no signal for its drop-down calendar closing; its hiding is that
        // moment.
        m_pickerPopup = static_cast<QWidget*>(child);
        m_pickerPopup->installEventFilter(this);
    } else if (parent == m_pickerPopup) {
        // The drop-down adds its layout once its calendar is complete.
        applyPickerWeekStart();
    }
}

void CalendarPage::applyPickerWeekStart() {
    auto* calendar =
        m_pickerPopup->findChild<QCalendarWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (calendar && calendar->firstDayOfWeek() != m_pickerWeekStart)
        calendar->setFirstDayOfWeek(m_pickerWeekStart);
}

void CalendarPage::reportPickedDate() {
    // Disabling takes the keyboard focus from the field, so the keys move the calendar again.
    m_dateField->setEnabled(false);
    m_dateField->setEnabled(true);
    emit datePicked(m_dateField->date());
    focusMonthView(Qt::OtherFocusReason);
}

bool CalendarPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded)
        watchDatePicker(watched, static_cast<QChildEvent*>(event)->child());
    else if (watched == m_pickerPopup && event->type() == QEvent::Show)
        applyPickerWeekStart();
    else if (watched == m_pickerPopup && event->type() == QEvent::Hide)
        reportPickedDate();
    return QWidget::eventFilter(watched, event);
}

} // namespace dutyloop
