#include "calendar/sizing.h"

#include <QTest>

#include <cmath>

using namespace dutyloop;

class TestSizing : public QObject {
    Q_OBJECT
private slots:
    void flowItemRects_data() {
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<float>("itemWidth");
        QTest::addColumn<float>("itemHeight");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("perRow");
        QTest::addColumn<int>("rowRight");   // right edge of a full row
        QTest::addColumn<int>("gridBottom"); // bottom edge of the last row
        QTest::newRow("calendar: 47.7 wide, 7 a row, 42 cells in 6 rows")
            << 334 << 47.7f << 40.5f << 42 << 7 << 334 << 243;
        QTest::newRow("an exact fit counts: 7 of 48 in 336")
            << 336 << 48.0f << 30.0f << 10 << 7 << 336 << 60;
        QTest::newRow("a pixel short: 6 of 48 in 335")
            << 335 << 48.0f << 30.0f << 13 << 6 << 288 << 90;
        QTest::newRow("thirds: 3 of 33.3 in 100, heights of 12.25")
            << 100 << 33.3f << 12.25f << 7 << 3 << 100 << 37;
        QTest::newRow("narrower than a cell: one a row")
            << 30 << 50.0f << 20.0f << 3 << 1 << 50 << 60;
    }
    // Items flow left to right and wrap when the next would pass the width; each edge is
    // rounded from its fractional position, so an item ends where the next begins.
    void flowItemRects() {
        QFETCH(int, gridWidth);
        QFETCH(float, itemWidth);
        QFETCH(float, itemHeight);
        QFETCH(int, count);
        QFETCH(int, perRow);
        QFETCH(int, rowRight);
        QFETCH(int, gridBottom);
        for (int i = 0; i < count; ++i) {
            const QRect cell = FlowItemRect(i, itemWidth, itemHeight, gridWidth);
            const int column = i % perRow;
            const QByteArray where = "item " + QByteArray::number(i);
            QVERIFY2(std::abs(cell.width() - double{itemWidth}) < 1.0, where);
            QVERIFY2(std::abs(cell.height() - double{itemHeight}) < 1.0, where);
            if (column == 0) {
                QVERIFY2(cell.left() == 0, where);
                const int top =
                    i == 0
                        ? 0
                        : FlowItemRect(i - perRow, itemWidth, itemHeight, gridWidth).bottom() + 1;
                QVERIFY2(cell.top() == top, where);
            } else {
                const QRect before = FlowItemRect(i - 1, itemWidth, itemHeight, gridWidth);
                QVERIFY2(cell.left() == before.right() + 1, where);
                QVERIFY2(cell.top() == before.top(), where);
            }
            if (column == perRow - 1)
                QVERIFY2(cell.right() + 1 == rowRight, where);
        }
        QCOMPARE(FlowItemRect(count - 1, itemWidth, itemHeight, gridWidth).bottom() + 1,
                 gridBottom);
    }

    void bandsAt640() {
        const CalendarLayout layout = LayoutForWindow(640, QSize(334, 552));
        QCOMPARE(layout.toolbarHeight, 40.0f);
        QCOMPARE(layout.monthBandHeight, 64.0f);
        QCOMPARE(layout.weekdayBandHeight, 40.0f);
        QCOMPARE(layout.weekdayCellHeight, 39.9f);
        QCOMPARE(layout.weekdayCellWidth, 47.7f);
        QCOMPARE(layout.calendar.top(), 144);
        QCOMPARE(layout.calendar.height(), 408);

        const FontSizes fonts = ComputeFontSizes(layout);
        QCOMPARE(fonts.title, 16.0f);
        QCOMPARE(fonts.month, 30.72f);
        QCOMPARE(fonts.weekday, 13.965f);
    }

    void heightIsTruncated() {
        const CalendarLayout layout = LayoutForWindow(640.9, QSize(334, 552));
        QCOMPARE(layout.toolbarHeight, 40.0f);
        QCOMPARE(layout.monthBandHeight, 64.0f);
    }

    void grid_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<float>("cellWidth");
        QTest::addColumn<float>("cellHeight");
        QTest::addColumn<float>("dayFont");
        // The area under the bands holds seven rows, the grid's six and the footer, and is as
        // wide as seven cells; 0.1 pixel is kept free so that rounding never overflows.
        QTest::newRow("334 x 408: ratio a little above 1.04, font 0.48 of the cell")
            << 334 << 408 << 47.7f << 58.2714286f << 27.9702857f;
        QTest::newRow("300 x 600: ratio a little above 1.71, font 0.35 of the cell")
            << 300 << 600 << 42.8428571f << 85.7f << 29.995f;
    }
    void grid() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(float, cellWidth);
        QFETCH(float, cellHeight);
        QFETCH(float, dayFont);
        // A window 640 high has its bands end at 40 + 64 + 40 = 144.
        const CalendarLayout layout = LayoutForWindow(640, QSize(width, 144 + height));
        QCOMPARE(layout.dayCellHeight, cellHeight);
        QCOMPARE(layout.dayCellWidth, cellWidth);
        QCOMPARE(layout.footerHeight, cellHeight);
        QCOMPARE(layout.grid.width(), width);
        QCOMPARE(layout.grid.height() + layout.footer.height(), height);
        QCOMPARE(layout.footer.top(), layout.grid.bottom() + 1);
        const FontSizes fonts = ComputeFontSizes(layout);
        QCOMPARE(fonts.day, dayFont);
    }

    void factorThresholdsAreStrict_data() {
        QTest::addColumn<float>("ratio");
        QTest::addColumn<float>("factor");
        QTest::newRow("above 1.45") << 1.46f << 0.35f;
        QTest::newRow("exactly 1.45") << 1.45f << 0.4f;
        QTest::newRow("between 1.3 and 1.45") << 1.4f << 0.4f;
        QTest::newRow("exactly 1.3") << 1.3f << 0.45f;
        QTest::newRow("exactly 1.15") << 1.15f << 0.48f;
        QTest::newRow("just above 1.15") << 1.151f << 0.45f;
        QTest::newRow("square") << 1.0f << 0.48f;
    }
    void factorThresholdsAreStrict() {
        QFETCH(float, ratio);
        QFETCH(float, factor);
        QCOMPARE(DayFontFactor(ratio), factor);
    }

    void statusAndLegendFonts_data() {
        QTest::addColumn<float>("footer");
        QTest::addColumn<float>("status");
        QTest::newRow("footer 45") << 45.0f << 10.8f;
        QTest::newRow("footer 60") << 60.0f << 14.4f;
    }
    void statusAndLegendFonts() {
        QFETCH(float, footer);
        QFETCH(float, status);
        QCOMPARE(StatusFontSize(footer), status);
        QCOMPARE(LegendFontSize(40.0f), 30.0f);
    }

    void widerWindowKeepsTheBands() {
        const CalendarLayout narrow = LayoutForWindow(640, QSize(334, 552));
        const CalendarLayout wide = LayoutForWindow(640, QSize(900, 552));
        QCOMPARE(wide.toolbar.height(), narrow.toolbar.height());
        QCOMPARE(wide.monthBand.height(), narrow.monthBand.height());
        QCOMPARE(wide.dayCellHeight, narrow.dayCellHeight);
        QVERIFY(wide.dayCellWidth > narrow.dayCellWidth);
    }

    // A window too small for its bands still gives sizes that are neither negative nor NaN.
    void tinyWindow() {
        const CalendarLayout layout = LayoutForWindow(100, QSize(10, 20));
        QVERIFY(layout.calendar.height() >= 0);
        QVERIFY(layout.grid.height() >= 0);
        QCOMPARE(layout.dayCellHeight, 0.0f);
        QCOMPARE(layout.footerHeight, 0.0f);
        const FontSizes fonts = ComputeFontSizes(layout);
        QCOMPARE(fonts.day, 0.0f);
        QVERIFY(fonts.weekday >= 0.0f);
    }
};

QTEST_APPLESS_MAIN(TestSizing)
#include "test_sizing.moc"
