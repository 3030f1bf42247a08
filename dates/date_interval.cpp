#include "dates/date_interval.h"

#include <algorithm>
#include <utility>

namespace tallimo {

namespace {

// Months from `from`'s month to `to`'s.
int MonthGap(CalendarDate from, CalendarDate to) {
    return (to.Year() - from.Year()) * 12 + (to.Month() - from.Month());
}

// The most months, up to `most`, that `from` steps by without passing `to`
// (from ≤ to), and the day they reach. The gap lands in `to`'s month; one
// less is in the month before, never beyond.
std::pair<int, CalendarDate> MonthsWithin(CalendarDate from, CalendarDate to, int most) {
    int months = std::min(MonthGap(from, to), most);
    CalendarDate reached = *AddToDate(from, DateUnit::Months, months);
    if (to < reached) {
        --months;
        reached = *AddToDate(from, DateUnit::Months, months);
    }
    return {months, reached};
}

}  // namespace

DateInterval IntervalBetween(CalendarDate a, CalendarDate b) {
    if (b < a) {
        std::swap(a, b);
    }
    DateInterval interval;
    interval.total_days = DaysBetween(a, b);

    // The year count that reaches b's year, one less if that overshoots;
    // a + years stays within b's year, so inside the range.
    interval.years = b.Year() - a.Year();
    CalendarDate middle = *AddToDate(a, DateUnit::Years, interval.years);
    if (b < middle) {
        --interval.years;
        middle = *AddToDate(a, DateUnit::Years, interval.years);
    }

    // The same with months from there, never 12 or more. Twelve months can
    // still fit when the year step clamped 29 February: 29/02/2000 + 3 years
    // is 28/02/2003, and 28/02/2004 is twelve months later; the days take
    // up what the months leave.
    const auto [months, reached] = MonthsWithin(middle, b, 11);
    interval.months = months;
    interval.days = DaysBetween(reached, b);
    return interval;
}

std::string IntervalText(const DateInterval& interval) {
    return std::to_string(interval.years) + " année(s) " + std::to_string(interval.months) +
           " mois et " + std::to_string(interval.days) + " jour(s)\r\nsoit " +
           std::to_string(interval.years * 12 + interval.months) + " mois et " +
           std::to_string(interval.days) + " jour(s)\r\nsoit " +
           std::to_string(interval.total_days) + " jour(s)";
}

}  // namespace tallimo
