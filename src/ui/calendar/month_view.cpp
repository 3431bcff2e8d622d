#include "ui/calendar/month_view.h"

#include "ui/calendar/month_view_accessible.h"
#include "ui/parts/day_marks.h"
#include "ui/parts/font_size.h"
#include "ui/parts/outlined_rect.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace dutyloop {

namespace {

// Whether two cells look the same on screen; what a cell only says (its date, its names) does
// not need a repaint.
bool DrawnAlike(const CellLook& a, const CellLook& b) {
    return a.text == b.text && a.fill == b.fill && a.textColor == b.textColor &&
           a.border == b.border && a.font == b.font && a.change == b.change &&
           a.hasNote == b.hasNote && a.holiday.isEmpty() == b.holiday.isEmpty();
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
    m_bandHeight = layout.weekdayBand.height();
    m_weekdayWidth = layout.weekdayCellWidth;
    m_weekdayHeight = layout.weekdayCellHeight;
    m_cellWidth = layout.dayCellWidth;
    m_cellHeight = layout.dayCellHeight;
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
    const auto cell = static_cast<int>(m_page.cells[0].date.daysTo(m_page.selectedDate));
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

void MonthView::paintWeekdays(QPainter& painter) {
    const QRect band(0, 0, width(), m_bandHeight);
    const TabLook& look = m_page.look;
    // Under a band that lets the grid's background show through it is drawn in place.
    if (qAlpha(look.background) != 0xFF || qAlpha(look.border) != 0xFF) {
        drawWeekdays(painter, band);
        return;
    }
    // The band changes only with the week start, the colours and the size, not with a key.
    // Which of the two sets of names shows follows from both, the font and the width.
    QStringList names(m_page.weekdayLabels.begin(), m_page.weekdayLabels.end());
    names.append(QStringList(m_page.narrowWeekdayLabels.begin(), m_page.narrowWeekdayLabels.end()));
    const QString key = names.join(QLatin1Char('\n')) + weekdayFont().key() +
                        QStringLiteral("/%1/%2/%3/%4/%5/%6")
                            .arg(look.background)
                            .arg(look.border)
                            .arg(look.headerTextColor)
                            .arg(width())
                            .arg(m_bandHeight)
                            .arg(devicePixelRatio()) +
                        QString::number(layoutDirection());
    if (key != m_weekdayBandKey) {
        m_weekdayBand = QPixmap(band.size() * devicePixelRatio());
        m_weekdayBand.setDevicePixelRatio(devicePixelRatio());
        QPainter on(&m_weekdayBand);
        drawWeekdays(on, band);
        m_weekdayBandKey = key;
    }
    painter.drawPixmap(band.topLeft(), m_weekdayBand);
}

void MonthView::drawWeekdays(QPainter& painter, const QRect& band) const {
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

void MonthView::paintCell(QPainter& painter, const CellLook& look, bool focusMark,
                          const QRect& bounds) const {
    PaintOutlinedRect(painter, bounds, look.fill, look.border, kThinBorder);
    if (focusMark)
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
    const QFont dayFont = fontOfSize(m_page.fonts.day, true);
    const QFont legendFont = fontOfSize(m_page.legendFontSize, true);
    // The two fonts differ from the view's own in their size alone, which each picture notes.
    m_cellPictures.setContext(devicePixelRatio(),
                              font().key() + QString::number(palette().highlight().color().rgba()) +
                                  QString::number(layoutDirection()));
    for (int cell = 0; cell < kCellCount; ++cell) {
        const QRect bounds = cellRect(cell);
        if (!region.intersects(bounds))
            continue;
        const CellLook& look = m_page.cells[static_cast<std::size_t>(cell)];
        const bool focusMark = showsFocusMark() && cell == selectedCell();
        const QFont& font = look.font == CellFont::Legend ? legendFont : dayFont;
        // A cell that lets what is under it show through is drawn in place.
        if (qAlpha(look.fill) != 0xFF || qAlpha(look.border) != 0xFF) {
            painter.setFont(font);
            paintCell(painter, look, focusMark, bounds);
            continue;
        }
        const float fontPixels =
            look.font == CellFont::Legend ? m_page.legendFontSize : m_page.fonts.day;
        const CellPictureKey key{
            bounds.size(), fontPixels, look.text,   look.fill,    look.textColor,
            look.border,   look.font,  look.change, look.hasNote, !look.holiday.isEmpty(),
            focusMark};
        painter.drawPixmap(bounds.topLeft(),
                           m_cellPictures.picture(key, [&](QPainter& on, const QRect& at) {
                               on.setFont(font);
                               paintCell(on, look, focusMark, at);
                           }));
    }
}

void MonthView::paintChangeMarks(QPainter& painter, const CellLook& look,
                                 const QRect& bounds) const {
    // In the day number's colour, which stands out from the cell's fill also on the selected day.
    const QRectF inner = QRectF(bounds).adjusted(1.5, 1.5, -1.5, -1.5);
    PaintDayMarks(painter, inner,
                  {look.change != DayChangeKind::AsRostered, look.hasNote, !look.holiday.isEmpty()},
                  QColor::fromRgba(look.textColor), std::min(inner.width(), inner.height()) * 0.28,
                  layoutDirection() == Qt::RightToLeft);
}

} // namespace dutyloop
