#include "calendar/count_texts.h"

#include <QCoreApplication>

namespace dutyloop {

QString MonthCountText(QDate shown, const DutyOf& duty, const LocaleSettings& locale) {
    const DutyCount month = MonthDutyCount(shown, duty);
    if (month.work + month.off == 0)
        return {};
    const QString year = QString::number(shown.year());
    const QString name = locale.longMonthNames[static_cast<std::size_t>(shown.month() - 1)];
    QString text = QCoreApplication::translate("Calendar", "%1 %2: %3 work days, %4 off")
                       .arg(name, year)
                       .arg(month.work)
                       .arg(month.off);
    if (shown.month() == 1)
        return text;
    const QDate monthEnd(shown.year(), shown.month(), shown.daysInMonth());
    const DutyCount sofar = YearDutyCountUpTo(monthEnd, duty);
    return text + QLatin1Char('\n') +
           QCoreApplication::translate("Calendar", "%1 to %2 %3: %4 work days, %5 off")
               .arg(locale.longMonthNames[0], name, year)
               .arg(sofar.work)
               .arg(sofar.off);
}

} // namespace dutyloop
