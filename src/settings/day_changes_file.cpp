#include "settings/day_changes_file.h"

#include "schedule/crew.h"
#include "settings/ini_text.h"

#include <array>
#include <optional>
#include <string_view>

namespace dutyloop {

namespace {

struct KindWord {
    DayChangeKind kind;
    std::string_view word;
};

constexpr std::array<KindWord, 5> kKindWords{{
    {DayChangeKind::AsRostered, "rostered"},
    {DayChangeKind::Leave, "leave"},
    {DayChangeKind::Sick, "sick"},
    {DayChangeKind::SwappedOff, "swapped"},
    {DayChangeKind::ExtraDuty, "extra"},
}};

std::optional<DayChangeKind> KindFromWord(QByteArrayView word) {
    for (const KindWord& entry : kKindWords) {
        if (word.trimmed().compare(QByteArrayView(entry.word), Qt::CaseInsensitive) == 0)
            return entry.kind;
    }
    return std::nullopt;
}

QByteArrayView WordOf(DayChangeKind kind) {
    for (const KindWord& entry : kKindWords) {
        if (entry.kind == kind)
            return QByteArrayView(entry.word);
    }
    return QByteArrayView(kKindWords.front().word);
}

bool AllDigits(QByteArrayView text) {
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "YYYY-MM-DD" with a year from 1 to 9999 and a day that the month has; nothing else.
std::optional<QDate> DateFromKey(QByteArrayView key) {
    if (key.size() != 10 || key[4] != '-' || key[7] != '-')
        return std::nullopt;
    const QByteArrayView year = key.first(4);
    const QByteArrayView month = key.sliced(5, 2);
    const QByteArrayView day = key.sliced(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day))
        return std::nullopt;
    const int y = year.toInt();
    const int m = month.toInt();
    const int d = day.toInt();
    if (y < 1 || !QDate::isValid(y, m, d))
        return std::nullopt;
    return QDate(y, m, d);
}

std::optional<DayChange> ChangeFromValue(const QByteArray& value) {
    const qsizetype separator = value.indexOf(';');
    const std::optional<DayChangeKind> kind = KindFromWord(
        separator < 0 ? QByteArrayView(value) : QByteArrayView(value).first(separator));
    if (!kind)
        return std::nullopt;
    DayChange change{*kind, {}};
    if (separator >= 0)
        change.note = CleanNote(QString::fromUtf8(value.sliced(separator + 1)));
    if (change.kind == DayChangeKind::AsRostered && change.note.isEmpty())
        return std::nullopt;
    return change;
}

} // namespace

QByteArray DaysSectionFor(const QString& assignment) {
    // The changes go with the crew the window follows, by its entry in the list whatever the
    // assignment's spelling ("3twt" is "3 TWT"); text that names no crew is the agency's.
    const std::optional<Crew> crew = CrewFollowing(assignment);
    return QByteArrayLiteral("Days ") +
           (crew ? crew->entry.toUtf8() : QByteArray(kAgencyWideEntry));
}

DayChanges DayChangesFromText(const QByteArray& fileText, const QString& assignment) {
    DayChanges changes;
    // Nothing can be changed where no crew is followed, so nothing written there by hand counts.
    if (!CrewFollowing(assignment))
        return changes;
    for (const auto& [key, value] : IniSectionValues(fileText, DaysSectionFor(assignment))) {
        const std::optional<QDate> date = DateFromKey(key);
        if (!date)
            continue;
        if (const std::optional<DayChange> change = ChangeFromValue(value))
            changes.emplace(*date, *change);
    }
    return changes;
}

DayChangesBySection AllDayChangesFromText(const QByteArray& fileText) {
    DayChangesBySection all;
    for (const QString& entry : CrewEntries()) {
        DayChanges changes = DayChangesFromText(fileText, entry);
        if (!changes.empty())
            all.emplace(DaysSectionFor(entry), std::move(changes));
    }
    return all;
}

const DayChanges& DayChangesUnder(const DayChangesBySection& all, const QString& assignment) {
    static const DayChanges none;
    const auto found = all.find(DaysSectionFor(assignment));
    return found != all.end() ? found->second : none;
}

QByteArray TextWithDayChange(const QByteArray& fileText, const QString& assignment, QDate date,
                             const DayChange& change) {
    if (!CrewFollowing(assignment))
        return fileText;
    const QByteArray section = DaysSectionFor(assignment);
    const QByteArray key = date.toString(Qt::ISODate).toLatin1();
    const QString note = CleanNote(change.note);
    if (change.kind == DayChangeKind::AsRostered && note.isEmpty())
        return WithoutIniKey(fileText, section, key);
    QByteArray value = WordOf(change.kind).toByteArray();
    if (!note.isEmpty())
        value += ';' + note.toUtf8();
    return WithIniValue(fileText, section, key, value);
}

} // namespace dutyloop
