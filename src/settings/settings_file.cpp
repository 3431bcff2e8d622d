#include "settings/settings_file.h"

#include "settings/ini_text.h"
#include "settings/named_colors.h"

#include <QByteArrayView>
#include <array>
#include <optional>

namespace dutyloop {

namespace {

constexpr QByteArrayView kConfig("Config");
constexpr QByteArrayView kWorkAssign("WorkAssign");
constexpr QByteArrayView kWeekStartsOnMonday("WeekStartsOnMonday");
constexpr QByteArrayView kColors("Colors");
// A section of its own, which a file written before holidays were marked does not have.
constexpr QByteArrayView kHolidays("Holidays");
constexpr QByteArrayView kRegion("Region");
constexpr QByteArrayView kHolidayFile("File");
constexpr QByteArrayView kFromFile("file");

// The colour keys in the order they are written, each with its default and its setting.
struct ColorKey {
    QByteArrayView key;
    QRgb defaultColor;
    QRgb ColorSettings::*setting;
};

constexpr std::array<ColorKey, 5> kColorKeys{{
    {"KPlt", colors::DimGray, &ColorSettings::off},
    {"LPlt", colors::Blue, &ColorSettings::work},
    {"LdTr", colors::Silver, &ColorSettings::leadTrail},
    {"BkGr", colors::White, &ColorSettings::background},
    {"GridColor", colors::Black, &ColorSettings::grid},
}};

QRgb ReadColor(const QByteArray& fileText, const ColorKey& colorKey) {
    const std::optional<QByteArray> value = IniValue(fileText, kColors, colorKey.key);
    if (!value) {
        return colorKey.defaultColor;
    }
    return ColorFromName(QString::fromUtf8(*value)).value_or(colorKey.defaultColor);
}

// A line break would end the value early and put the rest of the text on a line of its own,
// where it could read as another key or section; blanks at either end are dropped on reading.
// So each line break (CRLF counting as one) becomes a blank, and blanks at the ends go, which
// is what the text reads back as.
QByteArray OneLineValue(const QString& text) {
    QString value = text;
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && isBlank(value[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(value[end - 1])) {
        --end;
    }
    return value.sliced(begin, end - begin).toUtf8();
}

} // namespace

Settings SettingsFromText(const QByteArray& fileText, bool mondayFirst) {
    Settings settings;
    const std::optional<QByteArray> stored = IniValue(fileText, kConfig, kWorkAssign);
    if (stored && !stored->isEmpty()) {
        settings.assignment = QString::fromUtf8(*stored);
    }
    settings.weekStartsOnMonday = ParseFlag(
        IniValue(fileText, kConfig, kWeekStartsOnMonday).value_or(QByteArray()), mondayFirst);
    for (const ColorKey& colorKey : kColorKeys) {
        settings.colors.*colorKey.setting = ReadColor(fileText, colorKey);
    }
    const QByteArray region = IniValue(fileText, kHolidays, kRegion).value_or(QByteArray());
    if (region == kFromFile) {
        settings.holidayFile =
            QString::fromUtf8(IniValue(fileText, kHolidays, kHolidayFile).value_or(QByteArray()));
    } else {
        settings.holidayRegion =
            RegionOfCode(QString::fromUtf8(region)).value_or(HolidayRegion::None);
    }
    return settings;
}

QByteArray TextWithSettings(const QByteArray& fileText, const Settings& settings) {
    QByteArray text =
        WithIniValue(fileText, kConfig, kWorkAssign, OneLineValue(settings.assignment));
    text =
        WithIniValue(text, kConfig, kWeekStartsOnMonday, settings.weekStartsOnMonday ? "1" : "0");
    for (const ColorKey& colorKey : kColorKeys) {
        text = WithIniValue(text, kColors, colorKey.key,
                            ColorToName(settings.colors.*colorKey.setting).toUtf8());
    }
    // No section is added for a user who marks no holidays.
    if (!settings.holidayFile.isEmpty()) {
        text = WithIniValue(text, kHolidays, kRegion, kFromFile.toByteArray());
        text = WithIniValue(text, kHolidays, kHolidayFile, OneLineValue(settings.holidayFile));
    } else if (settings.holidayRegion != HolidayRegion::None) {
        text = WithIniValue(text, kHolidays, kRegion,
                            RegionCode(settings.holidayRegion).toString().toUtf8());
    } else {
        text = WithoutIniKey(text, kHolidays, kRegion);
    }
    return text;
}

} // namespace dutyloop
