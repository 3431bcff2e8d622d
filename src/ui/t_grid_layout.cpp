#include "ui/t_grid_layout.h"

#include <QEvent>
#include <QRect>
#include <QResizeEvent>

namespace dutyloop {

TGridLayout::TGridLayout(QWidget* parent) : QWidget(parent) {}

void TGridLayout::setItemSize(float width, float height) {
    if (m_itemWidth == width && m_itemHeight == height) {
        return;
    }
    m_itemWidth = width;
    m_itemHeight = height;
    placeChildren();
}

bool TGridLayout::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::LayoutRequest:
        placeChildren();
        break;
    default:
        break;
    }
    return handled;
}

void TGridLayout::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

void TGridLayout::placeChildren() {
    const double cellWidth = m_itemWidth;
    const double cellHeight = m_itemHeight;
    const double available = width();
    int column = 0;
    int row = 0;
    for (QObject* child : children()) {
        if (!child->isWidgetType()) {
            continue;
        }
        auto* widget = static_cast<QWidget*>(child);
        if (widget->isWindow()) {
            continue;
        }
        // A row holds at least one cell, however narrow the layout.
        if (column > 0 && (column + 1) * cellWidth > available) {
            column = 0;
            ++row;
        }
        // Both edges are rounded from their fractional positions, so a cell ends exactly where
        // the next begins.
        const int left = qRound(column * cellWidth);
        const int right = qRound((column + 1) * cellWidth);
        const int top = qRound(row * cellHeight);
        const int bottom = qRound((row + 1) * cellHeight);
        const QRect cell(left, top, right - left, bottom - top);
        if (widget->geometry() != cell) {
            widget->setGeometry(cell);
        }
        ++column;
    }
}

} // namespace dutyloop
