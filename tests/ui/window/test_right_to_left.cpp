// The window laid out from the right: the grid, the keys, the Settings tab, the arrows and
// Help's picture, mirrored as a right-to-left reader expects.

#include "right_to_left.h"

#include "ui/about/svg_picture.h"

#include <QFontMetrics>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

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
