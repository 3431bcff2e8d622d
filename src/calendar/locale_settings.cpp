#include "calendar/locale_settings.h"

#include <QDate>
#include <QRegularExpression>

namespace dutyloop {

namespace {
// The calendar reaches from year 1 to 9999, so a two-digit year would name the wrong century
// for most of it; the status line always shows the whole year.
QString WithFullYear(QString format) {
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}
} // namespace

LocaleSettings CaptureLocaleSettings(const QLocale& locale) {
    LocaleSettings settings;
    settings.locale = locale;
    settings.shortDateFormat = WithFullYear(locale.dateFormat(QLocale::ShortFormat));
    for (int month = 1; month <= 12; ++month) {
        settings.longMonthNames[static_cast<std::size_t>(month - 1)] =
            locale.standaloneMonthName(month, QLocale::LongFormat);
        settings.shortMonthNames[static_cast<std::size_t>(month - 1)] =
            locale.standaloneMonthName(month, QLocale::ShortFormat);
    }
    // QLocale counts Monday 1 to Sunday 7; the names here start on Sunday.
    for (int day = 0; day < 7; ++day)
        settings.shortDayNames[static_cast<std::size_t>(day)] =
            locale.standaloneDayName(day == 0 ? 7 : day, QLocale::ShortFormat);
    return settings;
}

QString FormatShortDate(Date date, const LocaleSettings& settings) {
    const YearMonthDay ymd = YmdFromDate(date);
    return settings.locale.toString(QDate(ymd.year, ymd.month, ymd.day), settings.shortDateFormat);
}

} // namespace dutyloop
