#include "app/toolkit/t_rectangle.h"

#include <QColor>
#include <QList>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <algorithm>

namespace dutyloop {

namespace {
// The focus line sits this far inside the stroke, so it reads as a mark and not as a thicker
// border.
constexpr qreal kFocusGap = 2.0;
constexpr qreal kFocusWidth = 2.0;
} // namespace

TRectangle::TRectangle(QWidget* parent) : QWidget(parent) {
    // A press alone never moves the focus: the window gives it to a day cell that was clicked,
    // and a click on a day of another month leaves it where it was.
    setFocusPolicy(Qt::NoFocus);
}

void TRectangle::setFill(Color fill) {
    if (m_fill == fill) {
        return;
    }
    m_fill = fill;
    update();
}

void TRectangle::setStroke(Color stroke) {
    if (m_stroke == stroke) {
        return;
    }
    m_stroke = stroke;
    update();
}

void TRectangle::setStrokeThickness(float thickness) {
    if (m_strokeThickness == thickness) {
        return;
    }
    m_strokeThickness = thickness;
    update();
}

void TRectangle::setHitTest(bool on) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !on);
}

bool TRectangle::hitTest() const {
    return !testAttribute(Qt::WA_TransparentForMouseEvents);
}

void TRectangle::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRectF bounds(rect());
    if (qAlpha(m_fill) != 0) {
        painter.fillRect(bounds, QColor::fromRgba(m_fill));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    // The stroke lies wholly inside the edges: its centre line is half a thickness in. It can
    // be no thicker than half the rectangle, where it fills it.
    const qreal maxThickness = std::min(bounds.width(), bounds.height()) / 2.0;
    const qreal thickness = std::min(static_cast<qreal>(m_strokeThickness), maxThickness);
    if (thickness > 0 && qAlpha(m_stroke) != 0) {
        QPen pen(QColor::fromRgba(m_stroke), thickness);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal half = thickness / 2.0;
        painter.drawRect(bounds.adjusted(half, half, -half, -half));
    }

    if (hasFocus()) {
        // The stroke colour is chosen to stand out from the fill; without a usable stroke the
        // palette's highlight marks the focus.
        const bool strokeUsable = qAlpha(m_stroke) != 0 && m_stroke != m_fill;
        const QColor color =
            strokeUsable ? QColor::fromRgba(m_stroke) : palette().highlight().color();
        QPen pen(color, kFocusWidth, Qt::CustomDashLine);
        pen.setDashPattern({2.0, 1.5});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal inset = std::max(thickness, 0.0) + kFocusGap + kFocusWidth / 2.0;
        const QRectF focusRect = bounds.adjusted(inset, inset, -inset, -inset);
        if (focusRect.isValid()) {
            painter.drawRect(focusRect);
        }
    }
}

void TRectangle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void TRectangle::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    // Releasing outside the rectangle cancels the click, as on a button.
    if (wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace dutyloop
