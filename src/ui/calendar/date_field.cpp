#include "ui/calendar/date_field.h"

#include "calendar/date_moves.h"
#include "calendar/typed_date.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace dutyloop {

namespace {

// A key that changes the text rather than moving in it.
bool EditsText(const QKeyEvent* event) {
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() &&
        !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return true;
    for (const QKeySequence::StandardKey edit :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteCompleteLine}) {
        if (event->matches(edit))
            return true;
    }
    return event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
}

bool OpensPicker(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier) ||
           (event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier);
}

bool TakesTypedDate(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

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

// The field opens its drop-down calendar on a press on its arrow, and has no other way in.
void DateField::openPicker() {
    QStyleOptionComboBox arrowOption;
    arrowOption.initFrom(this);
    arrowOption.editable = true;
    arrowOption.subControls = QStyle::SC_All;
    const QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &arrowOption, QStyle::SC_ComboBoxArrow, this);
    const QPointF at =
        arrow.isValid() ? QPointF(arrow.center()) : QPointF(width() - 5, height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

// Coming in with the keyboard, the whole date is selected, so a date typed over it replaces it.
void DateField::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        lineEdit()->selectAll();
}

// Leaving the field takes the date typed; a text that reads as none gives way to the date the
// field held, as the calendar did not move. When the whole window loses the keyboard the text
// waits, half typed, for the user to come back to it, as in any line of text.
void DateField::focusOutEvent(QFocusEvent* event) {
    if (isTyping() && event->reason() == Qt::ActiveWindowFocusReason) {
        QCoreApplication::sendEvent(lineEdit(), event);
        QWidget::focusOutEvent(event);
        return;
    }
    if (isTyping()) {
        const bool readable = textReadsAsDate();
        if (!readable) {
            const QSignalBlocker quiet(lineEdit());
            lineEdit()->setText(textFromDateTime(dateTime()));
        }
        stopTyping();
        if (readable)
            interpretText();
    }
    clearUnreadable();
    QDateEdit::focusOutEvent(event);
}

// A date is typed as it is written, separators and all: the field's own typing goes section by
// section and jumps ahead by itself, so that "24.12.2026" typed in full would land the 12 in
// the year. Typed characters go straight into the text, which is read as a whole when the user
// is done; the arrow keys still step the section under the cursor.
void DateField::keyPressEvent(QKeyEvent* event) {
    if (OpensPicker(event)) {
        if (isTyping() && !textReadsAsDate()) {
            showUnreadable();
            return;
        }
        if (isTyping()) {
            stopTyping();
            interpretText();
        }
        openPicker();
        return;
    }
    if (!IsNumericDateFormat(displayFormat())) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    if (isTyping() && event->key() == Qt::Key_Escape) {
        // Escape gives up what was typed, as in a line of text.
        {
            const QSignalBlocker quiet(lineEdit());
            lineEdit()->setText(textFromDateTime(dateTime()));
            lineEdit()->selectAll();
        }
        stopTyping();
        clearUnreadable();
        return;
    }
    if (isTyping() && TakesTypedDate(event)) {
        if (!textReadsAsDate()) {
            showUnreadable();
            return;
        }
        stopTyping();
        // The typed date is taken before a step goes from it.
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            interpretText();
    }
    if (!isTyping() && EditsText(event))
        startTyping();
    if (isTyping()) {
        clearUnreadable();
        lineEdit()->event(event);
        return;
    }
    QDateEdit::keyPressEvent(event);
}

// The field's own reading of its text stays away while the user types: the text goes to the
// field, and with it its cursor, once the user is done.
void DateField::startTyping() {
    m_typing = true;
    lineEdit()->blockSignals(true);
}

void DateField::stopTyping() {
    m_typing = false;
    lineEdit()->blockSignals(false);
}

bool DateField::textReadsAsDate() const {
    const TypedDate typed = ReadTypedDate(lineEdit()->text(), displayFormat());
    return typed.state == TypedDate::State::Whole && typed.date.isValid();
}

void DateField::showUnreadable() {
    const QString why = tr("Not a date: type it as %1 or as %2.")
                            .arg(textFromDateTime(dateTime()), date().toString(Qt::ISODate));
    QPalette palette = lineEdit()->palette();
    palette.setColor(QPalette::Text, QColor(0xB0, 0x00, 0x20));
    lineEdit()->setPalette(palette);
    lineEdit()->setToolTip(why);
    m_unreadableShown = true;
    emit dateUnreadable(why);
}

void DateField::clearUnreadable() {
    if (!std::exchange(m_unreadableShown, false))
        return;
    // The text takes the field's colour again.
    lineEdit()->setPalette(QPalette());
    lineEdit()->setToolTip(QString());
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
