#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <map>

namespace dutyloop {

// The content lines of an iCalendar file (RFC 5545) as the export reads back the file it wrote
// before, and the date values it names its events by.

// A TEXT value back to its text: "\n" and "\N" a line break, any other backslash the character
// after it.
QString UnescapedText(const QByteArray& value);

// The DATE value, "20270314"; the date of one, or an invalid date.
QByteArray DateValue(QDate date);
QDate DateFromValue(const QByteArray& value);

// The moment of a DATE-TIME in UTC, "20240506T070809Z", or an invalid QDateTime.
QDateTime UtcStampFromValue(const QByteArray& value);

// One VEVENT as read: each property's value by its name in capitals, without its parameters;
// of a property given twice, the first. Beside them, the TZID parameter of DTSTART and DTEND as
// "DTSTART;TZID" and "DTEND;TZID", and the TRIGGER of the event's alarm as "VALARM:TRIGGER".
using EventProperties = std::map<QByteArray, QByteArray>;

// The VEVENTs of an iCalendar file, in file order, its lines unfolded. Whatever does not read as
// a content line is passed over; a file that holds none gives none.
QList<EventProperties> EventsInCalendar(const QByteArray& ics);

} // namespace dutyloop
