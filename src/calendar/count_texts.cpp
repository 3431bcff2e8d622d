#include "calendar/count_texts.h"

#include "calendar/isolated_runs.h"

#include <QCoreApplication>

namespace dutyloop {

namespace {

constexpr const char* kWorkDays = QT_TRANSLATE_N_NOOP("Calendar", "%n work days");
//: The days off beside the work days, as in "12 work days, 19 off".
constexpr const char* kOffDays = QT_TRANSLATE_N_NOOP("Calendar", "%n off");

} // namespace

QString WorkDaysText(int days) {
    return QCoreApplication::translate("Calendar", kWorkDays, nullptr, days);
}

QString OffDaysText(int days) {
    return QCoreApplication::translate("Calendar", kOffDays, nullptr, days);
}

QString WorkDaysText(int days, const LocaleSettings& locale) {
    return CountText("Calendar", kWorkDays, days, locale);
}

QString OffDaysText(int days, const LocaleSettings& locale) {
    return CountText("Calendar", kOffDays, days, locale);
}

QString MonthCountText(QDate shown, const DutyOf& duty, const LocaleSettings& locale) {
    const DutyCount month = MonthDutyCount(shown, duty);
    if (month.work + month.off == 0)
        return {};
    const QString year = YearText(shown.year(), locale);
    const QString name = locale.longMonthNames[static_cast<std::size_t>(shown.month() - 1)];
    //: A month's days: the month, the year, then "12 work days" and "19 off".
    const QString text = CapitalizedFirst(
        QCoreApplication::translate("Calendar", "%1 %2: %3, %4")
            .arg(name, year, WorkDaysText(month.work, locale), OffDaysText(month.off, locale)),
        locale);
    if (shown.month() == 1)
        return text;
    const QDate monthEnd(shown.year(), shown.month(), shown.daysInMonth());
    const DutyCount sofar = YearDutyCountUpTo(monthEnd, duty);
    //: The days from January to the month: January, the month, the year, then "157 work days"
    //: and "208 off".
    return text + QLatin1Char('\n') +
           CapitalizedFirst(QCoreApplication::translate("Calendar", "%1 to %2 %3: %4, %5")
                                .arg(locale.longMonthNames[0], name, year,
                                     WorkDaysText(sofar.work, locale),
                                     OffDaysText(sofar.off, locale)),
                            locale);
}

} // namespace dutyloop
