#include "window_fixture.h"

#include "ui/about/svg_picture.h"
#include "ui/settings/export_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRegularExpression>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

WindowUnderTest RightToLeftWindow(const QLocale& locale, QDate today = QDate(2023, 10, 15)) {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    // With a crew, the window opens on the calendar, where the keys walk the days; without
    // one it opens on the crew list, which takes them.
    WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
    // 1 October 2023 is a Sunday: the first cell of the grid, weeks starting on Sunday.
    StartWindow(window, today);
    return window;
}

const QLocale kArabic(QLocale::Arabic, QLocale::Egypt);
const QLocale kHebrew(QLocale::Hebrew, QLocale::Israel);

// The text between LEFT-TO-RIGHT ISOLATE and POP DIRECTIONAL ISOLATE.
QString Isolated(const QString& run) {
    return QChar(0x2066) + run + QChar(0x2069);
}

// A number in Arabic-Indic digits, written out by hand: U+0660 is zero.
QString ArabicIndic(const char* latin) {
    QString digits;
    for (const char* c = latin; *c; ++c)
        digits += QChar(0x0660 + (*c - '0'));
    return digits;
}

// The Help tab's picture, by default at its own size of 330 by 438, one pixel a unit.
QImage HelpPicture(Qt::LayoutDirection direction, QSize size = QSize(330, 438),
                   QColor background = Qt::white) {
    SvgPicture picture(nullptr);
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Window, background);
    picture.setPalette(palette);
    picture.setAutoFillBackground(true);
    picture.setSource(QStringLiteral(":/pictures/help.svg"));
    picture.setMirroredRightToLeft(true);
    picture.setLayoutDirection(direction);
    picture.resize(size);
    return picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The largest difference of a colour channel between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// The mean difference of the colour channels of two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b) {
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * a.width() * a.height());
}

// Presses Export on the Settings tab and takes the dialog's proposal with OK.
void ExportAsProposed(MainWindow& window) {
    OpenTab(window, ControlsOf(window).settingsPage);
    const OnNextModal<ExportDialog> accept([](ExportDialog* dialog) {
        Click(Find<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok));
    });
    Click(ControlsOf(window).exportButton);
    QVERIFY(accept.happened());
}

// The text the window shows or says at `where`.
QString TextAt(MainWindow& window, const QString& where) {
    const Controls c = ControlsOf(window);
    if (where == "title")
        return c.title->text();
    if (where == "month counts")
        return c.monthLabel->toolTip();
    // 1 September 2023, whose tooltip names the crews on duty that day.
    const CellLook& day = window.monthPage().cells[5];
    if (where == "a day's tooltip")
        return day.date == QDate(2023, 9, 1) ? day.toolTip : QString();
    if (where == "who is on duty, to a screen reader")
        return day.date == QDate(2023, 9, 1) ? day.accessibleDescription : QString();
    if (where == "the duty's start, to a screen reader")
        return Find<QWidget>(c.settingsPage, "dutyStartField")->accessibleName();
    ExportAsProposed(window);
    return Find<QLabel>(c.settingsPage, "exportMessage")->text();
}

} // namespace

class TestRightToLeft : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }

    void gridRunsFromTheRight_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("Hebrew") << QLocale(QLocale::Hebrew, QLocale::Israel);
    }
    void gridRunsFromTheRight() {
        QFETCH(QLocale, locale);
        auto window = RightToLeftWindow(locale);
        MonthView* view = ControlsOf(*window).monthView;
        const QRect firstWeekday = view->weekdayRect(0);
        // A click at the top right corner of the grid picks the week's first day.
        const QPoint topRight(view->width() - 3, firstWeekday.bottom() + 4);
        QTest::mouseClick(view, Qt::LeftButton, {}, topRight);
        QCOMPARE(window->monthPage().selectedDate, D(2023, 10, 1));
        // The week's first name heads that column, and the seventh the leftmost one.
        QVERIFY(firstWeekday.contains(QPoint(view->width() - 3, firstWeekday.center().y())));
        QVERIFY(view->weekdayRect(6).contains(QPoint(2, firstWeekday.center().y())));
    }

    // The arrows follow the picture: the day to the left of 15 October is the 16th.
    void arrowsFollowTheMirroredGrid_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("after");
        QTest::newRow("Left: the next day") << int(Qt::Key_Left) << QDate(2023, 10, 16);
        QTest::newRow("Right: the day before") << int(Qt::Key_Right) << QDate(2023, 10, 14);
        QTest::newRow("Down: a week on, as ever") << int(Qt::Key_Down) << QDate(2023, 10, 22);
    }
    void arrowsFollowTheMirroredGrid() {
        QFETCH(int, key);
        QFETCH(QDate, after);
        auto window = RightToLeftWindow(QLocale(QLocale::Hebrew, QLocale::Israel));
        QTest::keyClick(KeyTarget(*window), static_cast<Qt::Key>(key));
        QCOMPARE(window->view().shownDate, after);
    }

    void weekdayNamesStandApart_data() { gridRunsFromTheRight_data(); }
    void weekdayNamesStandApart() {
        QFETCH(QLocale, locale);
        auto window = RightToLeftWindow(locale);
        MonthView* view = ControlsOf(*window).monthView;
        const QFontMetrics metrics(view->weekdayFont());
        const auto& labels = view->shownWeekdayLabels();
        for (int column = 0; column < 7; ++column) {
            const QString& label = labels[static_cast<std::size_t>(column)];
            QVERIFY(!label.isEmpty());
            // Room of at least a letter's width is left between two names.
            QVERIFY2(metrics.horizontalAdvance(label) + metrics.averageCharWidth() <=
                         view->weekdayRect(column).width(),
                     qPrintable(label));
        }
    }

    // The Settings tab reads from the right as a whole: each label at the right edge with its
    // control to its left, the colour row starting with Work at the right.
    void settingsTabIsMirrored() {
        auto window = RightToLeftWindow(QLocale(QLocale::Hebrew, QLocale::Israel));
        const Controls controls = ControlsOf(*window);
        OpenTab(*window, controls.settingsPage);
        const auto inPage = [&controls](const QWidget* widget) {
            return QRect(widget->mapTo(controls.settingsPage, QPoint(0, 0)), widget->size());
        };
        const int pageRight = controls.settingsPage->width();
        QCOMPARE(pageRight - inPage(controls.assignmentLabel).right() - 1, 16);
        QVERIFY(inPage(controls.assignment).right() < inPage(controls.assignmentLabel).left());
        QVERIFY(inPage(controls.weekStart).right() < inPage(controls.weekStartLabel).left());
        QCOMPARE(pageRight - inPage(controls.workColor).right() - 1, 16);
        const QWidget* fromTheRight[] = {controls.workColor, controls.offColor,
                                         controls.leadTrailColor, controls.backgroundColor};
        for (int i = 1; i < 4; ++i)
            QCOMPARE(inPage(fromTheRight[i]).right(), inPage(fromTheRight[i - 1]).left());
        // The switch is off, and its white knob at the start of the line: the right.
        QVERIFY(!controls.weekStart->isChecked());
        const QImage knob = controls.weekStart->grab().toImage();
        int whiteLeft = 0;
        int whiteRight = 0;
        for (int y = 0; y < knob.height(); ++y) {
            for (int x = 0; x < knob.width(); ++x) {
                if (knob.pixel(x, y) == qRgb(255, 255, 255))
                    ++(x < knob.width() / 2 ? whiteLeft : whiteRight);
            }
        }
        QVERIFY2(whiteRight > 10 * std::max(whiteLeft, 1),
                 qPrintable(QStringLiteral("%1 left, %2 right").arg(whiteLeft).arg(whiteRight)));
    }

    // Each arrow points the way its button goes: in a mirrored window the earlier months lie
    // to the right, and Back leads to the right too.
    void arrowsPointTheWayTheyGo() {
        auto window = RightToLeftWindow(QLocale(QLocale::Hebrew, QLocale::Israel));
        const Controls c = ControlsOf(*window);
        const auto picture = [](const QIcon& icon) { return icon.pixmap(24, 24).toImage(); };
        const QIcon pointingRight(QStringLiteral(":/pictures/arrow-right.svg"));
        const QIcon pointingLeft(QStringLiteral(":/pictures/arrow-left.svg"));
        QVERIFY(c.previousMonth->geometry().center().x() > c.nextMonth->geometry().center().x());
        QCOMPARE(picture(c.previousMonth->icon()), picture(pointingRight));
        QCOMPARE(picture(c.nextMonth->icon()), picture(pointingLeft));
        QCOMPARE(c.settingsBack->arrowType(), Qt::RightArrow);
        QCOMPARE(c.helpBack->arrowType(), Qt::RightArrow);
        QCOMPARE(c.aboutBack->arrowType(), Qt::RightArrow);
    }

    // One kind of digits in a window: the grid, the date field, the status line, the month's
    // name and its counts all write numbers alike, Arabic-Indic in Arabic and Latin in Hebrew;
    // and the date field keeps the date's parts in the locale's order, the day first.
    void digitsAndDatesAsTheLocaleWrites_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dayNumber");
        QTest::newRow("Arabic") << kArabic << ArabicIndic("15");
        QTest::newRow("Hebrew") << kHebrew << "15";
    }
    void digitsAndDatesAsTheLocaleWrites() {
        QFETCH(QLocale, locale);
        QFETCH(QString, dayNumber);
        auto window = RightToLeftWindow(locale);
        const Controls c = ControlsOf(*window);
        QCOMPARE(window->monthPage().cells[14].text, dayNumber); // 15 October 2023
        const QString written = locale.toString(QDate(2023, 10, 15), c.dateField->displayFormat());
        QCOMPARE(c.dateField->text(), written);
        QVERIFY2(c.dateField->text().startsWith(dayNumber), qPrintable(c.dateField->text()));
        // Three months on, the month's name carries its year.
        for (int month = 0; month < 3; ++month)
            Click(c.nextMonth);
        QCOMPARE(window->view().shownDate.year(), 2024);
        const bool arabic = dayNumber != "15";
        static const QRegularExpression latin(QStringLiteral("[0-9]"));
        static const QRegularExpression arabicIndic(QStringLiteral("[\\x{0660}-\\x{0669}]"));
        const QRegularExpression& other = arabic ? latin : arabicIndic;
        const QRegularExpression& own = arabic ? arabicIndic : latin;
        const std::pair<const char*, QString> texts[] = {
            {"date field", c.dateField->text()}, {"status line", c.status->text()},
            {"month", c.monthLabel->text()},     {"month, spoken", c.monthLabel->accessibleName()},
            {"counts", c.monthLabel->toolTip()}, {"a day", window->monthPage().cells[10].text}};
        for (const auto& [where, text] : texts) {
            QVERIFY2(text.contains(own) && !text.contains(other),
                     qPrintable(QStringLiteral("%1: %2").arg(where, text)));
        }
    }

    // A crew's name, a count and a path each stay one left-to-right run among the words of a
    // right-to-left window: "5 TFS" never shows as "TFS 5", nor "12 work days" as "work days 12".
    // Crew 5 TFS works 12 days of December 2026 and 157 from January; 5 TFS, 6 FSS and 7 SSM work
    // on 1 September 2023 (counted by hand from the rotation's table).
    void crewsAndNumbersStayWhole_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("runs"); // each in the text, isolated
        const QDate december(2026, 12, 10);
        const QDate september(2023, 9, 15);
        QTest::newRow("the title") << kArabic << december << "title" << QStringList{"5 TFS"};
        QTest::newRow("the month's counts, Arabic digits")
            << kArabic << december << "month counts"
            << QStringList{ArabicIndic("12"), ArabicIndic("19"), ArabicIndic("157"),
                           ArabicIndic("208")};
        QTest::newRow("the month's counts, Latin digits")
            << kHebrew << december << "month counts" << QStringList{"12", "19", "157", "208"};
        QTest::newRow("a day's tooltip")
            << kHebrew << september << "a day's tooltip" << QStringList{"5 TFS", "6 FSS", "7 SSM"};
        QTest::newRow("who is on duty, to a screen reader")
            << kArabic << september << "who is on duty, to a screen reader"
            << QStringList{"5 TFS", "6 FSS", "7 SSM"};
        QTest::newRow("the duty's start, to a screen reader")
            << kHebrew << december << "the duty's start, to a screen reader"
            << QStringList{"5 TFS"};
        // 57 runs of work days for twelve months from September 2023, counted by hand.
        QTest::newRow("the file an export wrote")
            << kHebrew << september << "export" << QStringList{"57", "<config>/Dutyloop 5 TFS.ics"};
    }
    void crewsAndNumbersStayWhole() {
        QFETCH(QLocale, locale);
        QFETCH(QDate, today);
        QFETCH(QString, where);
        QFETCH(QStringList, runs);
        auto window = RightToLeftWindow(locale, today);
        const QString text = TextAt(*window, where);
        for (QString run : runs) {
            run.replace("<config>", window.configFolder->path());
            QVERIFY2(text.contains(Isolated(run)), qPrintable(text));
        }
        // Nothing else is isolated: each mark opens one of the runs above and is closed.
        QCOMPARE(text.count(QChar(0x2066)), runs.size());
        QCOMPARE(text.count(QChar(0x2069)), runs.size());
    }

    // Where the window reads from left to right, the same texts carry no marks.
    void noMarksLeftToRight() {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        WindowUnderTest window;
        window.adjustPlatform = [](Platform& platform) { platform.locale = kArabic; };
        WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
        StartWindow(window, QDate(2023, 9, 15));
        for (const char* where : {"title", "month counts", "a day's tooltip"}) {
            const QString text = TextAt(*window, where);
            QVERIFY2(!text.contains(QChar(0x2066)) && !text.contains(QChar(0x2069)),
                     qPrintable(text));
        }
    }

    // Help's picture of the Settings tab mirrors as the tab does: the switch at the left, the
    // drop-down's arrow at its left end; yet "Save" still reads "Save", not its mirror image.
    void helpPictureMirrorsItsDrawingNotItsWords() {
        const QImage ltr = HelpPicture(Qt::LeftToRight);
        const QImage rtl = HelpPicture(Qt::RightToLeft);
        // The switch, at x 244 to 290 drawn from the left, lies at 40 to 86 from the right.
        const QImage switchLtr = ltr.copy(244, 185, 46, 24);
        const QImage switchRtl = rtl.copy(40, 185, 46, 24);
        QVERIFY(LargestDifference(switchLtr.mirrored(true, false), switchRtl) <= 8);
        QVERIFY(LargestDifference(switchLtr, switchRtl) > 40);
        // The word inside the Save button, at 214 to 302 drawn from the left.
        const QImage saveLtr = ltr.copy(214, 92, 88, 24);
        const QImage saveRtl = rtl.copy(28, 92, 88, 24);
        QVERIFY(LargestDifference(saveLtr, saveRtl) <= 8);
        QVERIFY(LargestDifference(saveLtr.mirrored(true, false), saveRtl) > 100);

        // The Help tab of a right-to-left window shows it so, in its own words.
        auto window = RightToLeftWindow(kHebrew);
        OpenTab(*window, ControlsOf(*window).helpPage);
        auto* picture = Find<SvgPicture>(ControlsOf(*window).helpPage, "helpPicture");
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The tab fits its translated captions, which may set a word a little smaller.
        const QColor background = shown.pixelColor(0, 0);
        const double fromMirrored =
            MeanDifference(shown, HelpPicture(Qt::RightToLeft, picture->size(), background));
        const double fromUnmirrored =
            MeanDifference(shown, HelpPicture(Qt::LeftToRight, picture->size(), background));
        QVERIFY2(fromMirrored * 10 < fromUnmirrored,
                 qPrintable(QStringLiteral("%1 %2").arg(fromMirrored).arg(fromUnmirrored)));
    }
};

QTEST_MAIN(TestRightToLeft)
#include "test_right_to_left.moc"
