#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

namespace dutyloop {

// The iCalendar file as plain values, and the one function that turns them into its bytes
// through libical, which folds the lines, escapes the text and knows the time zones.

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

struct IcalEvent {
    QByteArray uid;
    qint64 sequence = 0;
    QDateTime lastModified;
    IcalMoment start;
    IcalMoment end;
    QString summary;
    QString description; // none when empty
    bool busy = true;
    bool cancelled = false;
    std::optional<IcalAlarm> alarm;
};

struct IcalCalendar {
    QString name;       // X-WR-CALNAME
    QDateTime stampUtc; // every event's DTSTAMP
    QList<IcalEvent> events;
};

// The calendar as an iCalendar file (RFC 5545): lines ending in CRLF, folded at 75 octets,
// UTF-8, and a VTIMEZONE for each time zone its events name: libical's own description of the
// zone where it has one, else one built from Qt's knowledge of the zone's changes over the
// years the events cover.
QByteArray IcalText(const IcalCalendar& calendar);

// A moment's value as IcalText writes it, "20270302T070000" (its zone aside), "20270302" or
// "20270302T060000Z"; and the TRIGGER of an alarm that many seconds before the start, "-PT1H".
QByteArray IcalMomentValue(const IcalMoment& moment);
QByteArray IcalTriggerValue(qint64 secondsBefore);

// The text as a TEXT value can hold it: each line break (LF, CR or CRLF) one LF, other control
// characters but the tab left out.
QString IcalPlainText(const QString& text);

} // namespace dutyloop
