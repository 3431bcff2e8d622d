#include "schedule/day_changes.h"

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

QString CleanNote(const QString& note) {
    QString clean = note;
    for (QChar& c : clean) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    clean = clean.trimmed();
    if (clean.size() > kMaxNoteCharacters) {
        qsizetype cut = kMaxNoteCharacters;
        // A surrogate pair stays whole.
        if (clean[cut - 1].isHighSurrogate())
            --cut;
        clean = clean.left(cut).trimmed();
    }
    return clean;
}

} // namespace dutyloop
