#include "ui/parts/font_size.h"

#include <QFont>
#include <QWidget>

namespace dutyloop {

namespace {

constexpr qreal kPointsPerInch = 72.0;

// Qt's pixel sizes are whole numbers; a point size scaled by the widget's logical DPI keeps the
// fraction the calendar's sizing computed.
qreal DpiOf(const QWidget* widget) {
    const int dpi = widget != nullptr ? widget->logicalDpiY() : 0;
    return dpi > 0 ? dpi : 96.0;
}

qreal PointsFor(float pixels, const QWidget* widget) {
    return static_cast<qreal>(pixels) * kPointsPerInch / DpiOf(widget);
}

} // namespace

void SetFontPixelSize(QFont& font, float pixels, const QWidget* forWidget) {
    // Before the window has been sized there is no size to take yet; the font stays as it is.
    if (!(pixels > 0.0f))
        return;
    const qreal points = PointsFor(pixels, forWidget);
    // An unchanged size leaves the font untouched, so it still compares equal to the
    // widget's font and the caller can skip setFont.
    if (font.pointSizeF() > 0 && qFuzzyCompare(font.pointSizeF(), points)) {
        return;
    }
    font.setPointSizeF(points);
}

void SetFontPixelSize(QWidget* widget, float pixels) {
    QFont font = widget->font();
    SetFontPixelSize(font, pixels, widget);
    // The calendar sets every font on every redraw; setFont would relayout and repaint even
    // when nothing changed.
    if (font != widget->font()) {
        widget->setFont(font);
    }
}

void SetFontBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace dutyloop
