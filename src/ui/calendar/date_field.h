#pragma once

#include <QDateEdit>

namespace dutyloop {

// The footer's date field: a date as the user's locale writes it, with the whole year, and
// typed either so or as ISO (2026-12-24), which reads the same in every language.
class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent);

    // The locale's digits and its short date `format`.
    void setDateFormat(const QLocale& locale, const QString& format);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QDateTime dateTimeFromText(const QString& text) const override;
};

} // namespace dutyloop
