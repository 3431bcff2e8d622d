#pragma once

#include "schedule/date.h"

#include <QDate>

namespace dutyloop {

inline Date DateFromQDate(const QDate& date) {
    return DateFromYmd(date.year(), date.month(), date.day());
}

inline QDate QDateFromDate(Date date) {
    const YearMonthDay ymd = YmdFromDate(date);
    return QDate(ymd.year, ymd.month, ymd.day);
}

} // namespace dutyloop
