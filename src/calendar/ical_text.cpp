#include "calendar/ical_text.h"

#include <QTimeZone>

namespace dutyloop {

namespace {

// The lines of the file with each folded line joined to the one it continues. Any of CRLF, LF
// or CR ends a line, as editors and other programs may have saved the file either way.
QList<QByteArray> UnfoldedLines(const QByteArray& ics) {
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < ics.size()) {
        qsizetype end = from;
        while (end < ics.size() && ics[end] != '\r' && ics[end] != '\n')
            ++end;
        const QByteArray line = ics.mid(from, end - from);
        if (end < ics.size() && ics[end] == '\r' && end + 1 < ics.size() && ics[end + 1] == '\n')
            ++end;
        from = end + 1;
        if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty())
            lines.last() += line.mid(1);
        else if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

// The name of a content line, in capitals, its parameters and its value: the name ends at the
// first ';' or ':', the value starts after the first ':' outside a quoted parameter value.
bool SplitContentLine(const QByteArray& line, QByteArray& name, QByteArray& parameters,
                      QByteArray& value) {
    qsizetype nameEnd = 0;
    while (nameEnd < line.size() && line[nameEnd] != ';' && line[nameEnd] != ':')
        ++nameEnd;
    bool quoted = false;
    for (qsizetype i = nameEnd; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            name = line.left(nameEnd).toUpper();
            parameters = line.mid(nameEnd, i - nameEnd);
            value = line.mid(i + 1);
            return nameEnd > 0;
        }
    }
    return false;
}

// The value of the TZID parameter among `parameters` (";TZID=Europe/Berlin;..."), quotes
// taken off; empty where there is none.
QByteArray ZoneParameter(const QByteArray& parameters) {
    for (const QByteArray& parameter : parameters.split(';')) {
        if (parameter.left(5).toUpper() != "TZID=")
            continue;
        QByteArray zone = parameter.mid(5);
        if (zone.size() >= 2 && zone.startsWith('"') && zone.endsWith('"'))
            zone = zone.mid(1, zone.size() - 2);
        return zone;
    }
    return {};
}

} // namespace

QString UnescapedText(const QByteArray& value) {
    const QString text = QString::fromUtf8(value);
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar escaped = text[++i];
        plain += (escaped == u'n' || escaped == u'N') ? QChar(u'\n') : escaped;
    }
    return plain;
}

QByteArray DateValue(QDate date) {
    return date.toString(Qt::ISODate).remove(u'-').toLatin1();
}

QDate DateFromValue(const QByteArray& value) {
    if (value.size() != 8)
        return {};
    for (const char c : value)
        if (c < '0' || c > '9')
            return {};
    return QDate(value.left(4).toInt(), value.mid(4, 2).toInt(), value.right(2).toInt());
}

QDateTime UtcStampFromValue(const QByteArray& value) {
    if (value.size() != 16 || value[8] != 'T' || value[15] != 'Z')
        return {};
    const QByteArray clock = value.mid(9, 6);
    for (const char c : clock)
        if (c < '0' || c > '9')
            return {};
    const QDate day = DateFromValue(value.left(8));
    const QTime time(clock.left(2).toInt(), clock.mid(2, 2).toInt(), clock.right(2).toInt());
    if (!day.isValid() || !time.isValid())
        return {};
    return QDateTime(day, time, QTimeZone::utc());
}

QList<EventProperties> EventsInCalendar(const QByteArray& ics) {
    QList<EventProperties> events;
    // Within a VEVENT, but not within a component inside it (an alarm has a SUMMARY of its own).
    bool inEvent = false;
    int nested = 0;
    for (const QByteArray& line : UnfoldedLines(ics)) {
        QByteArray name;
        QByteArray parameters;
        QByteArray value;
        if (!SplitContentLine(line, name, parameters, value))
            continue;
        const QByteArray component = value.trimmed().toUpper();
        if (name == "BEGIN") {
            if (inEvent)
                ++nested;
            else if (component == "VEVENT") {
                inEvent = true;
                events.append(EventProperties());
            }
        } else if (name == "END") {
            if (nested > 0)
                --nested;
            else if (inEvent && component == "VEVENT")
                inEvent = false;
        } else if (inEvent && nested == 0) {
            events.last().try_emplace(name, value);
            if (name == "DTSTART" || name == "DTEND") {
                if (const QByteArray zone = ZoneParameter(parameters); !zone.isEmpty())
                    events.last().try_emplace(name + ";TZID", zone);
            }
        } else if (inEvent && nested == 1 && name == "TRIGGER") {
            events.last().try_emplace("VALARM:TRIGGER", value);
        }
    }
    return events;
}

} // namespace dutyloop
