#include "ui/parts/day_marks.h"

#include <QPainter>

namespace dutyloop {

void PaintDayMarks(QPainter& painter, const QRectF& inner, DayMarks marks, const QColor& color,
                   qreal size, bool rightToLeft) {
    if (!marks.changed && !marks.note && !marks.holiday)
        return;
    const qreal edge = rightToLeft ? inner.left() : inner.right();
    const qreal inward = rightToLeft ? size : -size;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (marks.changed) {
        const QPointF corner[] = {
            {edge, inner.top()}, {edge + inward, inner.top()}, {edge, inner.top() + size}};
        painter.drawPolygon(corner, 3);
    }
    if (marks.holiday) {
        const qreal start = rightToLeft ? inner.right() - size : inner.left();
        painter.drawRect(QRectF(start, inner.top(), size, size / 4));
    }
    if (marks.note) {
        const qreal radius = size / 4;
        painter.drawEllipse(QPointF(edge + inward / 2, inner.bottom() - size / 2), radius, radius);
    }
    painter.restore();
}

} // namespace dutyloop
