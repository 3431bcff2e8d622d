#include "ui/parts/text_color.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace dutyloop {

void SetTextColor(QWidget* widget, QRgb color) {
    // A colour the widget merely inherits from its parent does not count as its own.
    if (widget->palette().isBrushSet(QPalette::Active, QPalette::WindowText) &&
        TextColorOf(widget) == color)
        return;
    QPalette palette = widget->palette();
    const QColor qcolor = QColor::fromRgba(color);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, qcolor);
    widget->setPalette(palette);
}

QRgb TextColorOf(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText).rgba();
}

void SetBackgroundColor(QWidget* widget, QRgb color) {
    widget->setAutoFillBackground(true);
    if (widget->palette().isBrushSet(QPalette::Active, QPalette::Window) &&
        BackgroundColorOf(widget) == color)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(color));
    widget->setPalette(palette);
}

QRgb BackgroundColorOf(const QWidget* widget) {
    return widget->palette().color(QPalette::Window).rgba();
}

} // namespace dutyloop
