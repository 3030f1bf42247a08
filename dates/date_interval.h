// The interval between two days in years, months and days.
#pragma once

#include <cstdint>
#include <string>

#include "dates/calendar_date.h"

namespace tallimo {

struct DateInterval {
    // The first line: years, then months, then days.
    std::int32_t years = 0;
    std::int32_t months = 0;  // 0..11
    std::int32_t days = 0;
    // The second: months, then days.
    std::int32_t total_months = 0;
    std::int32_t days_after_months = 0;
    // The third: the plain difference.
    std::int32_t total_days = 0;

    friend bool operator==(const DateInterval&, const DateInterval&) = default;
};

// The interval from the earlier day to the later one (the order of the
// arguments does not matter). Years: the most with earlier + years ≤ later;
// months: the most, up to 11, with (earlier + years) + months ≤ later; days:
// what is left. Each count is tried as one single step from its starting day,
// so that adding the years, then the months, then the days to the earlier
// day (the steps of AddToDate, in that order) always gives the later day.
// The months of the second line are counted the same way from the earlier
// day itself. They are years × 12 + months, with the same days, except
// after a 29 February whose year step clamped to the 28th: from 29/02/2000
// to 28/03/2001 is 1 year, 1 month and 0 days (28/02/2001, then 28/03), and
// 12 months and 28 days (28/02/2001, then 28 days), never 13 months, which
// would reach 29/03/2001.
DateInterval IntervalBetween(CalendarDate a, CalendarDate b);

// The three lines of the result, joined by "\r\n":
// "1 année(s) 2 mois et 3 jour(s)", "soit 14 mois et 3 jour(s)",
// "soit 429 jour(s)".
std::string IntervalText(const DateInterval& interval);

}  // namespace tallimo
