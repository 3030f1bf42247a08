// A day moved by a count of years, months and days: the date mode of the
// date calculator.
#pragma once

#include <optional>
#include <string_view>

#include "dates/calendar_date.h"

namespace tallimo {

// The message shown when a result would leave the range of the calendar.
inline constexpr std::string_view kDateRangeMessage =
    "Dépassement des limites de date autorisée\r\n(01/01/100 à 31/12/9999).";

struct DateCounts {
    double years = 0;
    double months = 0;
    double days = 0;
};

// `start` plus (or minus, when `subtract`) the years, then the months, then
// the days, each step from the day the previous one reached (AddToDate). A
// count is held as a 32-bit float, its fraction dropped. Nothing when a step
// leaves 01/01/100 .. 31/12/9999 or a count does not fit in a float.
std::optional<CalendarDate> ShiftDate(CalendarDate start, bool subtract, const DateCounts& counts);

}  // namespace tallimo
