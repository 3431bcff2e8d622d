#include "calendar/duty_events.h"

#include "calendar/date_moves.h"
#include "calendar/day_change_texts.h"
#include "calendar/holiday_texts.h"
#include "schedule/rotation.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace dutyloop {

namespace {

// An event's DTEND is the day after its last day, and a date in the file has four digits.
const QDate kLastEventDay = kLastCalendarDate.addDays(-1);

// How a day stands in the calendar: rostered work and extra duty make pieces of their own kind.
enum class DayKind { Off, Work, ExtraWork };

struct DayReader {
    QDate anchor;
    const DayChanges& changes;
    const HolidayList* holidays;

    DutyCode rostered(QDate day) const { return DutyCodeFor(day, anchor); }
    DayKind kindOf(QDate day) const {
        if (EffectiveDutyFor(day, anchor, changes) != DutyCode::Work)
            return DayKind::Off;
        return rostered(day) == DutyCode::Work ? DayKind::Work : DayKind::ExtraWork;
    }
    QString noteOf(QDate day) const { return ChangeOn(day, anchor, changes).note; }
    // What the day's description says of it: the public holiday it is, then its note.
    QStringList linesOf(QDate day) const {
        QStringList lines;
        if (const QString holiday = holidays ? HolidayNamesOn(day, *holidays) : QString();
            !holiday.isEmpty())
            lines << QCoreApplication::translate("Calendar", "Public holiday: %1").arg(holiday);
        if (const QString note = noteOf(day); !note.isEmpty())
            lines << note;
        return lines;
    }
};

// The first and the last day of the rotation's run of work days, or of days off, that holds
// `day`. The days before the rotation starts are no such stretch: the day alone.
QDate StretchFirst(const DayReader& reader, QDate day) {
    const DutyCode code = reader.rostered(day);
    if (code == DutyCode::NoRotation)
        return day;
    while (day > kFirstCalendarDate && reader.rostered(day.addDays(-1)) == code)
        day = day.addDays(-1);
    return day;
}

QDate StretchLast(const DayReader& reader, QDate day) {
    const DutyCode code = reader.rostered(day);
    if (code == DutyCode::NoRotation)
        return day;
    while (day < kLastEventDay && reader.rostered(day.addDays(1)) == code)
        day = day.addDays(1);
    return day;
}

// Which piece of its stretch, counted from 0, the piece of `kind` that starts on `pieceFirst`
// is: the number of pieces of that kind starting before it.
int PieceIndex(const DayReader& reader, QDate stretchFirst, QDate pieceFirst, DayKind kind) {
    int index = 0;
    for (QDate day = stretchFirst; day < pieceFirst; day = day.addDays(1)) {
        if (reader.kindOf(day) == kind &&
            (day == stretchFirst || reader.kindOf(day.addDays(-1)) != kind))
            ++index;
    }
    return index;
}

QByteArray PieceKey(DayKind kind, int index, QDate stretchFirst) {
    QByteArray key = kind == DayKind::ExtraWork ? "extra-" : "";
    if (index > 0)
        key += "part" + QByteArray::number(index + 1) + '-';
    return key + DateKey(stretchFirst);
}

// The holidays and notes of the days from `first` to the day before `end`: a day's alone, or in
// a piece of several days each after its date.
QString PieceDescription(const DayReader& reader, QDate first, QDate end) {
    QStringList lines;
    for (QDate day = first; day < end; day = day.addDays(1)) {
        for (const QString& line : reader.linesOf(day))
            lines << (first.daysTo(end) == 1
                          ? line
                          : day.toString(Qt::ISODate) + QStringLiteral(": ") + line);
    }
    return lines.join(QLatin1Char('\n'));
}

// A note on a day off duty: the change's name before it where the day has one.
QString NoteSummary(const DayReader& reader, QDate day) {
    const DayChange change = ChangeOn(day, reader.anchor, reader.changes);
    const QString name = DayChangeName(change.kind);
    if (name.isEmpty())
        return change.note;
    return QCoreApplication::translate("Calendar", "%1: %2").arg(name, change.note);
}

} // namespace

QByteArray DateKey(QDate date) {
    return date.toString(Qt::ISODate).remove(u'-').toLatin1();
}

QDate DateFromKey(const QByteArray& key) {
    if (key.size() != 8)
        return {};
    for (const char c : key)
        if (c < '0' || c > '9')
            return {};
    return QDate(key.left(4).toInt(), key.mid(4, 2).toInt(), key.right(2).toInt());
}

DutyEvents DutyEventsFor(const QString& assignment, QDate firstDay, QDate lastDay,
                         const DayChanges& changes, const HolidayList* holidays) {
    firstDay = std::max(firstDay, kFirstCalendarDate);
    lastDay = std::min(lastDay, kLastEventDay);
    if (firstDay > lastDay)
        return {firstDay, lastDay, {}};

    // The summary is what the crew member reads in a phone's calendar, so it is in the user's
    // language.
    const QString onDuty = QCoreApplication::translate("Calendar", "On duty (%1)").arg(assignment);
    const QString extraDuty =
        QCoreApplication::translate("Calendar", "Extra duty (%1)").arg(assignment);

    const DayReader reader{AnchorForAssignment(assignment), changes, holidays};
    DutyEvents result{StretchFirst(reader, firstDay), StretchLast(reader, lastDay), {}};
    QDate day = result.first;
    while (day <= result.last) {
        const DayKind kind = reader.kindOf(day);
        if (kind == DayKind::Off) {
            if (const QString note = reader.noteOf(day); !note.isEmpty())
                result.events.append({"note-" + DateKey(day),
                                      day,
                                      day.addDays(1),
                                      NoteSummary(reader, day),
                                      {},
                                      false});
            day = day.addDays(1);
            continue;
        }
        // A piece never leaves its stretch of the rotation, and the range holds whole stretches.
        const QDate pieceFirst = day;
        while (day <= result.last && reader.kindOf(day) == kind)
            day = day.addDays(1);
        const QDate stretchFirst = StretchFirst(reader, pieceFirst);
        result.events.append(
            {PieceKey(kind, PieceIndex(reader, stretchFirst, pieceFirst, kind), stretchFirst),
             pieceFirst, day, kind == DayKind::Work ? onDuty : extraDuty,
             PieceDescription(reader, pieceFirst, day), true});
    }
    return result;
}

} // namespace dutyloop
