#include "settings/settings_file.h"

#include "settings/ini_text.h"
#include "settings/named_colors.h"

#include <QByteArrayView>
#include <QTime>
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
// Keyed by the crew's entry: "5 TFS=07:00-07:00".
constexpr QByteArrayView kDutyHours("Duty Hours");
// "Remind=60", or "Remind=19:00" for the evening before.
constexpr QByteArrayView kReminder("Reminder");
constexpr QByteArrayView kRemind("Remind");

// "07:00": two digits, a colon and two digits, within a day.
std::optional<QTime> ClockTime(QByteArrayView text) {
    const auto digit = [&text](qsizetype at) { return text[at] >= '0' && text[at] <= '9'; };
    if (text.size() != 5 || text[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
        return std::nullopt;
    const QTime time((text[0] - '0') * 10 + (text[1] - '0'),
                     (text[3] - '0') * 10 + (text[4] - '0'));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

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

std::optional<DutyHours> DutyHoursFromText(QByteArrayView text) {
    const QByteArrayView trimmed = text.trimmed();
    const qsizetype dash = trimmed.indexOf('-');
    if (dash < 0)
        return std::nullopt;
    const std::optional<QTime> start = ClockTime(trimmed.first(dash).trimmed());
    const std::optional<QTime> end = ClockTime(trimmed.sliced(dash + 1).trimmed());
    if (!start || !end)
        return std::nullopt;
    return DutyHours{*start, *end};
}

QByteArray DutyHoursText(const DutyHours& hours) {
    return hours.start.toString(QStringLiteral("HH:mm")).toLatin1() + '-' +
           hours.end.toString(QStringLiteral("HH:mm")).toLatin1();
}

std::optional<Reminder> ReminderFromText(QByteArrayView text) {
    const QByteArrayView trimmed = text.trimmed();
    if (const std::optional<QTime> evening = ClockTime(trimmed))
        return Reminder{Reminder::Kind::EveningBefore, 0, *evening};
    for (const int minutes : kReminderMinutes) {
        if (trimmed == QByteArray::number(minutes))
            return Reminder{Reminder::Kind::Before, minutes, QTime()};
    }
    return std::nullopt;
}

QByteArray ReminderText(const Reminder& reminder) {
    switch (reminder.kind) {
    case Reminder::Kind::Before:
        return QByteArray::number(reminder.minutesBefore);
    case Reminder::Kind::EveningBefore:
        return reminder.eveningAt.toString(QStringLiteral("HH:mm")).toLatin1();
    case Reminder::Kind::None:
        break;
    }
    return QByteArray();
}

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
    for (const auto& [crew, value] : IniSectionValues(fileText, kDutyHours)) {
        if (const std::optional<DutyHours> hours = DutyHoursFromText(value))
            settings.dutyHours[QString::fromUtf8(crew)] = *hours;
    }
    settings.reminder =
        ReminderFromText(IniValue(fileText, kReminder, kRemind).value_or(QByteArray()))
            .value_or(Reminder());
    const QByteArray region = IniValue(fileText, kHolidays, kRegion).value_or(QByteArray());
    if (region == kFromFile) {
        settings.holidayFile =
            QString::fromUtf8(IniValue(fileText, kHolidays, kHolidayFile).value_or(QByteArray()));
    } else {
        settings.holidayRegion =
            RegionOfCode(QString::fromUtf8(region)).value_or(HolidayRegion::None);
    }
    settings.publish = PublishTargetFromText(fileText);
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
    // A crew whose hours are unset again loses its line; no section is added for a user who
    // sets none.
    for (const auto& [crew, value] : IniSectionValues(fileText, kDutyHours)) {
        if (DutyHoursFromText(value) && !settings.dutyHours.contains(QString::fromUtf8(crew)))
            text = WithoutIniKey(text, kDutyHours, crew);
    }
    for (const auto& [crew, hours] : settings.dutyHours)
        text = WithIniValue(text, kDutyHours, crew.toUtf8(), DutyHoursText(hours));
    // As with the hours: no section for a user who is never reminded, and a value Save cannot
    // read stays as it was.
    if (settings.reminder.kind != Reminder::Kind::None) {
        text = WithIniValue(text, kReminder, kRemind, ReminderText(settings.reminder));
    } else if (ReminderFromText(IniValue(text, kReminder, kRemind).value_or(QByteArray("?")))) {
        text = WithoutIniKey(text, kReminder, kRemind);
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
    return TextWithPublishTarget(text, settings.publish);
}

} // namespace dutyloop
