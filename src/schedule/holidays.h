#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

namespace dutyloop {

// Where the public holidays are those of: none, the United States' federal holidays, a German
// state, Austria, or France (Alsace-Moselle keeps two more).
enum class HolidayRegion {
    None,
    UnitedStates,
    BadenWuerttemberg,
    Bavaria,
    Berlin,
    Brandenburg,
    Bremen,
    Hamburg,
    Hesse,
    MecklenburgVorpommern,
    LowerSaxony,
    NorthRhineWestphalia,
    RhinelandPalatinate,
    Saarland,
    Saxony,
    SaxonyAnhalt,
    SchleswigHolstein,
    Thuringia,
    Austria,
    France,
    AlsaceMoselle,
};

// Every region in the order a list offers them, None first.
const std::vector<HolidayRegion>& HolidayRegions();

// The region's code as the settings file keeps it (ISO 3166: "US", "DE-BY", "AT", "FR", and
// "FR-AM" for Alsace-Moselle); empty for None.
QStringView RegionCode(HolidayRegion region);
std::optional<HolidayRegion> RegionOfCode(QStringView code);

// Which holiday a day is; its name, in the user's language, is the calendar layer's.
enum class HolidayName {
    NewYearsDay,
    Epiphany,
    InternationalWomensDay,
    GoodFriday,
    EasterSunday,
    EasterMonday,
    LabourDay,
    LiberationDay,    // Berlin, 8 May 2020 and 2025
    UprisingOf17June, // Berlin, 17 June 2028: the 75th year of the uprising of 1953
    VictoryInEuropeDay,
    AscensionDay,
    WhitSunday,
    WhitMonday,
    CorpusChristi,
    AssumptionDay,
    WorldChildrensDay,
    GermanUnityDay,
    AustrianNationalDay,
    ReformationDay,
    AllSaintsDay,
    DayOfRepentanceAndPrayer,
    ArmisticeDay,
    ImmaculateConception,
    ChristmasDay,
    SecondDayOfChristmas, // St Stephen's Day in Austria and Alsace-Moselle
    BastilleDay,
    MartinLutherKingDay,
    WashingtonsBirthday,
    MemorialDay,
    Juneteenth,
    IndependenceDay,
    LaborDay,
    ColumbusDay,
    VeteransDay,
    Thanksgiving,
    Titled, // one of the user's own calendar of holidays, named by its title
};

struct Holiday {
    QDate date;
    HolidayName name;
    // A US federal holiday that falls on a weekend is kept on the Friday before or the Monday
    // after; that day is a holiday of its own, "(observed)".
    bool observed = false;
    QString title; // a holiday of the user's own calendar: its name as that calendar gives it
    friend bool operator==(const Holiday&, const Holiday&) = default;
};

// Holidays by date, as the calendar and the printed year look them up.
using HolidayList = std::vector<Holiday>;

// Easter Sunday of the Gregorian calendar (the anonymous Gregorian computus).
QDate EasterSunday(int year);

// The region's public holidays whose date falls in `year`, by date. A US holiday observed on
// 31 December belongs to the year it is observed in.
std::vector<Holiday> HolidaysIn(HolidayRegion region, int year);

// The region's holidays from `firstYear` to `lastYear`, by date.
HolidayList HolidaysInYears(HolidayRegion region, int firstYear, int lastYear);

// Those of `holidays` that fall on `date`.
std::pair<HolidayList::const_iterator, HolidayList::const_iterator>
HolidaysOn(QDate date, const HolidayList& holidays);

} // namespace dutyloop
