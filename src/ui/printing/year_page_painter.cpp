#include "ui/printing/year_page_painter.h"

#include "ui/parts/day_marks.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace dutyloop {

namespace {

// The page is laid out on a sheet 1000 units wide and as tall as the area's shape makes it.
constexpr double kSheetWidth = 1000.0;
constexpr double kMargin = 16.0;
constexpr double kTitleBand = 46.0;
constexpr double kFooterLine = 22.0;
constexpr int kFooterSize = 11;
// However many holidays a calendar of the user's own puts on duty, the months keep their room.
constexpr int kMostHolidayLines = 4;
constexpr double kGap = 18.0;
constexpr double kMonthTitle = 22.0;
constexpr double kWeekdayRow = 15.0;
constexpr double kCountRow = 17.0;
constexpr QRgb kInk = colors::Black;

double Scale(const QRectF& area) {
    return area.width() / kSheetWidth;
}

double SheetHeight(const QRectF& area) {
    return area.height() / Scale(area);
}

QTransform SheetToArea(const QRectF& area) {
    QTransform transform;
    transform.translate(area.left(), area.top());
    transform.scale(Scale(area), Scale(area));
    return transform;
}

QFont SheetFont(int pixelSize, bool bold = false) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // The same shapes at every size the sheet is scaled to.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The holidays on duty broken into lines between words, as many as the list needs up to
// kMostHolidayLines, the last of them cut short with "…" where even those are too few. The
// lines are a little narrower than the sheet, so that no printer's measure of the font puts a
// word past its edge.
QStringList HolidayLines(const YearPage& page) {
    const QString& text = page.holidaysOnDutyText;
    if (text.isEmpty())
        return {};
    const QFont font = SheetFont(kFooterSize);
    const double width = (kSheetWidth - 2 * kMargin) * 0.97;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(page.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == kMostHolidayLines)
            break;
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (layout.lineCount() > kMostHolidayLines) {
        const qsizetype cutFrom = layout.lineAt(kMostHolidayLines - 1).textStart();
        lines.last() = QFontMetricsF(font).elidedText(text.mid(cutFrom) + QChar(0x2026),
                                                      Qt::ElideRight, width);
    }
    return lines;
}

double HolidayLineSpacing() {
    return QFontMetricsF(SheetFont(kFooterSize)).lineSpacing();
}

// The year's count below the months, and the lines of holidays on duty below it where a region
// is chosen.
double FooterBand(const QStringList& holidayLines) {
    const auto lines = static_cast<double>(holidayLines.size());
    return lines == 0 ? kFooterLine : 2 * kFooterLine + (lines - 1) * HolidayLineSpacing();
}

// Four months to a row, three rows; in a right-to-left language the rows run from the right.
QRectF MonthBox(double sheetHeight, double footerBand, const YearPage& page, int index) {
    const bool rightToLeft = page.rightToLeft;
    const int column = rightToLeft ? 3 - index % 4 : index % 4;
    const double top = kMargin + kTitleBand;
    const double width = (kSheetWidth - 2 * kMargin - 3 * kGap) / 4;
    const double height = (sheetHeight - top - kMargin - footerBand - 2 * kGap) / 3;
    return {kMargin + column * (width + kGap), top + (index / 4) * (height + kGap), width, height};
}

double ColumnLeft(const QRectF& box, int column, bool rightToLeft) {
    return box.left() + (rightToLeft ? 6 - column : column) * box.width() / 7;
}

QRectF DayCell(const QRectF& box, const YearDay& day, bool rightToLeft) {
    const double height = (box.height() - kMonthTitle - kWeekdayRow - kCountRow) / 6;
    return {ColumnLeft(box, day.column, rightToLeft),
            box.top() + kMonthTitle + kWeekdayRow + day.row * height, box.width() / 7, height};
}

void DrawText(QPainter& painter, const QRectF& rect, int flags, const QString& text, int size,
              QRgb color, bool bold = false) {
    painter.setFont(SheetFont(size, bold));
    painter.setPen(QColor::fromRgba(color));
    painter.drawText(rect, flags | Qt::TextSingleLine, text);
}

// A work day's fill with a thin dark edge, so even a pale work colour shows on white paper.
void DrawWorkSwatch(QPainter& painter, const QRectF& rect, QRgb fill) {
    painter.setPen(QPen(QColor::fromRgba(kInk), 0.5));
    painter.setBrush(QColor::fromRgba(fill));
    painter.drawRect(rect);
    painter.setBrush(Qt::NoBrush);
}

void DrawTodayRing(QPainter& painter, const QRectF& rect) {
    painter.setPen(QPen(QColor::fromRgba(kInk), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void DrawDay(QPainter& painter, const QRectF& cell, const YearDay& day, const YearPage& page) {
    const QString& number = day.number;
    if (day.duty == DutyCode::Work) {
        DrawWorkSwatch(painter, cell.adjusted(1.5, 1.5, -1.5, -1.5), page.workFill);
        DrawText(painter, cell, Qt::AlignCenter, number, 11, page.workText, true);
    } else {
        const QRgb ink = day.duty == DutyCode::Off ? page.offText : kInk;
        DrawText(painter, cell, Qt::AlignCenter, number, 11, ink);
    }
    // As on the screen, so that a changed day shows in grey too.
    const QRectF inner = cell.adjusted(1.5, 1.5, -1.5, -1.5);
    PaintDayMarks(painter, inner, {day.changed, false, day.holiday},
                  QColor::fromRgba(day.duty == DutyCode::Work ? page.workText : kInk),
                  std::min(inner.width(), inner.height()) * 0.3, page.rightToLeft);
    if (day.today)
        DrawTodayRing(painter, cell);
}

// In some languages (Arabic) the short weekday names are the whole names, too wide for a column.
const std::array<QString, 7>& WeekdayLabelsThatFit(const QPainter& painter, double width,
                                                   const YearPage& page) {
    const QFontMetricsF metrics(SheetFont(9), painter.device());
    for (const QString& label : page.weekdayLabels) {
        if (metrics.horizontalAdvance(label) > width - 2.0)
            return page.narrowWeekdayLabels;
    }
    return page.weekdayLabels;
}

void DrawMonth(QPainter& painter, const QRectF& box, const YearMonth& month, const YearPage& page) {
    DrawText(painter, QRectF(box.left(), box.top(), box.width(), kMonthTitle), Qt::AlignCenter,
             month.title, 14, kInk, true);
    const std::array<QString, 7>& labels = WeekdayLabelsThatFit(painter, box.width() / 7, page);
    for (int column = 0; column < 7; ++column) {
        const QRectF label(ColumnLeft(box, column, page.rightToLeft), box.top() + kMonthTitle,
                           box.width() / 7, kWeekdayRow);
        DrawText(painter, label, Qt::AlignCenter, labels[static_cast<std::size_t>(column)], 9,
                 colors::DimGray);
    }
    for (const YearDay& day : month.days)
        DrawDay(painter, DayCell(box, day, page.rightToLeft), day, page);
    DrawText(painter, QRectF(box.left(), box.bottom() - kCountRow, box.width(), kCountRow),
             Qt::AlignCenter, month.countText, 10, kInk);
}

// Where `rect` stands when the sheet runs from the right.
QRectF Mirrored(const QRectF& rect, bool rightToLeft) {
    return rightToLeft ? QRectF(kSheetWidth - rect.right(), rect.top(), rect.width(), rect.height())
                       : rect;
}

// The legend stands at the end of the title band, its entries towards the title.
void DrawLegend(QPainter& painter, const YearPage& page) {
    const QFontMetricsF metrics(SheetFont(11), painter.device());
    constexpr double kSwatch = 14.0;
    const double middle = kMargin + 14.0;
    double right = kSheetWidth - kMargin;
    const auto entry = [&](const QString& text) {
        const double width = metrics.horizontalAdvance(text) + 2.0;
        DrawText(painter, Mirrored(QRectF(right - width, middle - 10, width, 20), page.rightToLeft),
                 Qt::AlignLeft | Qt::AlignVCenter, text, 11, kInk);
        right -= width + 6.0 + kSwatch;
        const QRectF swatch(right, middle - kSwatch / 2, kSwatch, kSwatch);
        right -= 18.0;
        return Mirrored(swatch, page.rightToLeft);
    };
    if (!page.changedLegend.isEmpty()) {
        const QRectF swatch = entry(page.changedLegend);
        painter.setPen(QPen(QColor::fromRgba(kInk), 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch);
        PaintDayMarks(painter, swatch, {true, false}, QColor::fromRgba(kInk), swatch.width() * 0.45,
                      page.rightToLeft);
    }
    if (!page.holidayLegend.isEmpty()) {
        const QRectF swatch = entry(page.holidayLegend);
        painter.setPen(QPen(QColor::fromRgba(kInk), 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch);
        PaintDayMarks(painter, swatch, {false, false, true}, QColor::fromRgba(kInk),
                      swatch.width() * 0.45, page.rightToLeft);
    }
    if (!page.todayLegend.isEmpty())
        DrawTodayRing(painter, entry(page.todayLegend));
    const QRectF off = entry(page.offLegend);
    DrawText(painter, off, Qt::AlignCenter, QStringLiteral("7"), 11, page.offText);
    DrawWorkSwatch(painter, entry(page.workLegend), page.workFill);
}

} // namespace

void PaintYearPage(QPainter& painter, const QRectF& area, const YearPage& page) {
    if (area.width() <= 0 || area.height() <= 0)
        return;
    painter.save();
    painter.setTransform(SheetToArea(area), true);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(page.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const double height = SheetHeight(area);
    painter.fillRect(QRectF(0, 0, kSheetWidth, height), Qt::white);
    DrawText(painter, Mirrored(QRectF(kMargin, kMargin, kSheetWidth * 0.6, 28), page.rightToLeft),
             Qt::AlignLeft | Qt::AlignVCenter, page.title, 22, kInk, true);
    DrawLegend(painter, page);
    const QStringList holidayLines = HolidayLines(page);
    const double footerBand = FooterBand(holidayLines);
    for (std::size_t i = 0; i < page.months.size(); ++i)
        DrawMonth(painter, MonthBox(height, footerBand, page, static_cast<int>(i)), page.months[i],
                  page);
    const double footerTop = height - kMargin - footerBand;
    DrawText(painter, QRectF(kMargin, footerTop, kSheetWidth - 2 * kMargin, kFooterLine),
             Qt::AlignLeft | Qt::AlignBottom, page.countText, kFooterSize, kInk);
    double lineTop = footerTop + kFooterLine;
    double lineHeight = kFooterLine;
    for (const QString& line : holidayLines) {
        DrawText(painter, QRectF(kMargin, lineTop, kSheetWidth - 2 * kMargin, lineHeight),
                 Qt::AlignLeft | Qt::AlignBottom, line, kFooterSize, kInk);
        lineTop += lineHeight;
        lineHeight = HolidayLineSpacing();
    }
    painter.restore();
}

QRectF YearDayCellRect(const QRectF& area, const YearPage& page, int month, int day) {
    if (month < 1 || month > 12 || area.width() <= 0)
        return {};
    const YearMonth& shown = page.months[static_cast<std::size_t>(month - 1)];
    if (day < 1 || day > static_cast<int>(shown.days.size()))
        return {};
    const QRectF box = MonthBox(SheetHeight(area), FooterBand(HolidayLines(page)), page, month - 1);
    return SheetToArea(area).mapRect(
        DayCell(box, shown.days[static_cast<std::size_t>(day - 1)], page.rightToLeft));
}

bool PrintYearPage(QPagedPaintDevice& device, const YearPage& page) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintYearPage(painter, QRectF(0, 0, device.width(), device.height()), page);
    return painter.end();
}

} // namespace dutyloop
