#include "calendar/date_moves.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

namespace dutyloop {

QDate ClampToPicker(QDate date) {
    return std::clamp(date, kPickerFirstDate, kPickerLastDate);
}

QDate WithinCalendar(QDate moved, QDate from) {
    return moved >= kFirstCalendarDate && moved <= kLastCalendarDate ? moved : from;
}

KeyMove KeyMoveFor(int key, QDate shownDate, QDate markedDate, QDate today) {
    switch (key) {
    case Qt::Key_PageUp:
        return {WithinCalendar(shownDate.addMonths(-1), shownDate), true};
    case Qt::Key_PageDown:
        return {WithinCalendar(shownDate.addMonths(1), shownDate), true};
    case Qt::Key_End:
        return {markedDate, false};
    case Qt::Key_Home:
        return {today, false};
    case Qt::Key_Left:
        return {WithinCalendar(shownDate.addDays(-1), shownDate), true};
    case Qt::Key_Up:
        return {WithinCalendar(shownDate.addDays(-7), shownDate), true};
    case Qt::Key_Right:
        return {WithinCalendar(shownDate.addDays(1), shownDate), true};
    case Qt::Key_Down:
        return {WithinCalendar(shownDate.addDays(7), shownDate), true};
    default:
        return {shownDate, false};
    }
}

} // namespace dutyloop
