#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <map>

namespace dutyloop {

// The content lines of an iCalendar file (RFC 5545), both ways: what the export writes and what
// it reads back from the file it wrote before.

// Appends one content line and its CRLF, folded: after 75 octets the line goes on in a line that
// starts with a space, which also counts. A fold never falls inside a character, so that each
// physical line is valid UTF-8 by itself, as some importers read them one by one.
void AppendContentLine(QByteArray& out, const QByteArray& line);

// A TEXT value: backslash, semicolon and comma escaped, each line break (LF, CR or CRLF) as
// "\n". Other control characters have no place in a text value and are left out.
QByteArray EscapedText(const QString& text);

// A TEXT value back to its text: "\n" and "\N" a line break, any other backslash the character
// after it.
QString UnescapedText(const QByteArray& value);

// The DATE value, "20270314"; the date of one, or an invalid date.
QByteArray DateValue(QDate date);
QDate DateFromValue(const QByteArray& value);

// A DATE-TIME in UTC, "20240506T070809Z"; the moment of one, or an invalid QDateTime.
QByteArray UtcStampValue(const QDateTime& stamp);
QDateTime UtcStampFromValue(const QByteArray& value);

// One VEVENT as read: each property's value by its name in capitals, without its parameters;
// of a property given twice, the first.
using EventProperties = std::map<QByteArray, QByteArray>;

// The VEVENTs of an iCalendar file, in file order, its lines unfolded. Whatever does not read as
// a content line is passed over; a file that holds none gives none.
QList<EventProperties> EventsInCalendar(const QByteArray& ics);

} // namespace dutyloop
