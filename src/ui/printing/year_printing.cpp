#include "ui/printing/year_printing.h"

#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "schedule/rotation.h"
#include "ui/printing/print_dialog.h"
#include "ui/printing/year_page_painter.h"
#include "ui/printing/year_pdf.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace dutyloop {

YearPage YearPageForCrew(const QString& crew, int year, const Settings& settings,
                         const LocaleSettings& locale, QDate today, const DayChanges& changes,
                         const HolidayList* holidays) {
    const Crew shown{crew, AnchorForAssignment(crew)};
    return YearPageFor(
        {.crew = shown,
         .year = year,
         .colors = settings.colors,
         .weekStart = settings.weekStartsOnMonday ? WeekStart::Monday : WeekStart::Sunday,
         .locale = locale,
         .today = today,
         .duty = EffectiveDutyOf(shown.anchor, changes),
         .changes = &changes,
         .holidays = holidays});
}

QString DefaultPdfPath(const QString& folder, const QString& crew, int year) {
    return QDir(folder).filePath(QStringLiteral("Dutyloop %1 %2.pdf").arg(crew).arg(year));
}

bool SaveYearPdf(const YearPage& page, const QPageSize& paper, const QString& path,
                 const Platform& platform, QWidget* window) {
    const QByteArray pdf = YearPagePdf(page, paper);
    if (pdf.isEmpty()) {
        platform.showError(window, UnableToWriteMessage(path));
        return false;
    }
    return WriteFileOrShowError(platform, window, path, pdf);
}

void ShowPrintPreview(QWidget* window, const YearPage& page, const QPageSize& paper) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.title);
    SetUpYearPaper(printer, paper);
    QPrintPreviewDialog preview(&printer, window);
    preview.setWindowTitle(page.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&page](QPrinter* target) { PrintYearPage(*target, page); });
    preview.exec();
}

void RunPrint(QWidget* window, const PrintRequest& request, const Platform& platform) {
    PrintDialog dialog(request.settings.assignment, request.shownDate, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const YearPage page = YearPageForCrew(
        dialog.crew(), dialog.year(), request.settings, request.locale, request.today,
        DayChangesUnder(request.dayChanges, dialog.crew()), request.holidays);
    const QPageSize paper = PaperFor(request.locale.locale);
    if (dialog.output() == PrintDialog::Output::Preview) {
        ShowPrintPreview(window, page, paper);
        return;
    }
    if (!platform.chooseSaveFile)
        return;
    const QString path = platform.chooseSaveFile(
        window, PrintDialog::tr("Save as PDF"),
        DefaultPdfPath(platform.documentsFolder, dialog.crew(), dialog.year()),
        PrintDialog::tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        SaveYearPdf(page, paper, path, platform, window);
}

} // namespace dutyloop
