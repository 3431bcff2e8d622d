#include "calendar/count_texts.h"

#include <QCoreApplication>

namespace dutyloop {

QString WorkDaysText(int days) {
    return QCoreApplication::translate("Calendar", "%n work days", nullptr, days);
}

QString OffDaysText(int days) {
    //: The days off beside the work days, as in "12 work days, 19 off".
    return QCoreApplication::translate("Calendar", "%n off", nullptr, days);
}

QString MonthCountText(QDate shown, const DutyOf& duty, const LocaleSettings& locale) {
    const DutyCount month = MonthDutyCount(shown, duty);
    if (month.work + month.off == 0)
        return {};
    const QString year = QString::number(shown.year());
    const QString name = locale.longMonthNames[static_cast<std::size_t>(shown.month() - 1)];
    //: A month's days: the month, the year, then "12 work days" and "19 off".
    const QString text =
        CapitalizedFirst(QCoreApplication::translate("Calendar", "%1 %2: %3, %4")
                             .arg(name, year, WorkDaysText(month.work), OffDaysText(month.off)),
                         locale);
    if (shown.month() == 1)
        return text;
    const QDate monthEnd(shown.year(), shown.month(), shown.daysInMonth());
    const DutyCount sofar = YearDutyCountUpTo(monthEnd, duty);
    //: The days from January to the month: January, the month, the year, then "157 work days"
    //: and "208 off".
    return text + QLatin1Char('\n') +
           CapitalizedFirst(QCoreApplication::translate("Calendar", "%1 to %2 %3: %4, %5")
                                .arg(locale.longMonthNames[0], name, year, WorkDaysText(sofar.work),
                                     OffDaysText(sofar.off)),
                            locale);
}

} // namespace dutyloop
