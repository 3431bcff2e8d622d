// What the window keeps in files and writes out: the settings, the user's own days, the
// exported calendar and the printed year.

#include "ui/window/main_window.h"

#include "calendar/cell_descriptions.h"
#include "calendar/duty_hours_texts.h"
#include "calendar/month_grid.h"
#include "platform/days_store.h"
#include "platform/file_services.h"
#include "platform/holiday_calendar.h"
#include "platform/settings_model.h"
#include "schedule/crew.h"
#include "schedule/rotation.h"
#include "ui/calendar/calendar_navigation.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/day_editing.h"
#include "ui/parts/announcer.h"
#include "ui/printing/year_printing.h"
#include "ui/settings/duty_export.h"
#include "ui/settings/settings_page.h"
#include "ui/window/duty_reminders.h"

#include <QApplication>
#include <QFileInfo>

namespace dutyloop {

void MainWindow::changeDay(QDate date) {
    EditDay(this, {date, view().anchorDate, &settings(), m_locale}, *m_days,
            [this](const QString& message) { m_platform.showError(this, message); });
}

bool MainWindow::saveSettings() {
    const QString problem = m_settings->save(m_platform.writeFault);
    if (!problem.isEmpty())
        m_platform.showError(this, problem);
    return problem.isEmpty();
}

bool MainWindow::saveTarget(const PublishTarget& target) {
    const QString problem = m_settings->saveTarget(target, m_platform.writeFault);
    if (!problem.isEmpty())
        m_platform.showError(this, problem);
    return problem.isEmpty();
}

void MainWindow::save() {
    m_settingsPage->clearFileMessage();
    if (!saveSettings())
        return;
    m_calendar->applySettings();
    showCalendar();
    m_announcer->announce(tr("Settings saved"));
}

// A cancelled dialog did nothing, and the Settings tab keeps saying what was written last; a
// write that failed takes that away with its error.
Platform MainWindow::fileWritingPlatform() {
    Platform platform = m_platform;
    platform.showError = [this](QWidget* window, const QString& message) {
        m_settingsPage->clearFileMessage();
        m_platform.showError(window, message);
    };
    return platform;
}

void MainWindow::exportDutyDays() {
    const std::optional<ExportReport> report = RunExport(
        this,
        {settings().assignment, view().shownDate, m_lastExportFolder, settings(), shownHolidays()},
        fileWritingPlatform(), m_days->changes());
    if (!report)
        return;
    m_lastExportFolder = QFileInfo(report->path).absolutePath();
    m_settingsPage->showExportMessage(ExportReportText(*report, m_locale));
}

void MainWindow::printDutyYear() {
    // The focus comes back where it was when the dialogs close.
    QWidget* const focused = QApplication::focusWidget();
    const std::optional<QString> saved = RunPrint(
        this, {settings(), m_locale, view().shownDate, today(), m_days->changes(), shownHolidays()},
        fileWritingPlatform());
    if (!saved)
        return;
    m_settingsPage->showPrintMessage(PdfSavedText(*saved, m_locale));
    // The Print button says it as the focus comes back to it; printed with the keys from
    // elsewhere, the window says it.
    if (!focused || focused->objectName() != QLatin1String("printButton"))
        m_announcer->announce(PdfSavedText(*saved, m_locale));
}

} // namespace dutyloop
