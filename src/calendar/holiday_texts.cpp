#include "calendar/holiday_texts.h"

#include "calendar/isolated_runs.h"

#include <QCoreApplication>
#include <QStringList>

namespace dutyloop {

namespace {

const char* HolidayNameSource(HolidayName name) {
    switch (name) {
    case HolidayName::NewYearsDay:
        return QT_TRANSLATE_NOOP("Holidays", "New Year's Day");
    case HolidayName::Epiphany:
        return QT_TRANSLATE_NOOP("Holidays", "Epiphany");
    case HolidayName::InternationalWomensDay:
        return QT_TRANSLATE_NOOP("Holidays", "International Women's Day");
    case HolidayName::GoodFriday:
        return QT_TRANSLATE_NOOP("Holidays", "Good Friday");
    case HolidayName::EasterSunday:
        return QT_TRANSLATE_NOOP("Holidays", "Easter Sunday");
    case HolidayName::EasterMonday:
        return QT_TRANSLATE_NOOP("Holidays", "Easter Monday");
    case HolidayName::LabourDay:
        return QT_TRANSLATE_NOOP("Holidays", "Labour Day");
    case HolidayName::LiberationDay:
        return QT_TRANSLATE_NOOP("Holidays", "Liberation Day");
    case HolidayName::UprisingOf17June:
        return QT_TRANSLATE_NOOP("Holidays", "Anniversary of the Uprising of 17 June 1953");
    case HolidayName::VictoryInEuropeDay:
        return QT_TRANSLATE_NOOP("Holidays", "Victory in Europe Day");
    case HolidayName::AscensionDay:
        return QT_TRANSLATE_NOOP("Holidays", "Ascension Day");
    case HolidayName::WhitSunday:
        return QT_TRANSLATE_NOOP("Holidays", "Whit Sunday");
    case HolidayName::WhitMonday:
        return QT_TRANSLATE_NOOP("Holidays", "Whit Monday");
    case HolidayName::CorpusChristi:
        return QT_TRANSLATE_NOOP("Holidays", "Corpus Christi");
    case HolidayName::AssumptionDay:
        return QT_TRANSLATE_NOOP("Holidays", "Assumption Day");
    case HolidayName::WorldChildrensDay:
        return QT_TRANSLATE_NOOP("Holidays", "World Children's Day");
    case HolidayName::GermanUnityDay:
        return QT_TRANSLATE_NOOP("Holidays", "German Unity Day");
    case HolidayName::AustrianNationalDay:
        return QT_TRANSLATE_NOOP("Holidays", "Austrian National Day");
    case HolidayName::ReformationDay:
        return QT_TRANSLATE_NOOP("Holidays", "Reformation Day");
    case HolidayName::AllSaintsDay:
        return QT_TRANSLATE_NOOP("Holidays", "All Saints' Day");
    case HolidayName::DayOfRepentanceAndPrayer:
        return QT_TRANSLATE_NOOP("Holidays", "Day of Repentance and Prayer");
    case HolidayName::ArmisticeDay:
        return QT_TRANSLATE_NOOP("Holidays", "Armistice Day");
    case HolidayName::ImmaculateConception:
        return QT_TRANSLATE_NOOP("Holidays", "Immaculate Conception");
    case HolidayName::ChristmasDay:
        return QT_TRANSLATE_NOOP("Holidays", "Christmas Day");
    case HolidayName::SecondDayOfChristmas:
        return QT_TRANSLATE_NOOP("Holidays", "St Stephen's Day");
    case HolidayName::BastilleDay:
        return QT_TRANSLATE_NOOP("Holidays", "Bastille Day");
    case HolidayName::MartinLutherKingDay:
        return QT_TRANSLATE_NOOP("Holidays", "Martin Luther King Jr. Day");
    case HolidayName::WashingtonsBirthday:
        return QT_TRANSLATE_NOOP("Holidays", "Washington's Birthday");
    case HolidayName::MemorialDay:
        return QT_TRANSLATE_NOOP("Holidays", "Memorial Day");
    case HolidayName::Juneteenth:
        return QT_TRANSLATE_NOOP("Holidays", "Juneteenth");
    case HolidayName::IndependenceDay:
        return QT_TRANSLATE_NOOP("Holidays", "Independence Day");
    case HolidayName::LaborDay:
        return QT_TRANSLATE_NOOP("Holidays", "Labor Day");
    case HolidayName::ColumbusDay:
        return QT_TRANSLATE_NOOP("Holidays", "Columbus Day");
    case HolidayName::VeteransDay:
        return QT_TRANSLATE_NOOP("Holidays", "Veterans Day");
    case HolidayName::Thanksgiving:
        return QT_TRANSLATE_NOOP("Holidays", "Thanksgiving Day");
    case HolidayName::Titled:
        break;
    }
    return "";
}

const char* RegionSource(HolidayRegion region) {
    switch (region) {
    case HolidayRegion::None:
        return QT_TRANSLATE_NOOP("Holidays", "None");
    case HolidayRegion::UnitedStates:
        return QT_TRANSLATE_NOOP("Holidays", "United States");
    case HolidayRegion::BadenWuerttemberg:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Baden-Württemberg");
    case HolidayRegion::Bavaria:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Bavaria");
    case HolidayRegion::Berlin:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Berlin");
    case HolidayRegion::Brandenburg:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Brandenburg");
    case HolidayRegion::Bremen:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Bremen");
    case HolidayRegion::Hamburg:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Hamburg");
    case HolidayRegion::Hesse:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Hesse");
    case HolidayRegion::MecklenburgVorpommern:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Mecklenburg-Vorpommern");
    case HolidayRegion::LowerSaxony:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Lower Saxony");
    case HolidayRegion::NorthRhineWestphalia:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – North Rhine-Westphalia");
    case HolidayRegion::RhinelandPalatinate:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Rhineland-Palatinate");
    case HolidayRegion::Saarland:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Saarland");
    case HolidayRegion::Saxony:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Saxony");
    case HolidayRegion::SaxonyAnhalt:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Saxony-Anhalt");
    case HolidayRegion::SchleswigHolstein:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Schleswig-Holstein");
    case HolidayRegion::Thuringia:
        return QT_TRANSLATE_NOOP("Holidays", "Germany – Thuringia");
    case HolidayRegion::Austria:
        return QT_TRANSLATE_NOOP("Holidays", "Austria");
    case HolidayRegion::France:
        return QT_TRANSLATE_NOOP("Holidays", "France");
    case HolidayRegion::AlsaceMoselle:
        return QT_TRANSLATE_NOOP("Holidays", "France – Alsace-Moselle");
    }
    return "";
}

} // namespace

QString HolidayNameText(const Holiday& holiday) {
    if (holiday.name == HolidayName::Titled)
        return holiday.title;
    const QString name = QCoreApplication::translate("Holidays", HolidayNameSource(holiday.name));
    return holiday.observed ? QCoreApplication::translate("Holidays", "%1 (observed)").arg(name)
                            : name;
}

QString HolidayRegionText(HolidayRegion region) {
    return QCoreApplication::translate("Holidays", RegionSource(region));
}

QString HolidayNamesOn(QDate date, const HolidayList& holidays) {
    QStringList names;
    const auto [first, last] = HolidaysOn(date, holidays);
    for (auto holiday = first; holiday != last; ++holiday)
        names.append(HolidayNameText(*holiday));
    return names.join(QCoreApplication::translate("Holidays", ", "));
}

QString AccessibleNameWithHoliday(const QString& name, const QString& holiday) {
    return holiday.isEmpty() ? name
                             : QCoreApplication::translate("Holidays", "%1, public holiday: %2")
                                   .arg(name, holiday);
}

QString ToolTipWithHoliday(const QString& toolTip, const QString& holiday) {
    return holiday.isEmpty()
               ? toolTip
               : toolTip + QLatin1Char('\n') +
                     QCoreApplication::translate("Holidays", "Public holiday: %1").arg(holiday);
}

QString HolidayCountText(int inMonth, int inYear, QDate shown, const LocaleSettings& locale) {
    const QString month = locale.longMonthNames[static_cast<std::size_t>(shown.month() - 1)];
    return QCoreApplication::translate("Holidays", "Holidays on duty: %1 in %2, %3 in %4")
        .arg(NumberText(inMonth, locale), month, NumberText(inYear, locale),
             YearText(shown.year(), locale));
}

HolidayList HolidaysOnDuty(const HolidayList& holidays, int year, const DutyOf& duty) {
    HolidayList onDuty;
    const auto first = HolidaysOn(QDate(year, 1, 1), holidays).first;
    for (auto holiday = first; holiday != holidays.end() && holiday->date.year() == year;
         ++holiday) {
        if (duty(holiday->date) == DutyCode::Work)
            onDuty.push_back(*holiday);
    }
    return onDuty;
}

} // namespace dutyloop
