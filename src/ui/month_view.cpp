#include "ui/month_view.h"

#include "ui/font_size.h"
#include "ui/month_view_accessible.h"
#include "ui/outlined_rect.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace dutyloop {

namespace {

// Whether two cells look the same on screen; what a cell only says (its date, its names) does
// not need a repaint.
bool DrawnAlike(const CellLook& a, const CellLook& b) {
    return a.text == b.text && a.fill == b.fill && a.textColor == b.textColor &&
           a.border == b.border && a.font == b.font && a.change == b.change &&
           a.hasNote == b.hasNote;
}

} // namespace

MonthView::MonthView(QWidget* parent) : QWidget(parent) {
    // A press alone never moves the focus: the window gives it to the view when a day of the
    // shown month is clicked, and a click on another month's day leaves it where it was. The Tab
    // key reaches it, so the days can be read and walked from the keyboard.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallMonthViewAccessibility();
}

void MonthView::setSizes(const CalendarLayout& layout) {
    m_bandHeight = layout.daysOfWeek.height();
    m_weekdayWidth = layout.dowItemWidth;
    m_weekdayHeight = layout.dowItemHeight;
    m_cellWidth = layout.calItemWidth;
    m_cellHeight = layout.calItemHeight;
    m_grid = QRect(0, m_bandHeight, layout.grid.width(), layout.grid.height());
    update();
}

// In a right-to-left language the weeks run from the right, as in the user's other calendars.
QRect MonthView::cellRect(int cell) const {
    const QRect logical =
        FlowItemRect(cell, m_cellWidth, m_cellHeight, m_grid.width()).translated(m_grid.topLeft());
    return QStyle::visualRect(layoutDirection(), m_grid, logical);
}

QRect MonthView::weekdayRect(int column) const {
    return QStyle::visualRect(layoutDirection(), QRect(0, 0, width(), m_bandHeight),
                              FlowItemRect(column, m_weekdayWidth, m_weekdayHeight, width()));
}

int MonthView::cellAt(QPoint point) const {
    for (int cell = 0; cell <= kLastClickableCell; ++cell) {
        if (cellRect(cell).contains(point))
            return cell;
    }
    return -1;
}

int MonthView::selectedCell() const {
    // The cells hold consecutive days.
    const int cell = m_page.selectedDate - m_page.cells[0].date;
    return cell >= 0 && cell <= kLastClickableCell ? cell : -1;
}

void MonthView::showPage(const MonthPage& page) {
    const bool whole = page.look != m_page.look || page.fonts != m_page.fonts ||
                       page.weekdayLabels != m_page.weekdayLabels;
    const int selectedBefore = selectedCell();
    const MonthPage before = std::exchange(m_page, page);
    ReportPageChange(this, before);
    if (whole) {
        update();
        return;
    }
    QRegion changed;
    int changedCells = 0;
    const auto change = [&](int cell) {
        if (cell < 0)
            return;
        changed += cellRect(cell);
        ++changedCells;
    };
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        if (!DrawnAlike(m_page.cells[i], before.cells[i]))
            change(cell);
    }
    if (showsFocusMark() && selectedBefore != selectedCell()) {
        change(selectedBefore);
        change(selectedCell());
    }
    // The paint is clipped to the region repainted: the day left and the day chosen are drawn
    // alone, but many cells draw faster under the one rectangle around them than under a clip
    // of many pieces.
    update(changedCells > 2 ? QRegion(changed.boundingRect()) : changed);
}

QFont MonthView::fontOfSize(float pixels, bool bold) const {
    QFont shown = font();
    SetFontPixelSize(shown, pixels, this);
    shown.setBold(bold);
    return shown;
}

void MonthView::paintWeekdays(QPainter& painter) const {
    const QRect band(0, 0, width(), m_bandHeight);
    PaintOutlinedRect(painter, band, m_page.look.background, m_page.look.border, kThinBorder);
    painter.setFont(weekdayFont());
    painter.setPen(QColor::fromRgba(m_page.look.headerTextColor));
    const std::array<QString, 7>& labels = shownWeekdayLabels();
    for (int column = 0; column < 7; ++column)
        painter.drawText(weekdayRect(column), Qt::AlignCenter | Qt::TextExpandTabs,
                         labels[static_cast<std::size_t>(column)]);
}

QFont MonthView::weekdayFont() const {
    return fontOfSize(m_page.fonts.weekday, font().bold());
}

const std::array<QString, 7>& MonthView::shownWeekdayLabels() const {
    const QFontMetrics metrics(weekdayFont());
    // Names that fill their column would run into the next one's; all seven turn narrow at
    // once, so the row reads alike.
    const int gap = metrics.averageCharWidth();
    for (int column = 0; column < 7; ++column) {
        const QString& label = m_page.weekdayLabels[static_cast<std::size_t>(column)];
        if (metrics.horizontalAdvance(label) + gap > weekdayRect(column).width())
            return m_page.narrowWeekdayLabels;
    }
    return m_page.weekdayLabels;
}

void MonthView::paintCell(QPainter& painter, int cell, const QRect& bounds) const {
    const CellLook& look = m_page.cells[static_cast<std::size_t>(cell)];
    PaintOutlinedRect(painter, bounds, look.fill, look.border, kThinBorder);
    if (showsFocusMark() && cell == selectedCell())
        PaintFocusMark(painter, bounds, look.fill, look.border, kThinBorder,
                       palette().highlight().color().rgba());
    painter.setPen(QColor::fromRgba(look.textColor));
    painter.drawText(QRectF(bounds), Qt::AlignCenter, look.text);
    paintChangeMarks(painter, look, bounds);
}

void MonthView::paintEvent(QPaintEvent* event) {
    // A few cells far apart, such as the day left and the day chosen, come as one region;
    // its bounding rectangle would take in every cell between them.
    const QRegion& region = event->region();
    QPainter painter(this);
    if (region.intersects(QRect(0, 0, width(), m_bandHeight)))
        paintWeekdays(painter);
    if (region.intersects(m_grid))
        painter.fillRect(m_grid, QColor::fromRgba(m_page.look.background));
    // The cells share two fonts; setting a font costs about as much as filling a cell.
    const QFont dayFont = fontOfSize(m_page.fonts.day, true);
    const QFont legendFont = fontOfSize(m_page.legendFontSize, true);
    const QFont* fontSet = nullptr;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const QRect bounds = cellRect(cell);
        if (!region.intersects(bounds))
            continue;
        const bool legend = m_page.cells[static_cast<std::size_t>(cell)].font == CellFont::Legend;
        const QFont* font = legend ? &legendFont : &dayFont;
        if (font != fontSet) {
            painter.setFont(*font);
            fontSet = font;
        }
        paintCell(painter, cell, bounds);
    }
}

bool MonthView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int cell = cellAt(help->pos());
    const QString tip =
        cell >= 0 ? m_page.cells[static_cast<std::size_t>(cell)].toolTip : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this, cellRect(cell));
    }
    return true;
}

void MonthView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressedCell = cellAt(event->position().toPoint());
}

void MonthView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int pressed = std::exchange(m_pressedCell, -1);
    // Releasing over another cell, or outside, cancels the click, as on a button.
    if (pressed >= 0 && cellAt(event->position().toPoint()) == pressed)
        emit cellClicked(pressed);
}

bool MonthView::showsFocusMark() const {
    return m_focusMarkWanted && hasFocus();
}

void MonthView::takeFocus(Qt::FocusReason reason) {
    if (!hasFocus()) {
        setFocus(reason);
        return;
    }
    const bool before = m_focusMarkWanted;
    noteFocusReason(reason, true);
    if (before != m_focusMarkWanted && selectedCell() >= 0)
        update(cellRect(selectedCell()));
}

// The mark shows where the user brought the focus to the days, with a click or the Tab key; the
// focus the window gives the view when the tab shows is for screen readers, and the calendar
// looks as it did before. Coming back to the window keeps what was.
void MonthView::noteFocusReason(Qt::FocusReason reason, bool hadFocus) {
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        m_focusMarkWanted = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        if (!hadFocus)
            m_focusMarkWanted = false;
        break;
    }
}

void MonthView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    noteFocusReason(event->reason(), false);
    // Qt tells of the view's own focus after this handler; the day follows it, so that a screen
    // reader ends on the day.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                ReportFocusedCell(this);
        },
        Qt::QueuedConnection);
    if (selectedCell() >= 0)
        update(cellRect(selectedCell()));
}

void MonthView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (selectedCell() >= 0)
        update(cellRect(selectedCell()));
}

// A changed day carries a corner cut off, a day with a note a dot below it: shapes, so that
// they tell the day apart without colour, drawn in the day number's colour, which stands out
// from the cell's fill also on the selected day.
void MonthView::paintChangeMarks(QPainter& painter, const CellLook& look,
                                 const QRect& bounds) const {
    if (look.change == DayChangeKind::AsRostered && !look.hasNote)
        return;
    const QRectF inner = QRectF(bounds).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal size = std::min(inner.width(), inner.height()) * 0.28;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const qreal edge = rightToLeft ? inner.left() : inner.right();
    const qreal inward = rightToLeft ? size : -size;
    const QColor color = QColor::fromRgba(look.textColor);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (look.change != DayChangeKind::AsRostered) {
        const QPointF corner[] = {
            {edge, inner.top()}, {edge + inward, inner.top()}, {edge, inner.top() + size}};
        painter.drawPolygon(corner, 3);
    }
    if (look.hasNote) {
        const qreal radius = size / 4;
        painter.drawEllipse(QPointF(edge + inward / 2, inner.bottom() - size / 2), radius, radius);
    }
    painter.restore();
}

bool MonthView::activates(int cell) const {
    return cell >= 0 && m_page.cells[static_cast<std::size_t>(cell)].takesClicks;
}

void MonthView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !activates(cell)) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // The double-click's first click has chosen the day already.
    emit dayActivated(cell);
}

void MonthView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !activates(selectedCell())) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit dayActivated(selectedCell());
}

void MonthView::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromMouse = event->reason() == QContextMenuEvent::Mouse;
    const int cell = fromMouse ? cellAt(event->pos()) : selectedCell();
    // Before the rotation starts there is nothing to change; the dialog would only say so.
    if (!activates(cell) ||
        m_page.cells[static_cast<std::size_t>(cell)].duty == DutyCode::NoRotation) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("dayMenu"));
    QAction* change = menu.addAction(tr("Change day…"));
    const QPoint at = fromMouse ? event->globalPos() : mapToGlobal(cellRect(cell).center());
    if (menu.exec(at) == change)
        emit dayActivated(cell);
}

} // namespace dutyloop
