#pragma once

#include "settings/colors.h"

class QPainter;
class QRect;

namespace dutyloop {

// A filled rectangle with a stroke `thickness` wide drawn inside its edges, as the panels and
// the day cells are drawn.
void PaintOutlinedRect(QPainter& painter, const QRect& bounds, QRgb fill, QRgb stroke,
                       float thickness);

// The keyboard focus mark: a dashed line just inside the stroke, in the stroke's colour, or in
// `highlight` where the stroke would not stand out from the fill.
void PaintFocusMark(QPainter& painter, const QRect& bounds, QRgb fill, QRgb stroke, float thickness,
                    QRgb highlight);

} // namespace dutyloop
