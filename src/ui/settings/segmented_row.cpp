#include "ui/settings/segmented_row.h"

#include <QStyle>
#include <QWidget>

namespace dutyloop {

namespace {
constexpr int kSharedBorder = 1;
} // namespace

SegmentedRow::SegmentedRow(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
}

SegmentedRow::~SegmentedRow() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void SegmentedRow::addItem(QLayoutItem* item) {
    m_items.append(item);
}

QLayoutItem* SegmentedRow::itemAt(int index) const {
    return m_items.value(index);
}

QLayoutItem* SegmentedRow::takeAt(int index) {
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int SegmentedRow::count() const {
    return static_cast<int>(m_items.size());
}

QSize SegmentedRow::sizeHint() const {
    QSize size(0, 0);
    for (const QLayoutItem* item : m_items) {
        const QSize each = item->sizeHint();
        size.setWidth(size.width() + each.width() - (size.width() > 0 ? kSharedBorder : 0));
        size.setHeight(std::max(size.height(), each.height()));
    }
    return size;
}

QSize SegmentedRow::minimumSize() const {
    return sizeHint();
}

Qt::Orientations SegmentedRow::expandingDirections() const {
    return {};
}

void SegmentedRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    int x = rect.left();
    for (QLayoutItem* item : m_items) {
        const QSize size = item->sizeHint();
        const QRect placed(QPoint(x, rect.top()), size);
        item->setGeometry(QStyle::visualRect(
            parentWidget() ? parentWidget()->layoutDirection() : Qt::LeftToRight, rect, placed));
        x += size.width() - kSharedBorder;
    }
}

} // namespace dutyloop
