#include "calendar/typed_time.h"

#include <utility>

namespace dutyloop {

namespace {

enum class Half { None, Morning, Afternoon, Started };

// The day's half named at the start of `text`, and how many characters its name takes; Started
// where all of `text` is only the start of a name.
std::pair<Half, qsizetype> HalfAt(QStringView text, const QStringList& morning,
                                  const QStringList& afternoon) {
    std::pair<Half, qsizetype> found{Half::None, 0};
    for (const auto& [names, half] :
         {std::pair{&morning, Half::Morning}, std::pair{&afternoon, Half::Afternoon}}) {
        for (const QString& name : *names) {
            if (name.isEmpty())
                continue;
            if (text.startsWith(name, Qt::CaseInsensitive) && name.size() > found.second)
                found = {half, name.size()};
            else if (found.first == Half::None &&
                     QStringView(name).startsWith(text, Qt::CaseInsensitive))
                found = {Half::Started, text.size()};
        }
    }
    return found;
}

QStringView SkipSpaces(QStringView text) {
    while (!text.isEmpty() && text.front().isSpace())
        text = text.mid(1);
    return text;
}

// The digits at the start of `text`, at most `most` of them, as a number and a count.
std::pair<int, int> DigitsAt(QStringView text, int most) {
    int value = 0;
    int count = 0;
    while (count < text.size() && count < most && text[count].digitValue() >= 0)
        value = value * 10 + text[count++].digitValue();
    return {value, count};
}

} // namespace

TypedTime ReadTypedTime(QStringView text, const QStringList& morning,
                        const QStringList& afternoon) {
    using State = TypedTime::State;
    const TypedTime unfinished{State::Unfinished, {}};
    text = text.trimmed();
    auto [half, taken] = HalfAt(text, morning, afternoon);
    if (text.isEmpty() || half == Half::Started)
        return unfinished;
    const bool halfFirst = half != Half::None;
    QStringView rest = SkipSpaces(text.mid(taken));
    if (halfFirst && rest.isEmpty())
        return unfinished;

    // The hours, and the minutes after a separator or run on after them.
    const auto [run, runDigits] = DigitsAt(rest, 4);
    if (runDigits == 0)
        return {};
    rest = rest.mid(runDigits);
    const bool separated = !rest.isEmpty() && (rest.front() == u':' || rest.front() == u'.');
    int hours = run;
    int minutes = 0;
    int minuteDigits = 0;
    if (separated) {
        if (runDigits > 2)
            return {};
        std::tie(minutes, minuteDigits) = DigitsAt(rest.mid(1), 2);
        rest = rest.mid(1 + minuteDigits);
    } else if (runDigits > 2) {
        hours = run / 100;
        minutes = run % 100;
        minuteDigits = 2;
    }
    // Digits run together that make no time so far may be on their way to one: "25" to "253"
    // (2:53), "183" to "1830".
    if (!separated && runDigits >= 2 && runDigits <= 3 && (hours > 23 || minutes > 59)) {
        hours = run / 10;
        minutes = run % 10;
        minuteDigits = 1;
    }

    // The half's name after the numbers.
    bool halfUnfinished = false;
    rest = SkipSpaces(rest);
    if (!rest.isEmpty()) {
        const auto [after, length] = HalfAt(rest, morning, afternoon);
        if (halfFirst || after == Half::None || length != rest.size())
            return {};
        half = after;
        halfUnfinished = after == Half::Started;
    }

    const bool named = half == Half::Morning || half == Half::Afternoon;
    const int lastHour = named ? 12 : 23;
    const int firstHour = named ? 1 : 0;
    // A first digit of the minutes above 5 leads to no minute.
    const int mostMinutes = minuteDigits == 1 ? 5 : 59;
    if (hours < firstHour || hours > lastHour || minutes > mostMinutes)
        return {};
    // "6:" and "6:3" wait for the minutes' digits; "1" is a whole hour, and so is "18".
    if (halfUnfinished || minuteDigits == 1 || (separated && minuteDigits == 0))
        return unfinished;
    if (half == Half::Morning && hours == 12)
        hours = 0;
    else if (half == Half::Afternoon && hours < 12)
        hours += 12;
    return {State::Whole, QTime(hours, minutes)};
}

} // namespace dutyloop
