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
    settings.rightToLeft = locale.textDirection() == Qt::RightToLeft;
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

QString CapitalizedFirst(const QString& text, const LocaleSettings& settings) {
    if (text.isEmpty())
        return text;
    // A letter beyond the first plane is two UTF-16 units; the locale's own rules (a Turkish
    // dotted capital I) decide its capital.
    const qsizetype first = text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return settings.locale.toUpper(text.left(first)) + text.mid(first);
}

QString ClockTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    // The seconds go with the separator before them (":ss", ".ss"); C's short format has them.
    QString kept;
    for (qsizetype at = 0; at < format.size(); ++at) {
        if (format[at] != u's') {
            kept += format[at];
            continue;
        }
        if (!kept.isEmpty() && !kept.back().isLetter() && !kept.back().isSpace())
            kept.chop(1);
        while (at + 1 < format.size() && format[at + 1] == u's')
            ++at;
    }
    return kept.trimmed();
}

QString FormatClockTime(QTime time, const LocaleSettings& settings) {
    return settings.locale.toString(time, ClockTimeFormat(settings.locale));
}

} // namespace dutyloop
