#include "schedule/holidays.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace dutyloop {

namespace {

using Regions = std::uint32_t;

constexpr Regions Bit(HolidayRegion region) {
    return Regions{1} << static_cast<int>(region);
}

constexpr Regions Any(std::initializer_list<HolidayRegion> regions) {
    Regions bits = 0;
    for (const HolidayRegion region : regions)
        bits |= Bit(region);
    return bits;
}

using R = HolidayRegion;

constexpr Regions kGermany = Any(
    {R::BadenWuerttemberg, R::Bavaria, R::Berlin, R::Brandenburg, R::Bremen, R::Hamburg, R::Hesse,
     R::MecklenburgVorpommern, R::LowerSaxony, R::NorthRhineWestphalia, R::RhinelandPalatinate,
     R::Saarland, R::Saxony, R::SaxonyAnhalt, R::SchleswigHolstein, R::Thuringia});
constexpr Regions kFrance = Any({R::France, R::AlsaceMoselle});
constexpr Regions kUnitedStates = Bit(R::UnitedStates);
constexpr Regions kAustria = Bit(R::Austria);

// How a rule finds its day in a year.
enum class Base {
    Fixed,      // month and day
    Easter,     // days from Easter Sunday
    NthWeekday, // the nth weekday of the month (nth -1: the last)
    BeforeDay,  // the last weekday before month and day (Day of Repentance: a Wednesday
                // before 23 November)
};

struct HolidayRule {
    HolidayName name;
    Regions regions;
    Base base;
    int month = 0;
    int day = 0;     // Fixed, BeforeDay
    int offset = 0;  // Easter: days from Easter Sunday
    int weekday = 0; // NthWeekday, BeforeDay: 1 Monday to 7 Sunday
    int nth = 0;
    int firstYear = 0; // the years the rule holds
    int lastYear = 9999;
    bool usObserved = false; // moved off a weekend as US federal holidays are
};

constexpr HolidayRule Fixed(HolidayName name, Regions regions, int month, int day,
                            int firstYear = 0, int lastYear = 9999) {
    return {name, regions, Base::Fixed, month, day, 0, 0, 0, firstYear, lastYear, false};
}

constexpr HolidayRule FromEaster(HolidayName name, Regions regions, int offset) {
    return {name, regions, Base::Easter, 0, 0, offset, 0, 0, 0, 9999, false};
}

constexpr HolidayRule Federal(HolidayName name, int month, int day, int firstYear = 0) {
    return {name, kUnitedStates, Base::Fixed, month, day, 0, 0, 0, firstYear, 9999, true};
}

constexpr HolidayRule FederalWeekday(HolidayName name, int month, int weekday, int nth) {
    return {name, kUnitedStates, Base::NthWeekday, month, 0, 0, weekday, nth, 0, 9999, false};
}

using N = HolidayName;

// Each region's statutory holidays, as its law names them for the whole region; days kept in
// some towns only (Assumption in Bavaria's Catholic communities, Corpus Christi in parts of
// Saxony and Thuringia, Augsburg's Peace Festival) are not the region's.
constexpr std::array kRules{
    // Germany
    Fixed(N::NewYearsDay, kGermany | kAustria | kFrance, 1, 1),
    Fixed(N::Epiphany, Any({R::BadenWuerttemberg, R::Bavaria, R::SaxonyAnhalt}) | kAustria, 1, 6),
    Fixed(N::InternationalWomensDay, Bit(R::Berlin), 3, 8, 2019),
    Fixed(N::InternationalWomensDay, Bit(R::MecklenburgVorpommern), 3, 8, 2023),
    FromEaster(N::GoodFriday, kGermany | Bit(R::AlsaceMoselle), -2),
    FromEaster(N::EasterSunday, Bit(R::Brandenburg), 0),
    FromEaster(N::EasterMonday, kGermany | kAustria | kFrance, 1),
    Fixed(N::LabourDay, kGermany | kAustria | kFrance, 5, 1),
    Fixed(N::LiberationDay, Bit(R::Berlin), 5, 8, 2020, 2020),
    Fixed(N::LiberationDay, Bit(R::Berlin), 5, 8, 2025, 2025),
    Fixed(N::UprisingOf17June, Bit(R::Berlin), 6, 17, 2028, 2028),
    Fixed(N::VictoryInEuropeDay, kFrance, 5, 8),
    FromEaster(N::AscensionDay, kGermany | kAustria | kFrance, 39),
    FromEaster(N::WhitSunday, Bit(R::Brandenburg), 49),
    FromEaster(N::WhitMonday, kGermany | kAustria | kFrance, 50),
    FromEaster(N::CorpusChristi,
               Any({R::BadenWuerttemberg, R::Bavaria, R::Hesse, R::NorthRhineWestphalia,
                    R::RhinelandPalatinate, R::Saarland}) |
                   kAustria,
               60),
    Fixed(N::BastilleDay, kFrance, 7, 14),
    Fixed(N::AssumptionDay, Bit(R::Saarland) | kAustria | kFrance, 8, 15),
    Fixed(N::WorldChildrensDay, Bit(R::Thuringia), 9, 20, 2019),
    Fixed(N::GermanUnityDay, kGermany, 10, 3),
    Fixed(N::AustrianNationalDay, kAustria, 10, 26),
    Fixed(N::ReformationDay,
          Any({R::Brandenburg, R::MecklenburgVorpommern, R::Saxony, R::SaxonyAnhalt, R::Thuringia}),
          10, 31),
    // The 500th year of the Reformation was a holiday in every state.
    Fixed(N::ReformationDay,
          Any({R::BadenWuerttemberg, R::Bavaria, R::Berlin, R::Hesse, R::NorthRhineWestphalia,
               R::RhinelandPalatinate, R::Saarland}),
          10, 31, 2017, 2017),
    Fixed(N::ReformationDay, Any({R::Bremen, R::Hamburg, R::LowerSaxony, R::SchleswigHolstein}), 10,
          31, 2017),
    Fixed(N::AllSaintsDay,
          Any({R::BadenWuerttemberg, R::Bavaria, R::NorthRhineWestphalia, R::RhinelandPalatinate,
               R::Saarland}) |
              kAustria | kFrance,
          11, 1),
    // The Wednesday before 23 November.
    HolidayRule{N::DayOfRepentanceAndPrayer, Bit(R::Saxony), Base::BeforeDay, 11, 23, 0, 3, 0, 0,
                9999, false},
    Fixed(N::ArmisticeDay, kFrance, 11, 11),
    Fixed(N::ImmaculateConception, kAustria, 12, 8),
    Fixed(N::ChristmasDay, kGermany | kAustria | kFrance, 12, 25),
    Fixed(N::SecondDayOfChristmas, kGermany | kAustria | Bit(R::AlsaceMoselle), 12, 26),
    // The United States' federal holidays (5 U.S.C. 6103)
    Federal(N::NewYearsDay, 1, 1),
    FederalWeekday(N::MartinLutherKingDay, 1, 1, 3),
    FederalWeekday(N::WashingtonsBirthday, 2, 1, 3),
    FederalWeekday(N::MemorialDay, 5, 1, -1),
    Federal(N::Juneteenth, 6, 19, 2021),
    Federal(N::IndependenceDay, 7, 4),
    FederalWeekday(N::LaborDay, 9, 1, 1),
    FederalWeekday(N::ColumbusDay, 10, 1, 2),
    Federal(N::VeteransDay, 11, 11),
    FederalWeekday(N::Thanksgiving, 11, 4, 4),
    Federal(N::ChristmasDay, 12, 25),
};

QDate NthWeekday(int year, int month, int weekday, int nth) {
    if (nth < 0) {
        const QDate last(year, month, QDate(year, month, 1).daysInMonth());
        return last.addDays(-((last.dayOfWeek() - weekday + 7) % 7));
    }
    const QDate first(year, month, 1);
    return first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * (nth - 1));
}

QDate DayOfRule(const HolidayRule& rule, int year) {
    switch (rule.base) {
    case Base::Fixed:
        return QDate(year, rule.month, rule.day);
    case Base::Easter:
        return EasterSunday(year).addDays(rule.offset);
    case Base::NthWeekday:
        return NthWeekday(year, rule.month, rule.weekday, rule.nth);
    case Base::BeforeDay: {
        const QDate before = QDate(year, rule.month, rule.day).addDays(-1);
        return before.addDays(-((before.dayOfWeek() - rule.weekday + 7) % 7));
    }
    }
    return {};
}

// Saturday's holiday is kept on the Friday before, Sunday's on the Monday after.
QDate ObservedDay(QDate day) {
    if (day.dayOfWeek() == Qt::Saturday)
        return day.addDays(-1);
    if (day.dayOfWeek() == Qt::Sunday)
        return day.addDays(1);
    return day;
}

void AddRuleDays(const HolidayRule& rule, int year, std::vector<Holiday>& into) {
    if (year < rule.firstYear || year > rule.lastYear)
        return;
    const QDate day = DayOfRule(rule, year);
    into.push_back({day, rule.name, false, {}});
    if (!rule.usObserved)
        return;
    if (const QDate observed = ObservedDay(day); observed != day)
        into.push_back({observed, rule.name, true, {}});
}

} // namespace

const std::vector<HolidayRegion>& HolidayRegions() {
    static const std::vector<HolidayRegion> regions = [] {
        std::vector<HolidayRegion> all;
        for (int r = 0; r <= static_cast<int>(HolidayRegion::AlsaceMoselle); ++r)
            all.push_back(static_cast<HolidayRegion>(r));
        return all;
    }();
    return regions;
}

QStringView RegionCode(HolidayRegion region) {
    static constexpr std::array<QStringView, 21> codes{
        u"",      u"US",    u"DE-BW", u"DE-BY", u"DE-BE", u"DE-BB", u"DE-HB",
        u"DE-HH", u"DE-HE", u"DE-MV", u"DE-NI", u"DE-NW", u"DE-RP", u"DE-SL",
        u"DE-SN", u"DE-ST", u"DE-SH", u"DE-TH", u"AT",    u"FR",    u"FR-AM"};
    return codes[static_cast<std::size_t>(region)];
}

std::optional<HolidayRegion> RegionOfCode(QStringView code) {
    for (const HolidayRegion region : HolidayRegions()) {
        if (RegionCode(region).compare(code, Qt::CaseInsensitive) == 0)
            return region;
    }
    return std::nullopt;
}

QDate EasterSunday(int year) {
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

std::vector<Holiday> HolidaysIn(HolidayRegion region, int year) {
    std::vector<Holiday> days;
    if (region == HolidayRegion::None)
        return days;
    for (const HolidayRule& rule : kRules) {
        if (rule.regions & Bit(region)) {
            AddRuleDays(rule, year, days);
            // New Year's Day on a Saturday is kept on the 31 December before it.
            if (rule.usObserved)
                AddRuleDays(rule, year + 1, days);
        }
    }
    std::erase_if(days, [year](const Holiday& holiday) { return holiday.date.year() != year; });
    std::sort(days.begin(), days.end(), [](const Holiday& a, const Holiday& b) {
        return a.date < b.date || (a.date == b.date && a.observed < b.observed);
    });
    return days;
}

HolidayList HolidaysInYears(HolidayRegion region, int firstYear, int lastYear) {
    HolidayList holidays;
    for (int year = firstYear; year <= lastYear; ++year) {
        const std::vector<Holiday> ofYear = HolidaysIn(region, year);
        holidays.insert(holidays.end(), ofYear.begin(), ofYear.end());
    }
    return holidays;
}

std::pair<HolidayList::const_iterator, HolidayList::const_iterator>
HolidaysOn(QDate date, const HolidayList& holidays) {
    const auto byDate = [](const Holiday& holiday, QDate day) { return holiday.date < day; };
    const auto first = std::lower_bound(holidays.begin(), holidays.end(), date, byDate);
    auto last = first;
    while (last != holidays.end() && last->date == date)
        ++last;
    return {first, last};
}

} // namespace dutyloop
