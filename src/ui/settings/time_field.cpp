#include "ui/settings/time_field.h"

#include "calendar/locale_settings.h"
#include "calendar/typed_time.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace dutyloop {

namespace {

constexpr int kSecondsPerHour = 60 * 60;

} // namespace

TimeField::TimeField(const QLocale& locale, QWidget* parent)
    : QAbstractSpinBox(parent), m_format(ClockTimeFormat(locale)) {
    setLocale(locale);
    // Past midnight the clock goes round, as a duty does.
    setWrapping(true);
    lineEdit()->setText(textOf(m_time));
    connect(this, &QAbstractSpinBox::editingFinished, this, &TimeField::takeTypedTime);
}

void TimeField::setTime(QTime time) {
    time = QTime(time.hour(), time.minute());
    if (!time.isValid())
        return;
    m_typing = false;
    if (time != m_time) {
        m_time = time;
        // Told before the text changes: a screen reader then reads the whole new time, and
        // takes the text's changes that follow as said.
        QAccessibleValueChangeEvent told(this, minutesOfDay());
        QAccessible::updateAccessibility(&told);
        lineEdit()->setText(textOf(m_time));
        emit timeChanged(m_time);
    } else if (lineEdit()->text() != textOf(m_time)) {
        lineEdit()->setText(textOf(m_time));
    }
}

QString TimeField::textOf(QTime time) const {
    return locale().toString(time, m_format);
}

QTime TimeField::timeFromText(const QString& text) const {
    // The locale's names of the day's halves, and the English ones, which every keyboard has.
    const TypedTime typed = ReadTypedTime(text, {locale().amText(), QStringLiteral("AM")},
                                          {locale().pmText(), QStringLiteral("PM")});
    if (typed.state == TypedTime::State::Whole)
        return typed.time;
    // A format whose words the typed reading does not know, as the field itself shows it.
    return locale().toTime(text, m_format);
}

QValidator::State TimeField::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    const TypedTime typed = ReadTypedTime(input, {locale().amText(), QStringLiteral("AM")},
                                          {locale().pmText(), QStringLiteral("PM")});
    switch (typed.state) {
    case TypedTime::State::Whole:
        return QValidator::Acceptable;
    case TypedTime::State::Unfinished:
        return QValidator::Intermediate;
    case TypedTime::State::Wrong:
        break;
    }
    return timeFromText(input).isValid() ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled TimeField::stepEnabled() const {
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

void TimeField::stepBy(int steps) {
    if (m_typing)
        takeTypedTime();
    const Part part = partAtCursor();
    const int seconds = part == Part::Half   ? 12 * kSecondsPerHour
                        : part == Part::Hour ? kSecondsPerHour
                                             : 60;
    showTime(m_time.addSecs(steps * seconds), part);
}

void TimeField::showTime(QTime time, Part selected) {
    setTime(time);
    const auto [start, length] = placeOf(selected);
    if (start >= 0)
        lineEdit()->setSelection(start, length);
}

// The hour is the first run of digits, the minutes the second, and the day's half the letters.
std::pair<int, int> TimeField::placeOf(Part part) const {
    const QString text = lineEdit()->text();
    int digitRuns = 0;
    for (int at = 0; at < text.size();) {
        const bool digit = text[at].isDigit();
        if (!digit && !text[at].isLetter()) {
            ++at;
            continue;
        }
        int end = at;
        while (end < text.size() && text[end].isDigit() == digit && (digit || text[end].isLetter()))
            ++end;
        const Part found = !digit ? Part::Half : digitRuns++ == 0 ? Part::Hour : Part::Minute;
        if (found == part)
            return {at, end - at};
        at = end;
    }
    return {-1, 0};
}

TimeField::Part TimeField::partAtCursor() const {
    const int cursor = lineEdit()->cursorPosition();
    for (const Part part : {Part::Hour, Part::Minute, Part::Half}) {
        const auto [start, length] = placeOf(part);
        if (start >= 0 && cursor >= start && cursor <= start + length)
            return part;
    }
    return Part::Hour;
}

// Selected from the end back to the start: the cursor stands in the hour, which the arrow keys
// then step, and a time typed over the selection replaces all of it.
void TimeField::selectWholeTime() {
    const int length = int(lineEdit()->text().size());
    lineEdit()->setSelection(length, -length);
}

void TimeField::takeTypedTime() {
    m_typing = false;
    const QString text = lineEdit()->text();
    if (text == textOf(m_time))
        return;
    const QTime typed = timeFromText(text);
    setTime(typed.isValid() ? typed : m_time);
    // Taken with Enter, the time can be stepped from its hour or typed over again.
    if (hasFocus())
        selectWholeTime();
}

void TimeField::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::ActiveWindowFocusReason)
        m_typing = false;
    QAbstractSpinBox::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        selectWholeTime();
}

// The window losing the keyboard leaves a half-typed time as it is, for the user to finish.
void TimeField::focusOutEvent(QFocusEvent* event) {
    if (m_typing && event->reason() == Qt::ActiveWindowFocusReason) {
        QCoreApplication::sendEvent(lineEdit(), event);
        QWidget::focusOutEvent(event);
        return;
    }
    if (m_typing)
        takeTypedTime();
    QAbstractSpinBox::focusOutEvent(event);
}

void TimeField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_typing) {
        m_typing = false;
        lineEdit()->setText(textOf(m_time));
        selectWholeTime();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (typed && !m_typing) {
        m_typing = true;
        lineEdit()->selectAll();
    }
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace dutyloop
