// Renders the pictures of the README from the real window, so they always show what the
// code draws: the Calendar and Settings tabs on a fixed day in a US English locale, with a few
// days changed by hand, and a crew's printed year as the printer and the PDF draw it. A locale
// such as de_DE draws the same in that language, for a translator to see the words in place.
//
//   dutyloop-screenshots <output folder> [scale [locale]]

#include "platform/day_changes_store.h"
#include "platform/file_services.h"
#include "platform/translations.h"
#include "ui/printing/year_page_painter.h"
#include "ui/printing/year_printing.h"
#include "ui/window/equal_tab_widget.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QBuffer>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A week of leave, a swap, an extra duty and a note in the month shown, and two weeks of leave
// in the printed year.
constexpr char kDaysFile[] =
    "[Days 5 TFS]\n"
    "2026-12-08=swapped;Swapped with Kim\n"
    "2026-12-12=extra;Covering for 3 TWT\n"
    "2026-12-14=leave;Family week\n"
    "2026-12-15=leave\n"
    "2026-12-16=leave\n"
    "2026-12-17=leave\n"
    "2026-12-18=leave\n"
    "2026-12-22=rostered;Dentist at 10\n"
    "2027-06-14=leave\n2027-06-15=leave\n2027-06-16=leave\n2027-06-17=leave\n2027-06-18=leave\n"
    "2027-06-21=leave\n2027-06-22=leave\n2027-06-23=leave\n2027-06-24=leave\n2027-06-25=leave\n";

bool WriteFile(const QString& path, const char* text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) >= 0;
}

// The picture as a PNG file, written as the program writes its files; on failure, says why.
bool SavePng(const QImage& picture, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const dutyloop::FileWrite write = picture.save(&buffer, "PNG")
                                          ? dutyloop::WriteFileAtomicallyWithReason(path, png)
                                          : dutyloop::FileWrite{};
    if (!write.written)
        qCritical("%s", qPrintable(dutyloop::UnableToWriteMessage(path, write.reason)));
    return write.written;
}

bool Save(QWidget& window, const QString& path) {
    return SavePng(window.grab().toImage(), path);
}

// The year of the window's crew on a sheet of A4's shape, 1400 pixels wide: a drawing of its
// own, the same at any density of the screen.
bool SaveYear(const dutyloop::MainWindow& window, const QLocale& locale, const QString& daysFile,
              const QString& path) {
    const QString crew = window.settings().assignment;
    const dutyloop::DaysFile days = dutyloop::ReadDaysFile(daysFile);
    const dutyloop::YearPage page = dutyloop::YearPageForCrew(
        crew, 2027, window.settings(), dutyloop::CaptureLocaleSettings(locale),
        (QDate(2026, 12, 10)),
        dutyloop::DayChangesUnder(days.changes.value_or(dutyloop::DayChangesBySection()), crew));
    QImage sheet(1400, 990, QImage::Format_RGB32);
    QPainter painter(&sheet);
    dutyloop::PaintYearPage(painter, QRectF(sheet.rect()), page);
    painter.end();
    return SavePng(sheet, path);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        qCritical("usage: dutyloop-screenshots <output folder> [scale [locale]]");
        return 2;
    }
    const QString scale = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("1");
    qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QLocale locale = argc > 3 ? QLocale(QString::fromLocal8Bit(argv[3]))
                                    : QLocale(QLocale::English, QLocale::UnitedStates);
    const dutyloop::Translations translations(locale);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QString suffix =
        scale == QLatin1String("1") ? QString() : QStringLiteral("@%1x").arg(scale);

    // Settings in a folder of its own, so the user's own never show and are never touched:
    // crew 5, whose calendar opens on today.
    QTemporaryDir settingsFolder;
    QDir().mkpath(settingsFolder.filePath(QStringLiteral("Halvorne/Dutyloop")));
    const QString daysFile =
        settingsFolder.filePath(QStringLiteral("Halvorne/Dutyloop/dutyloop-days.ini"));
    if (!WriteFile(settingsFolder.filePath(QStringLiteral("Halvorne/Dutyloop/dlTornvale.ini")),
                   "[Config]\nWorkAssign=5 TFS\n") ||
        !WriteFile(daysFile, kDaysFile))
        return 1;
    dutyloop::MainWindow window(
        dutyloop::FixedPlatform(QDate(2026, 12, 10), locale, settingsFolder.path()));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTabBar* tabs = window.findChild<dutyloop::EqualTabWidget*>()->tabBar();

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    bool ok = Save(window, folder + QStringLiteral("/settings%1.png").arg(suffix));
    if (argc > 3) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        ok = Save(window, folder + QStringLiteral("/help%1.png").arg(suffix)) && ok;
    }
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    ok = Save(window, folder + QStringLiteral("/calendar%1.png").arg(suffix)) && ok;
    if (suffix.isEmpty())
        ok = SaveYear(window, locale, daysFile, folder + QStringLiteral("/year.png")) && ok;
    return ok ? 0 : 1;
}
