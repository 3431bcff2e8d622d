#pragma once

#include "calendar/year_page.h"

#include <QByteArray>
#include <QLocale>
#include <QPageSize>

class QPagedPaintDevice;

namespace dutyloop {

// Letter where the locale's territory prints on it (the Americas' Letter countries and the
// Philippines), A4 everywhere else.
QPageSize PaperFor(const QLocale& locale);

// The device set for the year page: the paper, across its long side, with narrow margins.
void SetUpYearPaper(QPagedPaintDevice& device, const QPageSize& paper);

// The year page as a one-page PDF file.
QByteArray YearPagePdf(const YearPage& page, const QPageSize& paper);

} // namespace dutyloop
