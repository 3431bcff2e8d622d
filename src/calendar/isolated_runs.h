#pragma once

#include "calendar/locale_settings.h"

#include <QString>

namespace dutyloop {

// A crew's name, a number or a path inside a sentence, kept one left-to-right run where the
// window's texts read from right to left: among the words of such a sentence its parts are
// pulled apart otherwise ("5 TFS" shows as "TFS 5", "11 work days" as "work days 11"). Left as
// it is where the texts read from left to right, where it reads right already and a screen
// reader meets no marks.
QString LeftToRightRun(const QString& run, bool rightToLeft);
QString LeftToRightRun(const QString& run, const LocaleSettings& locale);

// A number in the locale's digits, as the grid, the status line and the date field write them,
// kept one run.
QString NumberText(qint64 number, const LocaleSettings& locale);

// A year in the locale's digits, without a thousands separator.
QString YearText(int year, const LocaleSettings& locale);

// A counted text ("%n work days") in the language's plural form for `count`, the count written
// as NumberText writes it.
QString CountText(const char* context, const char* source, int count, const LocaleSettings& locale);

} // namespace dutyloop
