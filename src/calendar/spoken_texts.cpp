#include "calendar/spoken_texts.h"

#include "calendar/isolated_runs.h"

#include <QCoreApplication>

namespace dutyloop {

QString SpokenMonthText(QDate date, const LocaleSettings& locale) {
    return CapitalizedFirst(locale.longMonthNames[static_cast<std::size_t>(date.month() - 1)],
                            locale) +
           QLatin1Char(' ') + YearText(date.year(), locale);
}

QString SpokenDayName(const QString& name, bool isToday) {
    return isToday ? QCoreApplication::translate("Calendar", "Today, %1").arg(name) : name;
}

std::array<QString, 7> SpokenWeekdayNames(WeekStart weekStart, const LocaleSettings& locale) {
    // QLocale counts the days from Monday (1) to Sunday (7).
    const int first = weekStart == WeekStart::Monday ? 1 : 7;
    std::array<QString, 7> names;
    for (int column = 0; column < 7; ++column)
        names[static_cast<std::size_t>(column)] =
            locale.locale.standaloneDayName((first - 1 + column) % 7 + 1, QLocale::LongFormat);
    return names;
}

} // namespace dutyloop
