#pragma once

#include <QDate>

namespace dutyloop {

// The span the calendar can show and step through.
inline const QDate kFirstCalendarDate{1, 1, 1};
inline const QDate kLastCalendarDate{9999, 12, 31};

// The date picker's limits.
inline const QDate kPickerFirstDate{2014, 3, 31};
inline const QDate kPickerLastDate{2100, 12, 31};

QDate ClampToPicker(QDate date);

// `moved` where it lies in the calendar's span, else `from`: a step out of the span stays.
QDate WithinCalendar(QDate moved, QDate from);

struct KeyMove {
    QDate shownDate;
    bool marksDate; // the new ShownDate becomes the date End returns to
};

// Where a key (a Qt::Key) takes the selection: Page Up and Down a month (to the same day, or
// the month's last where it is shorter), the arrows a day or a week, Home today and End the
// marked date; any other key leaves it where it is, as does a step out of the calendar's span.
KeyMove KeyMoveFor(int key, QDate shownDate, QDate markedDate, QDate today);

} // namespace dutyloop
