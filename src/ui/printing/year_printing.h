#pragma once

#include "calendar/locale_settings.h"
#include "calendar/year_page.h"
#include "platform/platform.h"
#include "schedule/day_changes.h"
#include "settings/day_changes_file.h"
#include "settings/settings_file.h"

#include <QPageSize>
#include <QString>
#include <QTimeZone>

#include <optional>

class QWidget;

namespace dutyloop {

// The year of `crew` in the colours and week start of `settings`, with the changes the crew
// member made under it and the holidays marked, if any.
YearPage YearPageForCrew(const QString& crew, int year, const Settings& settings,
                         const LocaleSettings& locale, QDate today, const DayChanges& changes,
                         const HolidayList* holidays = nullptr,
                         const QTimeZone& timeZone = QTimeZone::systemTimeZone());

// "Dutyloop 5 TFS 2027.pdf" in `folder`.
QString DefaultPdfPath(const QString& folder, const QString& crew, int year);

// Writes the page as a PDF through the window's one way of writing a file. On failure the error
// box says "Unable to write to <path>: <reason>.", no part of the file is left, and the result
// is false.
bool SaveYearPdf(const YearPage& page, const QPageSize& paper, const QString& path,
                 const Platform& platform, QWidget* window);

// The print preview of the page, from which the user prints it or saves it.
void ShowPrintPreview(QWidget* window, const YearPage& page, const QPageSize& paper);

// What the window prints from.
struct PrintRequest {
    const Settings& settings;
    const LocaleSettings& locale;
    QDate shownDate;
    QDate today;
    const DayChangesBySection& dayChanges; // those of every crew
    const HolidayList* holidays = nullptr; // those marked, if any
};

// The whole printing as the window runs it: the dialog, then the preview or the PDF file in
// the place the platform's save dialog chooses. The path of the PDF file written, if one was.
std::optional<QString> RunPrint(QWidget* window, const PrintRequest& request,
                                const Platform& platform);

// "Duty year saved as <path>": what the window says of a PDF file written.
QString PdfSavedText(const QString& path, const LocaleSettings& locale);

} // namespace dutyloop
