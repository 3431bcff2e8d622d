#pragma once

#include <QAbstractSpinBox>
#include <QLocale>
#include <QTime>

namespace dutyloop {

// A clock time as the user's locale writes it, made to be set by ear as well as by eye.
//
// The Tab key comes in and leaves as at any other field; Qt's time field walks its hour, minutes
// and the day's half instead, which a screen reader reads as bare numbers. Coming in, the whole
// time is selected. Up and Down step the part under the cursor, the hour where the cursor has
// not moved, and each step is said as the whole time. A time typed from wherever the cursor
// stands replaces the whole ("6:30 AM", "18:30", "630") and is taken with Enter or on leaving
// the field; what is not a time is dropped.
class TimeField : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(QTime time READ time WRITE setTime NOTIFY timeChanged USER true)
    // The minutes since midnight, the number under which Qt shows a screen reader the field's
    // value.
    Q_PROPERTY(int value READ minutesOfDay)

public:
    TimeField(const QLocale& locale, QWidget* parent);

    QTime time() const { return m_time; }
    void setTime(QTime time);
    int minutesOfDay() const { return m_time.msecsSinceStartOfDay() / 60000; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void timeChanged(QTime time);

protected:
    StepEnabled stepEnabled() const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Part { Hour, Minute, Half };

    QTime timeFromText(const QString& text) const;
    QString textOf(QTime time) const;
    // Where the cursor stands, and where each part of the shown time lies.
    Part partAtCursor() const;
    std::pair<int, int> placeOf(Part part) const;
    void takeTypedTime();
    void showTime(QTime time, Part selected);
    void selectWholeTime();

    QString m_format;
    QTime m_time{0, 0};
    // Since the first character typed, until the time is taken or left: the keys edit the text
    // as a whole, not a part at a time.
    bool m_typing = false;
};

} // namespace dutyloop
