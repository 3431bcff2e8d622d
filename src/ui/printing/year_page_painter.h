#pragma once

#include "calendar/year_page.h"

#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace dutyloop {

// Draws the year page to fill the width of `area`, in the painter's coordinates: the preview,
// the printer, the PDF and an image all draw it here. Work days are filled cells, off days
// plain numbers, so the two stay apart on a grey printer as well as in colour.
void PaintYearPage(QPainter& painter, const QRectF& area, const YearPage& page);

// Where day `day` of `month` (1 = January) stands when the page is drawn in `area`; an empty
// rectangle for a day the month does not have.
QRectF YearDayCellRect(const QRectF& area, const YearPage& page, int month, int day);

// The page on the device's one page, across its whole printable area. False when the device
// cannot be painted on, as a file that cannot be opened.
bool PrintYearPage(QPagedPaintDevice& device, const YearPage& page);

} // namespace dutyloop
