#include "ui/calendar/date_field.h"

#include "calendar/date_moves.h"
#include "calendar/typed_date.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace dutyloop {

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
    setDateRange(kPickerFirstDate, kPickerLastDate);
    // A typed date beyond the range goes to its nearest end, by fixup() below.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // In a right-to-left layout the field turns the date's parts around, so that 10.12.2026
    // reads 2026.12.10; it keeps them in the locale's order, and its text alone follows the
    // window's direction, as the status line's date does.
    setLayoutDirection(Qt::LeftToRight);
}

void DateField::setDateFormat(const QLocale& locale, const QString& format) {
    setLocale(locale);
    setDisplayFormat(format);
    lineEdit()->setLayoutDirection(parentWidget() ? parentWidget()->layoutDirection()
                                                  : QGuiApplication::layoutDirection());
}

// Coming in with the keyboard, the whole date is selected, so a date typed over it replaces it.
void DateField::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        lineEdit()->selectAll();
}

// A date is typed as it is written, separators and all: the field's own typing goes section by
// section and jumps ahead by itself, so that "24.12.2026" typed in full would land the 12 in
// the year. Typed characters go straight into the text, which is read as a whole; the arrow
// keys still step the section under the cursor.
void DateField::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (typed && IsNumericDateFormat(displayFormat()))
        QAbstractSpinBox::keyPressEvent(event);
    else
        QDateEdit::keyPressEvent(event);
}

QValidator::State DateField::validate(QString& input, int& pos) const {
    if (!IsNumericDateFormat(displayFormat()))
        return QDateEdit::validate(input, pos);
    const TypedDate typed = ReadTypedDate(input, displayFormat());
    switch (typed.state) {
    case TypedDate::State::Wrong:
        return QValidator::Invalid;
    case TypedDate::State::Unfinished:
        return QValidator::Intermediate;
    case TypedDate::State::Whole:
        break;
    }
    // A day the calendar has not, or one beyond the field's range, may still be corrected.
    return typed.date.isValid() && typed.date >= minimumDate() && typed.date <= maximumDate()
               ? QValidator::Acceptable
               : QValidator::Intermediate;
}

// A whole date beyond the range is taken as the nearest day the calendar shows.
void DateField::fixup(QString& input) const {
    const TypedDate typed = ReadTypedDate(input, displayFormat());
    if (typed.state == TypedDate::State::Whole && typed.date.isValid())
        input = textFromDateTime(QDateTime(ClampToPicker(typed.date), time()));
    else
        QDateEdit::fixup(input);
}

QDateTime DateField::dateTimeFromText(const QString& text) const {
    const TypedDate typed = ReadTypedDate(text, displayFormat());
    if (typed.state == TypedDate::State::Whole && typed.date.isValid())
        return QDateTime(typed.date, time());
    return QDateEdit::dateTimeFromText(text);
}

} // namespace dutyloop
