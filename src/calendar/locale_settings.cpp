#include "calendar/locale_settings.h"

#include <QDate>

namespace dutyloop {

namespace {
// The calendar reaches from year 1 to 9999, so a two-digit year would name the wrong century
// for most of it; the status line always shows the whole year. A run of exactly two y's is a
// two-digit year. (A regular expression would load and compile a whole engine at start-up for
// this one replacement.)
QString WithFullYear(QStringView format) {
    QString full;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype end = i;
        while (end < format.size() && format[end] == u'y')
            ++end;
        if (end == i) {
            full += format[i++];
            continue;
        }
        full += QString(end - i == 2 ? 4 : end - i, u'y');
        i = end;
    }
    return full;
}
} // namespace

LocaleSettings CaptureLocaleSettings(const QLocale& locale) {
    LocaleSettings settings;
    settings.locale = locale;
    settings.shortDateFormat = WithFullYear(locale.dateFormat(QLocale::ShortFormat));
    settings.weeksStartOnMonday = locale.firstDayOfWeek() == Qt::Monday;
    for (int month = 1; month <= 12; ++month) {
        settings.longMonthNames[static_cast<std::size_t>(month - 1)] =
            locale.standaloneMonthName(month, QLocale::LongFormat);
        settings.shortMonthNames[static_cast<std::size_t>(month - 1)] =
            locale.standaloneMonthName(month, QLocale::ShortFormat);
    }
    // QLocale counts Monday 1 to Sunday 7; the names here start on Sunday.
    for (int day = 0; day < 7; ++day) {
        const auto at = static_cast<std::size_t>(day);
        settings.shortDayNames[at] =
            locale.standaloneDayName(day == 0 ? 7 : day, QLocale::ShortFormat);
        settings.narrowDayNames[at] =
            locale.standaloneDayName(day == 0 ? 7 : day, QLocale::NarrowFormat);
    }
    return settings;
}

QString FormatShortDate(QDate date, const LocaleSettings& settings) {
    return settings.locale.toString(date, settings.shortDateFormat);
}

} // namespace dutyloop
