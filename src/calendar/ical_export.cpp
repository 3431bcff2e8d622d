#include "calendar/ical_export.h"

#include "calendar/date_moves.h"
#include "calendar/day_change_texts.h"
#include "schedule/rotation.h"
#include "settings/day_changes_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace dutyloop {

namespace {

// An iCalendar line holds at most 75 octets before its CRLF.
constexpr qsizetype kMaxLineOctets = 75;

// The right-hand side of every UID. Fixed rather than taken from the support host, which is a
// build setting: a UID that changed with the build would duplicate every imported event.
constexpr char kUidDomain[] = "dutyloop.halvorne.example";

bool IsUtf8ContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Appends one content line, folded: after 75 octets the line goes on in a line that starts with
// a space, which also counts. A fold never falls inside a character, so that each physical line
// is valid UTF-8 by itself, as some importers read them one by one.
void AppendLine(QByteArray& out, const QByteArray& line) {
    qsizetype start = 0;
    qsizetype room = kMaxLineOctets;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        // At most three steps back: the line is valid UTF-8, from QString::toUtf8.
        while (IsUtf8ContinuationByte(line[cut]))
            --cut;
        out.append(line.constData() + start, cut - start);
        out.append("\r\n ");
        start = cut;
        room = kMaxLineOctets - 1;
    }
    out.append(line.constData() + start, line.size() - start);
    out.append("\r\n");
}

// A TEXT value: backslash, semicolon and comma escaped, each line break (LF, CR or CRLF) as
// "\n". Other control characters have no place in a text value and are left out.
QByteArray EscapedText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'\\':
            escaped += u"\\\\";
            break;
        case u';':
            escaped += u"\\;";
            break;
        case u',':
            escaped += u"\\,";
            break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                break; // the LF that follows writes the line break
            [[fallthrough]];
        case u'\n':
            escaped += u"\\n";
            break;
        default:
            if (c == u'\t' || (c >= 0x20 && c != 0x7F))
                escaped += QChar(c);
            break;
        }
    }
    return escaped.toUtf8();
}

// The assignment as it stands in a UID: ASCII letters in lower case and digits kept, each run
// of other ASCII characters one '-', other characters as their UTF-8 bytes in %XX. Lower case
// because the window treats "3 twt" as "3 TWT"; the UID then needs no escaping.
QByteArray UidSlug(const QString& assignment) {
    QByteArray slug;
    bool separate = false;
    const auto put = [&](const QByteArray& piece) {
        if (separate && !slug.isEmpty())
            slug += '-';
        separate = false;
        slug += piece;
    };
    for (qsizetype i = 0; i < assignment.size(); ++i) {
        const char16_t c = assignment[i].unicode();
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z')) {
            put(QByteArray(1, static_cast<char>(c)));
        } else if (c >= u'A' && c <= u'Z') {
            put(QByteArray(1, static_cast<char>(c - u'A' + u'a')));
        } else if (c < 0x80) {
            separate = true;
        } else {
            // The whole run of non-ASCII characters at once, so a surrogate pair stays whole.
            qsizetype end = i + 1;
            while (end < assignment.size() && assignment[end].unicode() >= 0x80)
                ++end;
            put(assignment.mid(i, end - i).toUtf8().toPercentEncoding());
            i = end - 1;
        }
    }
    return slug.isEmpty() ? QByteArray("assignment") : slug;
}

// iCalendar's DATE value, "20270314": the ISO date without its dashes.
QByteArray DateValue(QDate date) {
    return date.toString(Qt::ISODate).remove(u'-').toLatin1();
}

QByteArray UtcStampValue(const QDateTime& stamp) {
    const QDateTime utc = stamp.toUTC();
    const QDate day = utc.date();
    const QTime time = utc.time();
    return QStringLiteral("%1%2%3T%4%5%6Z")
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'))
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .toLatin1();
}

struct EventText {
    QByteArray uidSuffix; // "-<slug>@<domain>"
    QByteArray stamp;
    QByteArray summary;
    QByteArray extraSummary;
};

struct Event {
    QByteArray uidPrefix; // before the first day's date
    QByteArrayView summary;
    QByteArray description; // none when empty
    bool busy = true;
};

// One all-day event from `first` to the day before `end`. Dates without a time cannot be moved
// to another day by any time zone.
void AppendEvent(QByteArray& out, const EventText& text, const Event& event, QDate first,
                 QDate end) {
    AppendLine(out, "BEGIN:VEVENT");
    // The run's first day names it; as a run is always written whole, whatever range it was
    // exported in, importing another export updates the same event instead of adding another.
    AppendLine(out, "UID:" + event.uidPrefix + DateValue(first) + text.uidSuffix);
    AppendLine(out, "DTSTAMP:" + text.stamp);
    AppendLine(out, "DTSTART;VALUE=DATE:" + DateValue(first));
    AppendLine(out, "DTEND;VALUE=DATE:" + DateValue(end));
    AppendLine(out, "SUMMARY:" + event.summary.toByteArray());
    if (!event.description.isEmpty())
        AppendLine(out, "DESCRIPTION:" + event.description);
    AppendLine(out, event.busy ? "TRANSP:OPAQUE" : "TRANSP:TRANSPARENT");
    AppendLine(out, "END:VEVENT");
}

// How a day stands in the file: rostered work and extra duty make runs of their own kind.
enum class DayKind { Off, Work, ExtraWork };

struct DayReader {
    QDate anchor;
    const DayChanges& changes;

    DayKind kindOf(QDate day) const {
        if (EffectiveDutyFor(day, anchor, changes) != DutyCode::Work)
            return DayKind::Off;
        return DutyCodeFor(day, anchor) == DutyCode::Work ? DayKind::Work : DayKind::ExtraWork;
    }
    QString noteOf(QDate day) const { return ChangeOn(day, anchor, changes).note; }
};

// The notes of the days from `first` to the day before `end`: a day's note alone, or in a run
// of several days each after its date.
QByteArray RunDescription(const DayReader& reader, QDate first, QDate end) {
    QStringList notes;
    for (QDate day = first; day < end; day = day.addDays(1)) {
        const QString note = reader.noteOf(day);
        if (note.isEmpty())
            continue;
        notes << (first.daysTo(end) == 1 ? note
                                         : day.toString(Qt::ISODate) + QStringLiteral(": ") + note);
    }
    return EscapedText(notes.join(QLatin1Char('\n')));
}

// A note on a day off duty: the change's name before it where the day has one.
QByteArray NoteSummary(QDate day, const DayReader& reader) {
    const DayChange change = ChangeOn(day, reader.anchor, reader.changes);
    const QString name = DayChangeName(change.kind);
    if (name.isEmpty())
        return EscapedText(change.note);
    return EscapedText(QCoreApplication::translate("Calendar", "%1: %2").arg(name, change.note));
}

} // namespace

DayRange DutyCalendarRange(QDate firstOfMonth, int months) {
    const int count = std::clamp(months, kMinExportMonths, kMaxExportMonths);
    const QDate first(firstOfMonth.year(), firstOfMonth.month(), 1);
    const QDate lastMonth = first.addMonths(count - 1);
    return {first, lastMonth.addDays(lastMonth.daysInMonth() - 1)};
}

DutyCalendar DutyCalendarIcs(const QString& assignment, QDate firstDay, QDate lastDay,
                             const QDateTime& stampUtc, const DayChanges& changes) {
    // Dates in the file have four-digit years, and a run's DTEND is the day after it, so the
    // last day that can be written is the day before 9999-12-31.
    firstDay = std::max(firstDay, kFirstCalendarDate);
    lastDay = std::min(lastDay, kLastCalendarDate.addDays(-1));

    // The summary is what the crew member reads in a phone's calendar, so it is in the user's
    // language; the keywords, the product id and the calendar's name (two names) are not.
    const EventText text{
        '-' + UidSlug(assignment) + '@' + kUidDomain, UtcStampValue(stampUtc),
        EscapedText(QCoreApplication::translate("Calendar", "On duty (%1)").arg(assignment)),
        EscapedText(QCoreApplication::translate("Calendar", "Extra duty (%1)").arg(assignment))};

    QByteArray out;
    AppendLine(out, "BEGIN:VCALENDAR");
    AppendLine(out, "VERSION:2.0");
    AppendLine(out, "PRODID:-//Halvorne//Dutyloop//EN");
    AppendLine(out, "CALSCALE:GREGORIAN");
    AppendLine(out, "METHOD:PUBLISH");
    AppendLine(out, "X-WR-CALNAME:" + EscapedText(QStringLiteral("Dutyloop ") + assignment));

    const DayReader reader{AnchorForAssignment(assignment), changes};
    int dutyPeriods = 0;
    QDate day = firstDay;
    while (day <= lastDay) {
        const DayKind kind = reader.kindOf(day);
        if (kind == DayKind::Off) {
            if (!reader.noteOf(day).isEmpty())
                AppendEvent(out, text, {"note-", NoteSummary(day, reader), {}, false}, day,
                            day.addDays(1));
            day = day.addDays(1);
            continue;
        }
        QDate runFirst = day;
        while (runFirst > kFirstCalendarDate && reader.kindOf(runFirst.addDays(-1)) == kind)
            runFirst = runFirst.addDays(-1);
        while (day < kLastCalendarDate && reader.kindOf(day) == kind)
            day = day.addDays(1);
        const QByteArrayView summary = kind == DayKind::Work ? text.summary : text.extraSummary;
        AppendEvent(out, text, {{}, summary, RunDescription(reader, runFirst, day), true}, runFirst,
                    day);
        ++dutyPeriods;
    }

    AppendLine(out, "END:VCALENDAR");
    return {out, dutyPeriods};
}

} // namespace dutyloop
