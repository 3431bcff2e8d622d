// What the window keeps in files and writes out: the settings, the user's own days, the
// exported calendar and the printed year.

#include "ui/window/main_window.h"

#include "calendar/cell_descriptions.h"
#include "calendar/duty_hours_texts.h"
#include "calendar/month_grid.h"
#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "schedule/crew.h"
#include "schedule/rotation.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/day_dialog.h"
#include "ui/parts/announcer.h"
#include "ui/printing/year_printing.h"
#include "ui/settings/duty_export.h"
#include "ui/settings/settings_page.h"
#include "ui/window/duty_reminders.h"

#include <QApplication>
#include <QFileInfo>

namespace dutyloop {

void MainWindow::changeDay(QDate date) {
    selectDay(date);
    // A day of a neighbouring month is not chosen, and so not changed.
    if (date != m_view.shownDate)
        return;
    // The dialog shows the day as the file has it now, whatever was written there since.
    const DaysFile days = ReadDaysFile(m_daysFilePath);
    if (!days.changes) {
        m_platform.showError(this, daysFileUnreadableText(days.unreadable));
        return;
    }
    m_dayChanges = *days.changes;
    followDuty();
    redraw();
    const DayChanges& changes = DayChangesUnder(m_dayChanges, m_settings.assignment);
    const DayChange seen = StoredChangeOn(date, changes);
    const DayChange shown = ChangeOn(date, m_view.anchorDate, changes);
    const DutyHours* hours = DutyHoursOf(m_settings);
    DayDialog dialog({LongDateText(date, m_locale), DutyCodeFor(date, m_view.anchorDate),
                      hours ? DutyHoursText(*hours, m_locale) : QString(),
                      CrewFollowing(m_settings.assignment).has_value(), shown},
                     this);
    // OK on what the file already says writes nothing, so the line stays as it was written.
    if (dialog.exec() != QDialog::Accepted || dialog.change() == shown)
        return;
    const DayChangeWritten written = WriteDayChange(
        {m_daysFilePath, m_settings.assignment, date, seen, dialog.change(), m_locale},
        m_platform.writeFault);
    // What the file holds, written or not, is what the calendar shows.
    if (written.file.changes)
        m_dayChanges = *written.file.changes;
    followDuty();
    redraw();
    if (!written.refusal.isEmpty())
        m_platform.showError(this, written.refusal);
}

QString MainWindow::daysFileUnreadableText(const QString& unreadable) {
    return tr("%1\nYour own days cannot be shown or changed until it can be read.").arg(unreadable);
}

bool MainWindow::writeSettingsFile(const std::function<QByteArray(const QByteArray&)>& edit) {
    // The folder may have gone since start-up made it; it is made again the same way.
    CreateDirectoryWithParents(QFileInfo(m_settingsFilePath).absolutePath());
    // The keys go into the file as it stands, so every other line of it survives; what is there
    // but cannot be read (no regular file, or far too large) is not replaced.
    const FileContent current = ReadFile(m_settingsFilePath);
    if (!current.read() && current.failure != ReadFailure::Missing) {
        m_platform.showError(this,
                             UnableToWriteMessage(m_settingsFilePath, ReadFailureReason(current)));
        return false;
    }
    return WriteFileOrShowError(m_platform, this, m_settingsFilePath, edit(current.bytes));
}

void MainWindow::save() {
    m_settingsPage->clearFileMessage();
    if (!writeSettingsFile(
            [this](const QByteArray& text) { return TextWithSettings(text, m_settings); }))
        return;
    showMonthOf(m_view.shownDate);
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
        {m_settings.assignment, m_view.shownDate, m_lastExportFolder, m_settings, shownHolidays()},
        fileWritingPlatform(), m_dayChanges);
    if (!report)
        return;
    m_lastExportFolder = QFileInfo(report->path).absolutePath();
    m_settingsPage->showExportMessage(ExportReportText(*report, m_locale));
}

void MainWindow::printDutyYear() {
    // The focus comes back where it was when the dialogs close.
    QWidget* const focused = QApplication::focusWidget();
    const std::optional<QString> saved = RunPrint(
        this, {m_settings, m_locale, m_view.shownDate, m_today, m_dayChanges, shownHolidays()},
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
