#include "ui/t_rectangle.h"

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

// `top` covering `coverage` (0 to 1) of a pixel of `bottom`, both opaque.
QColor Mix(Color top, Color bottom, qreal coverage) {
    const auto channel = [&](int shift) {
        const qreal over = (top >> shift) & 0xFFu;
        const qreal under = (bottom >> shift) & 0xFFu;
        return qRound(over * coverage + under * (1.0 - coverage));
    };
    return QColor(channel(16), channel(8), channel(0));
}

// An opaque fill inside an opaque stroke of `thickness`, the stroke's edge pixels shaded by
// the share of them it covers. Every day cell is drawn this way on every redraw, so the shaded
// pixels are filled as whole-pixel rectangles of their mixed colour rather than rasterized.
void PaintOpaqueOutline(QPainter& painter, const QRect& bounds, qreal thickness, Color fill,
                        Color stroke) {
    const int whole = static_cast<int>(thickness);
    const qreal part = thickness - whole;
    const QRect inner = bounds.adjusted(whole, whole, -whole, -whole);
    const bool ringFits = inner.width() >= 3 && inner.height() >= 3;
    if (whole > 0 || !ringFits) {
        painter.fillRect(bounds, QColor::fromRgba(stroke));
    }
    if (part <= 0) {
        if (inner.isValid()) {
            painter.fillRect(inner, QColor::fromRgba(fill));
        }
        return;
    }
    if (!ringFits) {
        // Too small for a ring of shaded pixels around an inside: the rasterizer shades it.
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inside = QRectF(bounds).adjusted(thickness, thickness, -thickness, -thickness);
        if (inside.isValid()) {
            painter.fillRect(inside, QColor::fromRgba(fill));
        }
        return;
    }
    painter.fillRect(inner.adjusted(1, 1, -1, -1), QColor::fromRgba(fill));
    painter.setPen(Qt::NoPen);
    const int l = inner.left();
    const int t = inner.top();
    const int r = inner.right();
    const int b = inner.bottom();
    const QRect sides[] = {{l + 1, t, r - l - 1, 1},
                           {l + 1, b, r - l - 1, 1},
                           {l, t + 1, 1, b - t - 1},
                           {r, t + 1, 1, b - t - 1}};
    painter.setBrush(Mix(stroke, fill, part));
    painter.drawRects(sides, 4);
    // A corner pixel is covered along both edges.
    const QRect corners[] = {{l, t, 1, 1}, {r, t, 1, 1}, {l, b, 1, 1}, {r, b, 1, 1}};
    painter.setBrush(Mix(stroke, fill, 1.0 - (1.0 - part) * (1.0 - part)));
    painter.drawRects(corners, 4);
}
} // namespace

TRectangle::TRectangle(QWidget* parent) : QWidget(parent) {
    // A press alone never moves the focus: the window gives it to a day cell that was clicked,
    // and a click on a day of another month leaves it where it was.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, qAlpha(m_fill) == 0xFF);
}

void TRectangle::setFill(Color fill) {
    if (m_fill == fill) {
        return;
    }
    m_fill = fill;
    // An opaque rectangle covers all it stands on, so Qt need not paint what lies behind it.
    setAttribute(Qt::WA_OpaquePaintEvent, qAlpha(m_fill) == 0xFF);
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
    // The stroke lies wholly inside the edges: its centre line is half a thickness in. It can
    // be no thicker than half the rectangle, where it fills it.
    const qreal maxThickness = std::min(bounds.width(), bounds.height()) / 2.0;
    const qreal thickness = std::min(static_cast<qreal>(m_strokeThickness), maxThickness);

    if (thickness > 0 && qAlpha(m_stroke) == 0xFF && qAlpha(m_fill) == 0xFF) {
        PaintOpaqueOutline(painter, rect(), thickness, m_fill, m_stroke);
        painter.setRenderHint(QPainter::Antialiasing);
    } else {
        if (qAlpha(m_fill) != 0) {
            painter.fillRect(bounds, QColor::fromRgba(m_fill));
        }
        painter.setRenderHint(QPainter::Antialiasing);
        if (thickness > 0 && qAlpha(m_stroke) != 0) {
            QPen pen(QColor::fromRgba(m_stroke), thickness);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            const qreal half = thickness / 2.0;
            painter.drawRect(bounds.adjusted(half, half, -half, -half));
        }
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
