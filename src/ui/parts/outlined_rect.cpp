#include "ui/parts/outlined_rect.h"

#include <QColor>
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
QColor Mix(QRgb top, QRgb bottom, qreal coverage) {
    const auto channel = [&](int shift) {
        const qreal over = (top >> shift) & 0xFFu;
        const qreal under = (bottom >> shift) & 0xFFu;
        return qRound(over * coverage + under * (1.0 - coverage));
    };
    return QColor(channel(16), channel(8), channel(0));
}

// An opaque fill inside an opaque stroke, the stroke's edge pixels shaded by the share of them
// it covers: filled as whole-pixel rectangles of their mixed colour rather than rasterized.
void PaintOpaqueOutline(QPainter& painter, const QRect& bounds, qreal thickness, QRgb fill,
                        QRgb stroke) {
    const int whole = static_cast<int>(thickness);
    const qreal part = thickness - whole;
    const QRect inner = bounds.adjusted(whole, whole, -whole, -whole);
    const bool ringFits = inner.width() >= 3 && inner.height() >= 3;
    if (whole > 0 || !ringFits)
        painter.fillRect(bounds, QColor::fromRgba(stroke));
    if (part <= 0) {
        if (inner.isValid())
            painter.fillRect(inner, QColor::fromRgba(fill));
        return;
    }
    if (!ringFits) {
        // Too small for a ring of shaded pixels around an inside: the rasterizer shades it.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inside = QRectF(bounds).adjusted(thickness, thickness, -thickness, -thickness);
        if (inside.isValid())
            painter.fillRect(inside, QColor::fromRgba(fill));
        painter.restore();
        return;
    }
    // The ring of edge pixels in their shade, then the inside over it: every colour is opaque,
    // so the later fill simply replaces the earlier, in two fills instead of five.
    painter.fillRect(inner, Mix(stroke, fill, part));
    painter.fillRect(inner.adjusted(1, 1, -1, -1), QColor::fromRgba(fill));
    const int l = inner.left();
    const int t = inner.top();
    const int r = inner.right();
    const int b = inner.bottom();
    // A corner pixel is covered along both edges.
    const QColor corner = Mix(stroke, fill, 1.0 - (1.0 - part) * (1.0 - part));
    for (const QRect& at :
         {QRect(l, t, 1, 1), QRect(r, t, 1, 1), QRect(l, b, 1, 1), QRect(r, b, 1, 1)})
        painter.fillRect(at, corner);
}

// The stroke lies wholly inside the edges: its centre line is half a thickness in. It can be no
// thicker than half the rectangle, where it fills it.
qreal ShownThickness(const QRect& bounds, float thickness) {
    const qreal most = std::min(bounds.width(), bounds.height()) / 2.0;
    return std::min(static_cast<qreal>(thickness), most);
}

} // namespace

void PaintOutlinedRect(QPainter& painter, const QRect& bounds, QRgb fill, QRgb stroke,
                       float thickness) {
    const qreal shown = ShownThickness(bounds, thickness);
    if (shown > 0 && qAlpha(stroke) == 0xFF && qAlpha(fill) == 0xFF) {
        PaintOpaqueOutline(painter, bounds, shown, fill, stroke);
        return;
    }
    const QRectF area(bounds);
    if (qAlpha(fill) != 0)
        painter.fillRect(area, QColor::fromRgba(fill));
    if (shown > 0 && qAlpha(stroke) != 0) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(QColor::fromRgba(stroke), shown);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal half = shown / 2.0;
        painter.drawRect(area.adjusted(half, half, -half, -half));
        painter.restore();
    }
}

void PaintFocusMark(QPainter& painter, const QRect& bounds, QRgb fill, QRgb stroke, float thickness,
                    QRgb highlight) {
    const bool strokeUsable = qAlpha(stroke) != 0 && stroke != fill;
    QPen pen(QColor::fromRgba(strokeUsable ? stroke : highlight), kFocusWidth, Qt::CustomDashLine);
    pen.setDashPattern({2.0, 1.5});
    const qreal inset =
        std::max(ShownThickness(bounds, thickness), 0.0) + kFocusGap + kFocusWidth / 2.0;
    const QRectF mark = QRectF(bounds).adjusted(inset, inset, -inset, -inset);
    if (!mark.isValid())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mark);
    painter.restore();
}

} // namespace dutyloop
