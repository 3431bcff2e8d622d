#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace dutyloop {

// What the crew member made of a day, as it is marked in the day's cell.
struct DayMarks {
    bool changed = false; // leave, sickness, a swap or extra duty
    bool note = false;
    bool holiday = false; // a public holiday of the chosen region
};

// A changed day has its corner cut off at the end the text runs to, a day with a note a dot
// below it, a public holiday a bar along the top at the end the text comes from: shapes, so
// that they tell the day apart without colour, on screen and on paper. `size` is the length of
// the corner's sides.
void PaintDayMarks(QPainter& painter, const QRectF& inner, DayMarks marks, const QColor& color,
                   qreal size, bool rightToLeft);

} // namespace dutyloop
