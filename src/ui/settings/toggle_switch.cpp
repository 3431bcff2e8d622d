#include "ui/settings/toggle_switch.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRectF>

#include <algorithm>

namespace dutyloop {

namespace {
// Room around the track for the focus ring.
constexpr qreal kFocusMargin = 3.0;
constexpr qreal kFocusWidth = 1.5;
// Gap between the track's edge and the thumb.
constexpr qreal kThumbGap = 2.5;
const QColor kOffTrack(0xB4, 0xB4, 0xB4);
} // namespace

ToggleSwitch::ToggleSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ToggleSwitch::sizeHint() const {
    return {55, 25};
}

void ToggleSwitch::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.5);
    }

    const QRectF track =
        QRectF(rect()).adjusted(kFocusMargin, kFocusMargin, -kFocusMargin, -kFocusMargin);
    if (track.width() <= 0 || track.height() <= 0) {
        return;
    }
    const qreal radius = track.height() / 2.0;
    const bool on = isChecked();
    const QColor highlight = palette().color(QPalette::Highlight);

    painter.setPen(Qt::NoPen);
    painter.setBrush(on ? highlight : kOffTrack);
    painter.drawRoundedRect(track, radius, radius);

    const qreal diameter = std::max(track.height() - 2.0 * kThumbGap, 1.0);
    // Off lies at the start of the line, where a right-to-left window starts it: at the right.
    const bool thumbAtRight = on != isRightToLeft();
    const qreal thumbX =
        thumbAtRight ? track.right() - kThumbGap - diameter : track.left() + kThumbGap;
    const QRectF thumb(thumbX, track.top() + (track.height() - diameter) / 2.0, diameter, diameter);
    painter.setBrush(isDown() ? QColor(0xE8, 0xE8, 0xE8) : QColor(Qt::white));
    painter.drawEllipse(thumb);

    if (hasFocus()) {
        // Drawn outside the track so it shows in both states, on or off.
        const qreal outset = kFocusMargin - kFocusWidth / 2.0 - 0.5;
        const QRectF ring = track.adjusted(-outset, -outset, outset, outset);
        const qreal ringRadius = ring.height() / 2.0;
        painter.setPen(QPen(highlight, kFocusWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(ring, ringRadius, ringRadius);
    }
}

} // namespace dutyloop
