#include "schedule/day_changes.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace dutyloop {

bool ChangeFits(DayChangeKind kind, DutyCode rostered) {
    if (rostered == DutyCode::NoRotation)
        return false;
    switch (kind) {
    case DayChangeKind::AsRostered:
    case DayChangeKind::Leave:
    case DayChangeKind::Sick:
        return true;
    case DayChangeKind::SwappedOff:
        return rostered == DutyCode::Work;
    case DayChangeKind::ExtraDuty:
        return rostered == DutyCode::Off;
    }
    return false;
}

DayChange StoredChangeOn(QDate date, const DayChanges& changes) {
    const auto found = changes.find(date);
    return found == changes.end() ? DayChange() : found->second;
}

DayChange ChangeOn(QDate date, QDate anchorDate, const DayChanges& changes) {
    const auto found = changes.find(date);
    if (found == changes.end())
        return {};
    const DutyCode rostered = DutyCodeFor(date, anchorDate);
    if (rostered == DutyCode::NoRotation)
        return {};
    DayChange change = found->second;
    if (!ChangeFits(change.kind, rostered))
        change.kind = DayChangeKind::AsRostered;
    return change;
}

DutyCode EffectiveDutyFor(QDate date, QDate anchorDate, const DayChanges& changes) {
    const DutyCode rostered = DutyCodeFor(date, anchorDate);
    switch (ChangeOn(date, anchorDate, changes).kind) {
    case DayChangeKind::AsRostered:
        return rostered;
    case DayChangeKind::Leave:
    case DayChangeKind::Sick:
    case DayChangeKind::SwappedOff:
        return DutyCode::Off;
    case DayChangeKind::ExtraDuty:
        return DutyCode::Work;
    }
    return rostered;
}

namespace {

// The characters that make text run the other way or change how its runs are ordered: the
// embeddings, overrides and isolates with their ends, and the invisible direction marks. In a
// note they would turn round the text of whatever shows it after them.
bool IsDirectionControl(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
           u == 0x200F || u == 0x061C;
}

// Half of a surrogate pair without its other half: no character at all.
bool IsLoneSurrogate(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

// The text up to the last boundary between whole characters as a reader sees them (grapheme
// clusters) within kMaxNoteCharacters, so that no accent, flag or emoji is cut in two.
QString CutToLimit(const QString& text) {
    if (text.size() <= kMaxNoteCharacters)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(kMaxNoteCharacters);
    if (!graphemes.isAtBoundary())
        graphemes.toPreviousBoundary();
    return text.left(std::max<qsizetype>(graphemes.position(), 0));
}

} // namespace

QString NoteWithinLimit(const QString& note) {
    QString kept;
    kept.reserve(note.size());
    for (qsizetype i = 0; i < note.size(); ++i) {
        if (!IsDirectionControl(note[i]) && !IsLoneSurrogate(note, i))
            kept += note[i];
    }
    return CutToLimit(kept);
}

QString CleanNote(const QString& note) {
    QString clean = note;
    for (QChar& c : clean) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    // Trimmed before the cut, so that blanks at the start take no room, and after it, as the cut
    // may end at a blank.
    return NoteWithinLimit(clean.trimmed()).trimmed();
}

} // namespace dutyloop
