// Printing a crew's year from the window: the dialog's presets, the preview, the PDF file and
// its failures, the page drawn into an image, the paper of the locale; and the month's numbers
// on the month label.

#include "expected_colors.h"
#include "file_helpers.h"
#include "window_fixture.h"

#include "ui/printing/print_dialog.h"
#include "ui/printing/year_page_painter.h"
#include "ui/printing/year_pdf.h"
#include "ui/printing/year_printing.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSpinBox>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrew5 = "[Config]\nWorkAssign=5 TFS\n";

enum class Opening { PrintButton, CtrlP };

void OpenPrinting(MainWindow& window, Opening opening) {
    if (opening == Opening::PrintButton) {
        OpenTab(window, ControlsOf(window).settingsPage);
        Click(ControlsOf(window).printButton);
    } else {
        QTest::keyClick(KeyTarget(window), Qt::Key_P, Qt::ControlModifier);
    }
}

// The year page of crew 5 TFS in 2027 under the given settings, in US English.
YearPage Crew5In2027(const Settings& settings = Settings()) {
    const LocaleSettings locale =
        CaptureLocaleSettings(QLocale(QLocale::English, QLocale::UnitedStates));
    return YearPageForCrew(QStringLiteral("5 TFS"), 2027, settings, locale, D(2026, 12, 10),
                           DayChanges());
}

// The page drawn on a sheet of A4's shape, as a printer's page would hold it.
QImage Drawn(const YearPage& page) {
    QImage image(1403, 992, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintYearPage(painter, QRectF(0, 0, image.width(), image.height()), page);
    return image;
}

// A point of a day's cell away from its number, which stands in the middle.
QRgb CellColor(const QImage& image, const YearPage& page, int month, int day) {
    const QRectF cell = YearDayCellRect(image.rect(), page, month, day);
    const QPoint at(qRound(cell.left() + cell.width() * 0.2),
                    qRound(cell.top() + cell.height() * 0.2));
    return image.pixel(at);
}

Platform KeepingErrors(QStringList& errors, std::optional<WriteStep> failing = std::nullopt) {
    Platform platform = FixedPlatform(QDate(2026, 12, 10), QLocale::c(), QString());
    platform.showError = [&errors](QWidget*, const QString& message) { errors.append(message); };
    if (failing)
        platform.writeFault = [failing](WriteStep step) { return step == *failing; };
    return platform;
}

// Presses Print, then Save as PDF…, in the window whose save dialog answers for the user.
void SaveAsPdfFromTheWindow(MainWindow& window) {
    const OnNextModal<PrintDialog> choose(
        [](PrintDialog* dialog) { Click(Find<QPushButton>(dialog, "pdfButton")); });
    OpenPrinting(window, Opening::PrintButton);
    QTRY_VERIFY(choose.happened());
}

} // namespace

Q_DECLARE_METATYPE(Opening)

class TestYearPrinting : public QObject {
    Q_OBJECT
private slots:
    void dialogPresetsFollowTheWindow_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("chosen"); // picked on the Settings tab, not saved; or none
        QTest::addColumn<QDate>("picked");   // in the date field; or none
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<QString>("crew");
        QTest::addColumn<int>("year");
        QTest::newRow("the saved crew and today's year, by the Print button")
            << kCrew5 << "" << QDate() << Opening::PrintButton << "5 TFS" << 2023;
        QTest::newRow("the saved crew and today's year, by Ctrl+P")
            << kCrew5 << "" << QDate() << Opening::CtrlP << "5 TFS" << 2023;
        QTest::newRow("a crew chosen but not saved, and a year picked, by Ctrl+P")
            << kCrew5 << "3 TWT" << QDate(2031, 4, 17) << Opening::CtrlP << "3 TWT" << 2031;
        QTest::newRow("a year picked, by the Print button")
            << kCrew5 << "" << QDate(2029, 1, 31) << Opening::PrintButton << "5 TFS" << 2029;
        QTest::newRow("the agency-wide entry has no duties: the first crew")
            << QByteArray() << "" << QDate() << Opening::PrintButton << "1 SMT" << 2023;
    }
    void dialogPresetsFollowTheWindow() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, chosen);
        QFETCH(QDate, picked);
        QFETCH(Opening, opening);
        QFETCH(QString, crew);
        QFETCH(int, year);
        auto window = ShownWindow(QDate(2023, 9, 15), settings);
        if (!chosen.isEmpty())
            ChooseAssignment(*window, chosen);
        if (picked.isValid()) {
            OpenTab(*window, ControlsOf(*window).calendarPage);
            PickDate(*window, picked);
        }
        QStringList crews;
        QString shownCrew;
        int shownYear = 0;
        const OnNextModal<PrintDialog> read([&](PrintDialog* dialog) {
            for (int i = 0; i < Find<QComboBox>(dialog, "crewBox")->count(); ++i)
                crews.append(Find<QComboBox>(dialog, "crewBox")->itemText(i));
            shownCrew = Find<QComboBox>(dialog, "crewBox")->currentText();
            shownYear = Find<QSpinBox>(dialog, "yearBox")->value();
            Click(dialog->findChild<QDialogButtonBox*>("buttonBox")
                      ->button(QDialogButtonBox::Cancel));
        });
        OpenPrinting(*window, opening);
        QTRY_VERIFY(read.happened());
        QCOMPARE(shownCrew, crew);
        QCOMPARE(shownYear, year);
        QCOMPARE(crews,
                 (QStringList{"1 SMT", "2 MTW", "3 TWT", "4 WTF", "5 TFS", "6 FSS", "7 SSM"}));
    }

    // The preview shows the page landscape on the locale's paper, and closes without printing.
    void previewShowsTheYear() {
        auto window = ShownWindow(QDate(2026, 12, 10), kCrew5);
        bool landscape = false;
        QPageSize::PageSizeId paper = QPageSize::A4;
        const OnNextModal<QPrintPreviewDialog> preview([&](QPrintPreviewDialog* dialog) {
            landscape = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
            paper = dialog->printer()->pageLayout().pageSize().id();
            dialog->reject();
        });
        const OnNextModal<PrintDialog> choose(
            [](PrintDialog* dialog) { Click(Find<QPushButton>(dialog, "previewButton")); });
        OpenPrinting(*window, Opening::PrintButton);
        QTRY_VERIFY(choose.happened());
        QTRY_VERIFY(preview.happened());
        QVERIFY(landscape);
        QCOMPARE(paper, QPageSize::Letter);
    }

    void paperFollowsTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::newRow("United States")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QPageSize::Letter;
        QTest::newRow("Canada, in French")
            << QLocale(QLocale::French, QLocale::Canada) << QPageSize::Letter;
        QTest::newRow("Mexico") << QLocale(QLocale::Spanish, QLocale::Mexico) << QPageSize::Letter;
        QTest::newRow("United Kingdom")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << QPageSize::A4;
        QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << QPageSize::A4;
        QTest::newRow("no territory") << QLocale::c() << QPageSize::A4;
    }
    void paperFollowsTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QPageSize::PageSizeId, paper);
        QCOMPARE(PaperFor(locale).id(), paper);
    }

    // Crew 5 TFS works Saturday January 2 2027 and is off on Friday the 1st; on grey paper the
    // two still differ plainly.
    void workDaysAreFilledCells() {
        const YearPage page = Crew5In2027();
        const QImage image = Drawn(page);
        QCOMPARE(CellColor(image, page, 1, 2), expected::Blue);
        QCOMPARE(CellColor(image, page, 1, 1), expected::White);
        QCOMPARE(CellColor(image, page, 12, 31), expected::White);
        QCOMPARE(CellColor(image, page, 12, 29), expected::Blue);
        const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(qAbs(qGray(CellColor(grey, page, 1, 2)) - qGray(CellColor(grey, page, 1, 1))) >
                128);
    }

    // Saturday January 2 stands in the last column of weeks from Sunday, one to the left in
    // weeks from Monday; in either it is drawn as a work day.
    void theWeekStartMovesTheColumns() {
        Settings monday;
        monday.weekStartsOnMonday = true;
        const YearPage sundayPage = Crew5In2027();
        const YearPage mondayPage = Crew5In2027(monday);
        const QRectF area(0, 0, 1403, 992);
        const QRectF fromSunday = YearDayCellRect(area, sundayPage, 1, 2);
        const QRectF fromMonday = YearDayCellRect(area, mondayPage, 1, 2);
        QCOMPARE(fromSunday.top(), fromMonday.top());
        QVERIFY(qAbs(fromSunday.left() - fromMonday.left() - fromSunday.width()) < 0.01);
        QCOMPARE(CellColor(Drawn(mondayPage), mondayPage, 1, 2), expected::Blue);
    }

    // In Arabic the sheet runs from the right: January heads the first row at the right end,
    // and within a week Sunday stands right of Saturday.
    void aRightToLeftSheetRunsFromTheRight() {
        const LocaleSettings arabic =
            CaptureLocaleSettings(QLocale(QLocale::Arabic, QLocale::Egypt));
        const YearPage page = YearPageForCrew(QStringLiteral("5 TFS"), 2027, Settings(), arabic,
                                              D(2026, 12, 10), DayChanges());
        const QRectF area(0, 0, 1403, 992);
        QVERIFY(YearDayCellRect(area, page, 1, 1).left() >
                YearDayCellRect(area, page, 4, 1).left());
        // January 3 2027 is a Sunday, January 2 the Saturday before it.
        QVERIFY(YearDayCellRect(area, page, 1, 3).left() >
                YearDayCellRect(area, page, 1, 2).left());
        QCOMPARE(CellColor(Drawn(page), page, 1, 2), expected::Blue);
    }

    void savesAPdf() {
        QTemporaryDir folder;
        const QString path = folder.filePath("year.pdf");
        QStringList errors;
        QWidget window;
        QVERIFY(SaveYearPdf(Crew5In2027(), QPageSize(QPageSize::A4), path, KeepingErrors(errors),
                            &window));
        QCOMPARE(errors, QStringList{});
        QVERIFY(ReadBack(path).startsWith("%PDF-"));
        QCOMPARE(Entries(folder.path()), QStringList{"year.pdf"});
    }

    void aFailedPdfWriteLeavesNoPartialFile_data() {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the temporary file cannot be made")
            << WriteStep::Open << "Permission denied";
        QTest::newRow("the disk fills halfway through")
            << WriteStep::Write << "No space left on device";
        QTest::newRow("the last of the buffer does not reach the disk")
            << WriteStep::Flush << "Input/output error";
        QTest::newRow("the temporary file cannot take the file's place")
            << WriteStep::Commit << "Operation not permitted";
    }
    void aFailedPdfWriteLeavesNoPartialFile() {
        QFETCH(WriteStep, step);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString kept = folder.filePath("kept.pdf");
        const QString fresh = folder.filePath("fresh.pdf");
        WritePlainFile(kept, "%PDF- an older year");
        QStringList errors;
        QWidget window;
        const Platform failing = KeepingErrors(errors, step);
        QVERIFY(!SaveYearPdf(Crew5In2027(), QPageSize(QPageSize::A4), kept, failing, &window));
        QVERIFY(!SaveYearPdf(Crew5In2027(), QPageSize(QPageSize::A4), fresh, failing, &window));
        QCOMPARE(errors, (QStringList{"Unable to write to " + kept + ": " + reason + ".",
                                      "Unable to write to " + fresh + ": " + reason + "."}));
        QCOMPARE(ReadBack(kept), QByteArray("%PDF- an older year"));
        QCOMPARE(Entries(folder.path()), QStringList{"kept.pdf"});
    }

    // Through the window: a failed write keeps the old file as it was, leaves nothing beside
    // it and says so.
    void saveAsPdfFromTheWindow_data() {
        QTest::addColumn<int>("failing"); // a WriteStep, or -1 for none
        QTest::addColumn<QString>("reason");
        QTest::newRow("written") << -1 << "";
        QTest::newRow("the temporary file cannot be made")
            << int(WriteStep::Open) << "Permission denied";
        QTest::newRow("the disk fills halfway through")
            << int(WriteStep::Write) << "No space left on device";
        QTest::newRow("the last of the buffer does not reach the disk")
            << int(WriteStep::Flush) << "Input/output error";
        QTest::newRow("the temporary file cannot take the file's place")
            << int(WriteStep::Commit) << "Operation not permitted";
    }
    void saveAsPdfFromTheWindow() {
        QFETCH(int, failing);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath("year.pdf");
        WritePlainFile(path, "%PDF- an older year");
        // The save dialog as the user answers it, having agreed to replace the file.
        auto offered = std::make_shared<QString>();
        WindowUnderTest window;
        window.adjustPlatform = [failing, path, offered](Platform& platform) {
            if (failing >= 0)
                platform.writeFault = [failing](WriteStep step) { return int(step) == failing; };
            platform.chooseSaveFile = [path, offered](QWidget*, const QString&,
                                                      const QString& proposed, const QString&) {
                *offered = proposed;
                return path;
            };
        };
        WriteSettingsFile(window, kCrew5);
        StartWindow(window, QDate(2026, 12, 10));

        SaveAsPdfFromTheWindow(*window);
        QVERIFY2(offered->endsWith("/Dutyloop 5 TFS 2026.pdf"), qPrintable(*offered));
        QCOMPARE(Entries(folder.path()), QStringList{"year.pdf"});
        // A file written is named under the Settings tab's buttons, and on the Print button,
        // where the focus comes back.
        const QString said =
            failing >= 0 ? QString() : "Duty year saved as " + QDir::toNativeSeparators(path);
        QCOMPARE(Find<QLabel>(ControlsOf(*window).settingsPage, "exportMessage")->text(), said);
        QCOMPARE(ControlsOf(*window).printButton->accessibleDescription(), said);
        if (failing >= 0) {
            QCOMPARE(*window.errors,
                     QStringList{"Unable to write to " + path + ": " + reason + "."});
            QCOMPARE(ReadBack(path), QByteArray("%PDF- an older year"));
        } else {
            QCOMPARE(*window.errors, QStringList{});
            QVERIFY(ReadBack(path).startsWith("%PDF-1."));
        }
    }

    // The Tab key goes round the whole dialog: the two fields, the three buttons, and back.
    void theTabKeyGoesRoundThePrintDialog() {
        auto window = ShownWindow(QDate(2026, 12, 10), kCrew5);
        QStringList reached;
        const OnNextModal<PrintDialog> walk([&](PrintDialog* dialog) {
            QPushButton* cancel =
                dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel);
            cancel->setObjectName(QStringLiteral("cancel"));
            Find<QComboBox>(dialog, "crewBox")->setFocus();
            for (int step = 0; step < 5; ++step) {
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
                reached.append(dialog->focusWidget()->objectName());
            }
            Click(cancel);
        });
        OpenPrinting(*window, Opening::CtrlP);
        QTRY_VERIFY(walk.happened());
        QCOMPARE(reached,
                 (QStringList{"yearBox", "previewButton", "pdfButton", "cancel", "crewBox"}));
    }

    void monthLabelTellsTheMonthsNumbers_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("nextMonths"); // clicks on the next-month arrow
        QTest::addColumn<QString>("told");
        QTest::newRow("5 TFS, December 2026") << kCrew5 << 0
                                              << "December 2026: 12 work days, 19 off\n"
                                                 "January to December 2026: 157 work days, 208 off";
        QTest::newRow("5 TFS, January 2027: the month is the year so far")
            << kCrew5 << 1 << "January 2027: 14 work days, 17 off";
        QTest::newRow("5 TFS, February 2027") << kCrew5 << 2
                                              << "February 2027: 12 work days, 16 off\n"
                                                 "January to February 2027: 26 work days, 33 off";
        QTest::newRow("the agency-wide entry: nothing to count") << QByteArray() << 0 << "";
    }
    void monthLabelTellsTheMonthsNumbers() {
        QFETCH(QByteArray, settings);
        QFETCH(int, nextMonths);
        QFETCH(QString, told);
        auto window = ShownWindow(QDate(2026, 12, 10), settings);
        const Controls w = ControlsOf(*window);
        OpenTab(*window, w.calendarPage);
        for (int i = 0; i < nextMonths; ++i)
            Click(w.nextMonth);
        QCOMPARE(w.monthLabel->toolTip(), told);
        QCOMPARE(w.monthLabel->accessibleDescription(), told);
    }
};

QTEST_MAIN(TestYearPrinting)
#include "test_year_printing.moc"
