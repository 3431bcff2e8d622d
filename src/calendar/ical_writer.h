#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

namespace dutyloop {

// The iCalendar file as plain values, and the functions that turn them into its bytes through
// libical, which folds the lines, escapes the text and knows the time zones. ical_reader.h reads
// the bytes back into the same values.

// When an event starts or ends: a day, or a time by the clock of a time zone (its IANA id, as
// in "Europe/Berlin"), in UTC ("UTC"), or floating where the zone is empty.
struct IcalMoment {
    QDate date;
    QTime time; // none for a day
    QByteArray zone;
    friend bool operator==(const IcalMoment&, const IcalMoment&) = default;
};

// A reminder of an event: a moment this many seconds before its start.
struct IcalAlarm {
    qint64 secondsBefore = 0;
    QString description;
};

// STATUS; an event without one has None.
enum class IcalStatus { None, Confirmed, Cancelled };

// The property that marks an event as Dutyloop's where it is published, its value the crew's
// entry in the assignment list.
inline constexpr char kCrewProperty[] = "X-DUTYLOOP-CREW";

struct IcalEvent {
    QByteArray uid;
    QDateTime stamp; // DTSTAMP
    qint64 sequence = 0;
    QDateTime lastModified;
    IcalMoment start;
    IcalMoment end;
    QString summary;
    QString description; // none when empty
    bool busy = true;    // TRANSP: OPAQUE, else TRANSPARENT
    IcalStatus status = IcalStatus::Confirmed;
    std::optional<IcalAlarm> alarm;
    QString crew; // kCrewProperty; none when empty
    QStringList categories;
};

struct IcalCalendar {
    QString name; // X-WR-CALNAME
    QList<IcalEvent> events;
};

// The calendar as an iCalendar file (RFC 5545): lines ending in CRLF, folded at 75 octets,
// UTF-8, and a VTIMEZONE for each time zone its events name: libical's own description of the
// zone where it has one, else one built from Qt's knowledge of the zone's changes over the
// years the events cover.
QByteArray IcalText(const IcalCalendar& calendar);

// The calendar as one calendar object resource per event, as a CalDAV collection and a vdir
// folder keep a calendar: each a VCALENDAR with the one event and the VTIMEZONE its times name,
// made as IcalText makes it for the whole calendar, and without the name and the METHOD, which a
// resource of a collection may not have.
QList<QByteArray> IcalResourceTexts(const IcalCalendar& calendar);

// The text as a TEXT value can hold it: each line break (LF, CR or CRLF) one LF, other control
// characters but the tab left out.
QString IcalPlainText(const QString& text);

} // namespace dutyloop
