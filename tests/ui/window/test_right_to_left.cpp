#include "window_fixture.h"

#include <QFontMetrics>
#include <QGuiApplication>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

WindowUnderTest RightToLeftWindow(const QLocale& locale) {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    // With a crew, the window opens on the calendar, where the keys walk the days; without
    // one it opens on the crew list, which takes them.
    WriteSettingsFile(window, "[Config]\nWorkAssign=5 TFS\n");
    // 1 October 2023 is a Sunday: the first cell of the grid, weeks starting on Sunday.
    StartWindow(window, QDate(2023, 10, 15));
    return window;
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
    }

    // One kind of digits in a window: the grid and the date field write the day alike; and the
    // date field keeps the date's parts in the locale's order, the day first.
    void digitsAndDatesAsTheLocaleWrites_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dayNumber");
        QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt)
                                << QString::fromUtf8("١٥");
        QTest::newRow("Hebrew") << QLocale(QLocale::Hebrew, QLocale::Israel) << "15";
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
    }
};

QTEST_MAIN(TestRightToLeft)
#include "test_right_to_left.moc"
