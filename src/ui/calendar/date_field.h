#pragma once

#include <QDateEdit>

namespace dutyloop {

// The footer's date field: a date as the user's locale writes it, with the whole year, and
// typed either so or as ISO (2026-12-24), which reads the same in every language.
//
// QDateTimeEdit reads its text section by section at every move of the cursor, and a text that
// is not yet a whole date then becomes the first day of its range. While the user types, the
// field is therefore a plain line of text: nothing is read until Enter, a step key or leaving the
// field, and a text that cannot be read is said to be so and left for the user to mend.
class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent);

    // The locale's digits and its short date `format`.
    void setDateFormat(const QLocale& locale, const QString& format);

    // Opens the drop-down calendar, as Alt+Down and F4 do.
    void openPicker();

signals:
    // Enter, or a step key, on a text that reads as no date; `why` says so in words.
    void dateUnreadable(const QString& why);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QDateTime dateTimeFromText(const QString& text) const override;

private:
    bool isTyping() const { return m_typing; }
    void startTyping();
    // Hands the typed text back to the field, which reads it from here on.
    void stopTyping();
    // Whether the text, as typed, reads as a date (one beyond the range is taken at its end).
    bool textReadsAsDate() const;
    void showUnreadable();
    void clearUnreadable();

    bool m_typing = false;
    bool m_unreadableShown = false;
};

} // namespace dutyloop
