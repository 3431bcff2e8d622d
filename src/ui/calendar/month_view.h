#pragma once

#include "calendar/month_page.h"
#include "calendar/sizing.h"
#include "ui/calendar/cell_pictures.h"

#include <QDate>
#include <QWidget>
#include <bitset>

namespace dutyloop {

// The weekday labels, the 42 cells and the legend, drawn in one paint from the month page
// value. It decides nothing: a click on a cell is reported, and the window answers it.
class MonthView : public QWidget {
    Q_OBJECT
public:
    explicit MonthView(QWidget* parent);

    const MonthPage& page() const { return m_page; }
    // Repaints only what differs from the page shown before.
    void showPage(const MonthPage& page);
    // The weekday band and the grid below it, in the view's own coordinates.
    void setSizes(const CalendarLayout& layout);

    QRect cellRect(int cell) const;
    QRect weekdayRect(int column) const;
    QFont weekdayFont() const;
    // The page's weekday names, or its narrow ones where those do not fit their columns.
    const std::array<QString, 7>& shownWeekdayLabels() const;
    // The cell under `point` that takes the pointer, else -1.
    int cellAt(QPoint point) const;
    // The cell of the selected day, where the focus mark is drawn.
    int selectedCell() const;
    // Whether the focus mark is drawn: the view has the focus, and the user brought it there.
    bool showsFocusMark() const;
    // Whether a screen reader has read the cell's name or description since the view last told
    // of a change to them: only then does it hold a copy that a change makes stale.
    bool cellTextsRead(int cell) const {
        return m_cellTextsRead.test(static_cast<std::size_t>(cell));
    }
    void noteCellTextsRead(int cell) const { m_cellTextsRead.set(static_cast<std::size_t>(cell)); }
    void forgetCellTextsRead(int cell) { m_cellTextsRead.reset(static_cast<std::size_t>(cell)); }
    // A screen reader that read a cell's or a header's state while the view was hidden keeps
    // it as not showing until it is told otherwise; the view tells it when it shows again.
    // Parts are the cells, then the seven headers.
    void noteStateReadHidden(int part) const {
        m_statesReadHidden.set(static_cast<std::size_t>(part));
    }
    // Gives the view the keyboard focus, or notes why it is asked for where it has it already.
    void takeFocus(Qt::FocusReason reason);

signals:
    void dayClicked(QDate day);
    // A day of the shown month asked to be changed: double-clicked or chosen from its context
    // menu. Enter on the selected day is the window's, with the calendar's other keys.
    void dayActivated(QDate day);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void paintWeekdays(QPainter& painter);
    void drawWeekdays(QPainter& painter, const QRect& band) const;
    void paintCell(QPainter& painter, const CellLook& look, bool focusMark,
                   const QRect& bounds) const;
    void paintChangeMarks(QPainter& painter, const CellLook& look, const QRect& bounds) const;
    // The cell's day is of the shown month and can be changed.
    bool activates(int cell) const;
    QDate dayOf(int cell) const;
    QFont fontOfSize(float pixels, bool bold) const;
    // The legend's font size in pixels as painted.
    float legendFontSize() const;
    void noteFocusReason(Qt::FocusReason reason, bool hadFocus);

    MonthPage m_page;
    int m_bandHeight = 0;
    float m_weekdayWidth = 0;
    float m_weekdayHeight = 0;
    float m_cellWidth = 0;
    float m_cellHeight = 0;
    QRect m_grid;
    int m_pressedCell = -1;
    bool m_focusMarkWanted = false;
    CellPictures m_cellPictures;
    mutable std::bitset<kCellCount> m_cellTextsRead;
    mutable std::bitset<kCellCount + 7> m_statesReadHidden;
    QPixmap m_weekdayBand;
    QString m_weekdayBandKey; // what the band was drawn from
};

} // namespace dutyloop
