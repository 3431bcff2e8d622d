#include "settings/ini_text.h"

#include <QSet>

namespace dutyloop {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Offsets into the file's text, so that a line can be changed without copying it.
struct Range {
    qsizetype begin = 0;
    qsizetype end = 0;
};

Range TrimBlanks(const QByteArray& text, Range range) {
    while (range.begin < range.end && IsBlank(text[range.begin])) {
        ++range.begin;
    }
    while (range.end > range.begin && IsBlank(text[range.end - 1])) {
        --range.end;
    }
    return range;
}

QByteArrayView Slice(const QByteArray& text, Range range) {
    return QByteArrayView(text).sliced(range.begin, range.end - range.begin);
}

enum class LineKind { Other, Section, Key };

struct Line {
    Range content;      // the line without its line ending
    qsizetype next = 0; // where the following line starts
    LineKind kind = LineKind::Other;
    Range name;  // the section or key name
    Range value; // a key line's value
};

// Reads the line that starts at `start`; `contentStart` is past a byte-order mark.
Line ReadLine(const QByteArray& text, qsizetype start, qsizetype contentStart) {
    Line line;
    const qsizetype newline = text.indexOf('\n', start);
    line.next = newline < 0 ? text.size() : newline + 1;
    qsizetype contentEnd = newline < 0 ? text.size() : newline;
    if (contentEnd > contentStart && text[contentEnd - 1] == '\r') {
        --contentEnd;
    }
    line.content = {contentStart, contentEnd};

    const Range trimmed = TrimBlanks(text, line.content);
    if (trimmed.begin == trimmed.end || text[trimmed.begin] == ';') {
        return line;
    }
    if (text[trimmed.begin] == '[' && text[trimmed.end - 1] == ']' &&
        trimmed.end - trimmed.begin >= 2) {
        line.kind = LineKind::Section;
        line.name = TrimBlanks(text, {trimmed.begin + 1, trimmed.end - 1});
        return line;
    }
    // Searched within the line only, so that a file of lines without '=' is not read over and
    // over to the end.
    const qsizetype equals = Slice(text, trimmed).indexOf('=');
    if (equals >= 0) {
        line.kind = LineKind::Key;
        line.name = TrimBlanks(text, {trimmed.begin, trimmed.begin + equals});
        line.value = TrimBlanks(text, {trimmed.begin + equals + 1, trimmed.end});
    }
    return line;
}

struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    Range value;            // when the key is found
    qsizetype insertAt = 0; // when only the section is found: after its last key line
};

// Calls `visit` with each line in turn, the first one past any byte-order mark, until it
// returns false.
template <class Visit> void ForEachLine(const QByteArray& text, Visit visit) {
    qsizetype start = 0;
    qsizetype contentStart = text.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (start < text.size()) {
        const Line line = ReadLine(text, start, contentStart);
        if (!visit(line))
            return;
        start = line.next;
        contentStart = start;
    }
}

bool NameIs(const QByteArray& text, const Range& name, QByteArrayView wanted) {
    return Slice(text, name).compare(wanted, Qt::CaseInsensitive) == 0;
}

Location Locate(const QByteArray& text, QByteArrayView section, QByteArrayView key) {
    Location found;
    bool inSection = false;
    ForEachLine(text, [&](const Line& line) {
        if (line.kind == LineKind::Section) {
            // Only the first section of the name counts.
            if (inSection)
                return false;
            if (NameIs(text, line.name, section)) {
                inSection = true;
                found.sectionFound = true;
                found.insertAt = line.next;
            }
        } else if (line.kind == LineKind::Key && inSection) {
            found.insertAt = line.next;
            if (NameIs(text, line.name, key)) {
                found.keyFound = true;
                found.value = line.value;
                return false;
            }
        }
        return true;
    });
    return found;
}

// The number of bytes of the UTF-8 character at `pos`. A byte that does not begin a
// well-formed sequence counts as one character, as decoding would turn it into one
// replacement character.
qsizetype CharacterLength(QByteArrayView bytes, qsizetype pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    qsizetype length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (pos + length > bytes.size()) {
        return 1;
    }
    for (qsizetype i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(bytes[pos + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

QByteArrayView FirstCharacters(QByteArrayView bytes, qsizetype count) {
    qsizetype pos = 0;
    for (qsizetype n = 0; n < count && pos < bytes.size(); ++n) {
        pos += CharacterLength(bytes, pos);
    }
    return bytes.first(pos);
}

QByteArrayView LineEndingOf(const QByteArray& text) {
    const qsizetype newline = text.indexOf('\n');
    if (newline > 0 && text[newline - 1] == '\r') {
        return "\r\n";
    }
    return "\n";
}

// Whether new lines can be appended at `pos` without first ending the line before it.
bool StartsALine(const QByteArray& text, qsizetype pos) {
    if (pos == 0 || text[pos - 1] == '\n') {
        return true;
    }
    return pos == kByteOrderMark.size() && text.startsWith(kByteOrderMark);
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<QByteArray> IniValue(const QByteArray& text, QByteArrayView section,
                                   QByteArrayView key) {
    const Location found = Locate(text, section, key);
    if (!found.keyFound) {
        return std::nullopt;
    }
    return FirstCharacters(Slice(text, found.value), kMaxIniValueCharacters).toByteArray();
}

QByteArray WithIniValue(const QByteArray& text, QByteArrayView section, QByteArrayView key,
                        QByteArrayView value) {
    const Location found = Locate(text, section, key);
    QByteArray result;
    if (found.keyFound) {
        result.reserve(text.size() - (found.value.end - found.value.begin) + value.size());
        result.append(QByteArrayView(text).first(found.value.begin));
        result.append(value);
        result.append(QByteArrayView(text).sliced(found.value.end));
        return result;
    }

    const QByteArrayView ending = LineEndingOf(text);
    const qsizetype insertAt = found.sectionFound ? found.insertAt : text.size();
    result.reserve(text.size() + section.size() + key.size() + value.size() + 4 +
                   3 * ending.size());
    result.append(QByteArrayView(text).first(insertAt));
    if (!StartsALine(text, insertAt)) {
        // A CR that ends the file was read as its last line's ending: an LF completes it, where
        // a whole CRLF would leave that CR inside the line and lengthen its value.
        const bool endsWithCr = insertAt == text.size() && text.endsWith('\r');
        result.append(endsWithCr ? QByteArrayView("\n") : ending);
    }
    if (!found.sectionFound) {
        result.append('[').append(section).append(']').append(ending);
    }
    result.append(key).append('=').append(value).append(ending);
    result.append(QByteArrayView(text).sliced(insertAt));
    return result;
}

std::vector<std::pair<QByteArray, QByteArray>> IniSectionValues(const QByteArray& text,
                                                                QByteArrayView section) {
    std::vector<std::pair<QByteArray, QByteArray>> entries;
    QSet<QByteArray> seen;
    bool inSection = false;
    ForEachLine(text, [&](const Line& line) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                return false;
            inSection = NameIs(text, line.name, section);
        } else if (line.kind == LineKind::Key && inSection) {
            const QByteArray key = Slice(text, line.name).toByteArray();
            // Names match ignoring the case of ASCII letters, as QByteArray::toLower folds them.
            if (!seen.contains(key.toLower())) {
                seen.insert(key.toLower());
                entries.emplace_back(
                    key,
                    FirstCharacters(Slice(text, line.value), kMaxIniValueCharacters).toByteArray());
            }
        }
        return true;
    });
    return entries;
}

QByteArray WithoutIniKey(const QByteArray& text, QByteArrayView section, QByteArrayView key) {
    QByteArray result;
    result.reserve(text.size());
    if (text.startsWith(kByteOrderMark))
        result.append(kByteOrderMark);
    bool inSection = false;
    bool sectionDone = false;
    ForEachLine(text, [&](const Line& line) {
        if (line.kind == LineKind::Section && !sectionDone) {
            sectionDone = inSection;
            inSection = !sectionDone && NameIs(text, line.name, section);
        }
        const bool dropped =
            inSection && !sectionDone && line.kind == LineKind::Key && NameIs(text, line.name, key);
        if (!dropped)
            result.append(
                QByteArrayView(text).sliced(line.content.begin, line.next - line.content.begin));
        return true;
    });
    return result;
}

bool ParseFlag(const QByteArray& text, bool defaultFlag) {
    const Range trimmed = TrimBlanks(text, {0, text.size()});
    qsizetype pos = trimmed.begin;
    if (pos < trimmed.end && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    bool (*isDigit)(char) = IsDecimalDigit;
    if (trimmed.end - pos >= 2 && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        isDigit = IsHexDigit;
        pos += 2;
    }
    if (pos == trimmed.end) {
        return defaultFlag;
    }
    // The digits are only looked at, never added up, so no length of number can overflow.
    bool nonZero = false;
    for (; pos < trimmed.end; ++pos) {
        if (!isDigit(text[pos])) {
            return defaultFlag;
        }
        nonZero = nonZero || text[pos] != '0';
    }
    return nonZero;
}

} // namespace dutyloop
