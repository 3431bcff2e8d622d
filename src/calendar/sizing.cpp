#include "calendar/sizing.h"

#include <QtMath>
#include <algorithm>

namespace dutyloop {

namespace {
// Bands stack from the top; their edges are rounded from the fractional heights, so the
// bands tile the page without gaps.
int Edge(float position) {
    return qRound(position);
}
} // namespace

CalendarLayout LayoutForWindow(double windowHeight, QSize page) {
    CalendarLayout layout;
    const auto h = static_cast<float>(std::trunc(windowHeight));
    layout.toolbarHeight = h / 16.0f;
    layout.monthBandHeight = h / 10.0f;
    layout.weekdayBandHeight = h / 16.0f;

    const int width = page.width();
    const int monthTop = Edge(layout.toolbarHeight);
    const int daysTop = Edge(layout.toolbarHeight + layout.monthBandHeight);
    const int calendarTop =
        Edge(layout.toolbarHeight + layout.monthBandHeight + layout.weekdayBandHeight);
    layout.toolbar = QRect(0, 0, width, monthTop);
    layout.monthBand = QRect(0, monthTop, width, daysTop - monthTop);
    layout.weekdayBand = QRect(0, daysTop, width, calendarTop - daysTop);
    layout.calendar = QRect(0, calendarTop, width, std::max(0, page.height() - calendarTop));

    // A window too small for its bands leaves nothing to share out, never a negative size.
    const auto share = [](int length, float parts) {
        return std::max(0.0f, (static_cast<float>(length) - 0.1f) / parts);
    };
    layout.weekdayCellHeight = share(layout.weekdayBand.height(), 1.0f);
    layout.weekdayCellWidth = share(layout.weekdayBand.width(), 7.0f);
    layout.dayCellHeight = share(layout.calendar.height(), 7.0f);
    layout.footerHeight = layout.dayCellHeight;
    layout.dayCellWidth = share(layout.calendar.width(), 7.0f);

    const int footerHeight = std::clamp(Edge(layout.footerHeight), 0, layout.calendar.height());
    layout.grid = QRect(0, 0, width, layout.calendar.height() - footerHeight);
    layout.footer = QRect(0, layout.grid.height(), width, footerHeight);
    return layout;
}

QRect FlowItemRect(int index, float itemWidth, float itemHeight, int availableWidth) {
    const double width = itemWidth;
    const double height = itemHeight;
    int perRow = 1;
    while (perRow <= index && (perRow + 1) * width <= availableWidth)
        ++perRow;
    const int column = index % perRow;
    const int row = index / perRow;
    const int left = qRound(column * width);
    const int right = qRound((column + 1) * width);
    const int top = qRound(row * height);
    const int bottom = qRound((row + 1) * height);
    return {left, top, right - left, bottom - top};
}

float DayFontFactor(float gridHeightOverWidth) {
    if (gridHeightOverWidth > 1.45f)
        return 0.35f;
    if (gridHeightOverWidth > 1.3f)
        return 0.4f;
    if (gridHeightOverWidth > 1.15f)
        return 0.45f;
    return 0.48f;
}

FontSizes ComputeFontSizes(const CalendarLayout& layout) {
    FontSizes sizes;
    sizes.title = layout.toolbarHeight * 0.4f;
    sizes.month = layout.monthBandHeight * 0.48f;
    sizes.weekday = layout.weekdayCellHeight * 0.35f;
    // An empty grid has no shape; it takes the factor of a square one.
    const float ratio = layout.grid.width() > 0 ? static_cast<float>(layout.grid.height()) /
                                                      static_cast<float>(layout.grid.width())
                                                : 1.0f;
    sizes.day = layout.dayCellHeight * DayFontFactor(ratio);
    return sizes;
}

} // namespace dutyloop
