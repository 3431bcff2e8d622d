#pragma once

#include <QDate>

#include <QLocale>
#include <QString>
#include <array>

namespace dutyloop {

// The locale's date settings, taken once at start-up and kept for the whole run.
struct LocaleSettings {
    QLocale locale = QLocale::c();
    QString shortDateFormat = QStringLiteral("M/d/yyyy");
    std::array<QString, 12> longMonthNames;  // [0] January
    std::array<QString, 12> shortMonthNames; // [0] January
    std::array<QString, 7> shortDayNames;    // [0] Sunday
    // For a narrow grid: in some languages (Arabic) the short names are the whole names.
    std::array<QString, 7> narrowDayNames; // [0] Sunday
    // Where the user has not chosen: the grid offers Sunday and Monday, and a locale whose weeks
    // start on another day (Saturday in much of the Arab world) keeps Sunday.
    bool weeksStartOnMonday = false;
    // Whether the texts read from right to left: the language's own way, which a window may
    // take from how it is laid out instead (Qt's "-reverse").
    bool rightToLeft = false;
};

LocaleSettings CaptureLocaleSettings(const QLocale& locale);

QString FormatShortDate(QDate date, const LocaleSettings& settings);

// The locale's short time format without seconds, which no duty has: "HH:mm", "h:mm AP".
QString ClockTimeFormat(const QLocale& locale);
QString FormatClockTime(QTime time, const LocaleSettings& settings);

// The text with its first letter a capital, for a text that starts a line or a sentence and
// begins with a name the locale writes in lower case (French "décembre", "lundi 14 décembre").
QString CapitalizedFirst(const QString& text, const LocaleSettings& settings);

} // namespace dutyloop
