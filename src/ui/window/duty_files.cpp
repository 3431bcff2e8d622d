#include "ui/window/duty_files.h"

#include "platform/days_store.h"
#include "platform/settings_model.h"
#include "ui/calendar/calendar_navigation.h"
#include "ui/parts/announcer.h"
#include "ui/printing/year_printing.h"
#include "ui/settings/duty_export.h"
#include "ui/settings/settings_page.h"
#include "ui/window/shown_holidays.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

#include <utility>

namespace dutyloop {

DutyFiles::DutyFiles(QWidget* window, Platform platform, Sources sources, SettingsPage* page,
                     Announcer* announcer)
    : QObject(window), m_window(window), m_platform(std::move(platform)),
      m_sources(std::move(sources)), m_page(page), m_announcer(announcer) {}

// A cancelled dialog did nothing, and the Settings tab keeps saying what was written last; a
// write that failed takes that away with its error.
Platform DutyFiles::fileWritingPlatform() {
    Platform platform = m_platform;
    platform.showError = [this](QWidget* window, const QString& message) {
        m_page->clearFileMessage();
        m_platform.showError(window, message);
    };
    return platform;
}

void DutyFiles::exportDutyDays() {
    const Settings& settings = m_sources.settings->edited();
    const std::optional<ExportReport> report =
        RunExport(m_window,
                  {settings.assignment, m_sources.calendar->view().shownDate, m_lastExportFolder,
                   settings, m_sources.holidays->list()},
                  fileWritingPlatform(), m_sources.days->changes());
    if (!report)
        return;
    m_lastExportFolder = QFileInfo(report->path).absolutePath();
    m_page->showExportMessage(ExportReportText(*report, m_sources.locale));
}

void DutyFiles::printDutyYear() {
    // The focus comes back where it was when the dialogs close.
    QWidget* const focused = QApplication::focusWidget();
    const std::optional<QString> saved = RunPrint(
        m_window,
        {m_sources.settings->edited(), m_sources.locale, m_sources.calendar->view().shownDate,
         m_platform.today(), m_sources.days->changes(), m_sources.holidays->list()},
        fileWritingPlatform());
    if (!saved)
        return;
    const QString text = PdfSavedText(*saved, m_sources.locale);
    m_page->showPrintMessage(text);
    // The Print button says it as the focus comes back to it; printed with the keys from
    // elsewhere, the window says it.
    if (!focused || focused->objectName() != QLatin1String("printButton"))
        m_announcer->announce(text);
}

} // namespace dutyloop
