#pragma once

#include <QRect>
#include <QSize>

namespace dutyloop {

// The Calendar tab's sizes: the three bands over the grid take fixed fractions of the window's
// height; the grid's six rows and the footer share the rest in seven equal rows. Starts at the
// sizes of the window's design.
struct CalendarLayout {
    float toolbarHeight = 44.0f;     // the buttons and the date field at the top
    float monthBandHeight = 48.0f;   // the month's name between its arrows
    float weekdayBandHeight = 50.0f; // the weekdays' names over the grid
    float weekdayCellWidth = 54.0f;  // one weekday's name
    float weekdayCellHeight = 48.0f;
    float dayCellWidth = 54.0f; // one day of the grid
    float dayCellHeight = 54.0f;
    float footerHeight = 45.0f; // the status line under the grid

    // Whole-pixel geometry within the tab page.
    QRect toolbar;
    QRect monthBand;
    QRect weekdayBand;
    QRect calendar; // everything under the weekday band: the grid and the footer
    QRect grid;     // the six rows of days, within calendar
    QRect footer;   // within calendar, under the grid
};

// windowHeight is the window's outer height; only its whole part counts.
CalendarLayout LayoutForWindow(double windowHeight, QSize page);

// Where item `index` of a grid of equal items lies: left to right in rows, a new row when the
// next item would pass `availableWidth` (a row holds at least one), each edge rounded from its
// fractional position so that an item ends exactly where the next begins.
QRect FlowItemRect(int index, float itemWidth, float itemHeight, int availableWidth);

struct FontSizes {
    float title = 0.0f;
    float month = 0.0f;
    float weekday = 0.0f;
    float day = 0.0f;
    friend bool operator==(const FontSizes&, const FontSizes&) = default;
};

// The taller and narrower the grid, the smaller the day numbers against the cell height.
float DayFontFactor(float gridHeightOverWidth);

FontSizes ComputeFontSizes(const CalendarLayout& layout);

inline float LegendFontSize(float dayFontSize) {
    return dayFontSize * 0.75f;
}
inline float StatusFontSize(float footerHeight) {
    return footerHeight * 0.24f;
}

} // namespace dutyloop
