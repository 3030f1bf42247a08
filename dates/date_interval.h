// The interval between two days in years, months and days.
#pragma once

#include <cstdint>
#include <string>

#include "dates/calendar_date.h"

namespace tallimo {

struct DateInterval {
    // Years, then months, then days: the first line; the second writes the
    // same as years × 12 + months and the same days.
    std::int32_t years = 0;
    std::int32_t months = 0;  // 0..11
    std::int32_t days = 0;
    // The third line: the plain difference.
    std::int32_t total_days = 0;

    friend bool operator==(const DateInterval&, const DateInterval&) = default;
};

// The interval from the earlier day to the later one (the order of the
// arguments does not matter). Years: the most with earlier + years ≤ later;
// months: the most, up to 11, with (earlier + years) + months ≤ later; days:
// what is left. Each count is tried as one single step from its starting day,
// so that adding the years, then the months, then the days to the earlier
// day (the steps of AddToDate, in that order) always gives the later day.
// The days may then pass 30 after a month end or a 29 February: from
// 29/02/2024 to 28/02/2028, 4 years would reach 29/02/2028, so 3 years reach
// 28/02/2027, 11 months (the most) 28/01/2028, and 31 days the end.
DateInterval IntervalBetween(CalendarDate a, CalendarDate b);

// The three lines of the result, joined by "\r\n":
// "1 année(s) 2 mois et 3 jour(s)", "soit 14 mois et 3 jour(s)",
// "soit 429 jour(s)". The second line is the first one's years × 12 +
// months, and its days, so that the two never disagree.
std::string IntervalText(const DateInterval& interval);

}  // namespace tallimo
