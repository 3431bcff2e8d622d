#include "calendar/ical_text.h"

#include <QTimeZone>

namespace dutyloop {

namespace {

// An iCalendar line holds at most 75 octets before its CRLF.
constexpr qsizetype kMaxLineOctets = 75;

bool IsUtf8ContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

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

// The name of a content line, in capitals, and its value: the name ends at the first ';' or
// ':', the value starts after the first ':' outside a quoted parameter value.
bool SplitContentLine(const QByteArray& line, QByteArray& name, QByteArray& value) {
    qsizetype nameEnd = 0;
    while (nameEnd < line.size() && line[nameEnd] != ';' && line[nameEnd] != ':')
        ++nameEnd;
    bool quoted = false;
    for (qsizetype i = nameEnd; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            name = line.left(nameEnd).toUpper();
            value = line.mid(i + 1);
            return nameEnd > 0;
        }
    }
    return false;
}

} // namespace

void AppendContentLine(QByteArray& out, const QByteArray& line) {
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
        QByteArray value;
        if (!SplitContentLine(line, name, value))
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
        }
    }
    return events;
}

} // namespace dutyloop
