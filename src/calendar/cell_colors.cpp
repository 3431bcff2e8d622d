#include "calendar/cell_colors.h"

#include "schedule/rotation.h"

#include <algorithm>
#include <array>

namespace dutyloop {

namespace {

constexpr std::array<QRgb, 18> kDarkColors{
    0xFF000000, // Black
    0xFFFF0000, // Red
    0xFF0000FF, // Blue
    0xFF008000, // Green
    0xFF000080, // Navy
    0xFF800080, // Purple
    0xFF4B0082, // Indigo
    0xFF8B0000, // DarkRed
    0xFF00008B, // DarkBlue
    0xFF006400, // DarkGreen
    0xFF8A2BE2, // BlueViolet
    0xFFA52A2A, // Brown
    0xFFDC143C, // Crimson
    0xFF008B8B, // DarkCyan
    0xFF483D8B, // DarkSlateBlue
    0xFF2F4F4F, // DarkSlateGray
    0xFF808080, // Gray
    0xFF191970, // MidnightBlue
};

QRgb DutyColor(DutyCode code, const ColorSettings& colors) {
    switch (code) {
    case DutyCode::Work:
        return colors.work;
    case DutyCode::Off:
        return colors.off;
    case DutyCode::NoRotation:
        break;
    }
    // A selected day without rotation is marked like a neighbouring month's day, so the
    // selection stays visible without suggesting a duty.
    return colors.leadTrail;
}

} // namespace

QRgb ContrastTextColor(QRgb color) {
    return std::ranges::find(kDarkColors, color) != kDarkColors.end() ? colors::White
                                                                      : colors::Black;
}

QRgb BorderColorFor(QRgb fill) {
    return ContrastTextColor(fill) == colors::White ? colors::AliceBlue : colors::DimGray;
}

QRgb CaptionColorFor(QRgb color, QRgb background) {
    return color == background ? ContrastTextColor(background) : color;
}

QRgb LinkColorFor(QRgb background) {
    return background == colors::Blue ? colors::White : colors::Blue;
}

QRgb CellFillColor(int index, const CalendarView& view, const ColorSettings& colors) {
    const QDate date = view.cellDates[static_cast<std::size_t>(index)];
    return CellFillColor(index, view, colors, DutyCodeFor(date, view.anchorDate));
}

QRgb CellTextColor(QDate date, const CalendarView& view, const ColorSettings& colors) {
    return CellTextColor(date, view, colors, DutyCodeFor(date, view.anchorDate));
}

QRgb CellFillColor(int index, const CalendarView& view, const ColorSettings& colors,
                   DutyCode duty) {
    const QDate date = view.cellDates[static_cast<std::size_t>(index)];
    if (date != view.shownDate)
        return colors.background;
    return DutyColor(duty, colors);
}

QRgb CellTextColor(QDate date, const CalendarView& view, const ColorSettings& colors,
                   DutyCode duty) {
    if (date == view.shownDate)
        return ContrastTextColor(DutyColor(duty, colors));
    if (date.month() != view.shownDate.month())
        return colors.leadTrail;
    switch (duty) {
    case DutyCode::Work:
        return colors.work;
    case DutyCode::Off:
        return colors.off;
    case DutyCode::NoRotation:
        break;
    }
    // Days without rotation read as a plain calendar, apart from the neighbouring months.
    return ContrastTextColor(colors.background);
}

} // namespace dutyloop
