#include "calendar/header_texts.h"

#include "calendar/isolated_runs.h"

#include <QCoreApplication>

namespace dutyloop {

QString TitleText(int selectedIndex, const QString& selectedText, const LocaleSettings& locale) {
    const QString title = QStringLiteral("Tornvale");
    return selectedIndex >= 1 ? title + QStringLiteral(" - ") + LeftToRightRun(selectedText, locale)
                              : title;
}

QString MonthLabelText(QDate date, int currentYear, const LocaleSettings& locale) {
    const auto month = static_cast<std::size_t>(date.month() - 1);
    if (date.year() == currentYear)
        return CapitalizedFirst(locale.longMonthNames[month], locale);
    return CapitalizedFirst(locale.shortMonthNames[month], locale) + QLatin1Char(' ') +
           YearText(date.year(), locale);
}

namespace {

std::array<QString, 7> InWeekOrder(WeekStart weekStart, const std::array<QString, 7>& names) {
    std::array<QString, 7> texts;
    const std::size_t first = weekStart == WeekStart::Monday ? 1 : 0;
    for (std::size_t column = 0; column < 7; ++column)
        texts[column] = names[(first + column) % 7];
    return texts;
}

} // namespace

std::array<QString, 7> WeekdayLabelTexts(WeekStart weekStart, const LocaleSettings& locale) {
    return InWeekOrder(weekStart, locale.shortDayNames);
}

std::array<QString, 7> NarrowWeekdayLabelTexts(WeekStart weekStart, const LocaleSettings& locale) {
    return InWeekOrder(weekStart, locale.narrowDayNames);
}

QString StatusLineText(QDate shownDate, DutyCode code, const LocaleSettings& locale) {
    switch (code) {
    case DutyCode::Work:
        return FormatShortDate(shownDate, locale) + QLatin1Char('\n') +
               QCoreApplication::translate("Calendar", "Work");
    case DutyCode::Off:
        return FormatShortDate(shownDate, locale) + QLatin1Char('\n') +
               QCoreApplication::translate("Calendar", "Off-Duty");
    case DutyCode::NoRotation:
        break;
    }
    return {};
}

} // namespace dutyloop
