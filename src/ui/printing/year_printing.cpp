#include "ui/printing/year_printing.h"

#include "calendar/isolated_runs.h"
#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "schedule/rotation.h"
#include "ui/printing/print_dialog.h"
#include "ui/printing/year_page_painter.h"
#include "ui/printing/year_pdf.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolButton>

namespace dutyloop {

namespace {

// Qt's preview leaves its tool bar to the mouse: its buttons take no focus, and Print has no
// key. The Tab key reaches them here, and the platform's print key prints. Its page has no name.
void ReachToolBarByKeys(QPrintPreviewDialog& preview, const QString& title) {
    // The page itself, where the dialog opens, is named for what it shows.
    for (QGraphicsView* page : preview.findChildren<QGraphicsView*>())
        page->setAccessibleName(title);
    for (QToolButton* button : preview.findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::TabFocus);
    // The action's text in Qt's own translation; a name of Qt's, not one of ours to translate.
    const char* const context = "QPrintPreviewDialog";
    const QString print = QCoreApplication::translate(context, "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == print)
            action->setShortcut(QKeySequence::Print);
    }
}

} // namespace

YearPage YearPageForCrew(const QString& crew, int year, const Settings& settings,
                         const LocaleSettings& locale, QDate today, const DayChanges& changes,
                         const HolidayList* holidays, const QTimeZone& timeZone) {
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
         .holidays = holidays,
         .dutyHours = DutyHoursOf(settings, crew),
         .timeZone = timeZone});
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
    ReachToolBarByKeys(preview, page.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&page](QPrinter* target) { PrintYearPage(*target, page); });
    preview.exec();
}

std::optional<QString> RunPrint(QWidget* window, const PrintRequest& request,
                                const Platform& platform) {
    PrintDialog dialog(request.settings.assignment, request.shownDate, window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const YearPage page =
        YearPageForCrew(dialog.crew(), dialog.year(), request.settings, request.locale,
                        request.today, DayChangesUnder(request.dayChanges, dialog.crew()),
                        request.holidays, platform.now().timeZone());
    const QPageSize paper = PaperFor(request.locale.locale);
    if (dialog.output() == PrintDialog::Output::Preview) {
        ShowPrintPreview(window, page, paper);
        return std::nullopt;
    }
    if (!platform.chooseSaveFile)
        return std::nullopt;
    const QString path = platform.chooseSaveFile(
        window, PrintDialog::tr("Save as PDF"),
        DefaultPdfPath(platform.documentsFolder, dialog.crew(), dialog.year()),
        PrintDialog::tr("PDF files (*.pdf)"));
    if (path.isEmpty() || !SaveYearPdf(page, paper, path, platform, window))
        return std::nullopt;
    return path;
}

QString PdfSavedText(const QString& path, const LocaleSettings& locale) {
    return PrintDialog::tr("Duty year saved as %1")
        .arg(LeftToRightRun(QDir::toNativeSeparators(path), locale));
}

} // namespace dutyloop
