#include "ui/calendar/month_heading.h"

#include "ui/parts/accessible_role.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace dutyloop {

namespace {

bool MovesTheDay(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
           key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

MonthHeading::MonthHeading(QWidget* parent) : QLabel(parent) {
    // Before any text: Qt keeps the interface it makes as it tells of the first change.
    SetAccessibleRole(this, QAccessible::Heading);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::TabFocus);
}

void MonthHeading::showCounts(const QString& counts) {
    if (toolTip() == counts)
        return;
    setToolTip(counts);
    setAccessibleDescription(counts);
    showToolTip();
}

void MonthHeading::showToolTip() {
    if (hasFocus() && !toolTip().isEmpty())
        QToolTip::showText(mapToGlobal(QPoint(width() / 2, height())), toolTip(), this);
}

// A label that takes the focus lays its text out as a document, for selecting, a pixel higher
// than a label that does not; the month is drawn as the other bands' labels are.
void MonthHeading::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const int direction =
        text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | direction, palette(),
                          isEnabled(), text(), foregroundRole());
}

void MonthHeading::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    showToolTip();
}

void MonthHeading::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    QToolTip::hideText();
}

void MonthHeading::keyPressEvent(QKeyEvent* event) {
    if (MovesTheDay(event->key()))
        emit dayKeyPressed();
    QLabel::keyPressEvent(event);
}

// A tooltip goes at the next key, the release of the Tab key that brought the focus too.
void MonthHeading::keyReleaseEvent(QKeyEvent* event) {
    QLabel::keyReleaseEvent(event);
    showToolTip();
}

} // namespace dutyloop
