#include "dates/date_shift.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <utility>

namespace tallimo {

namespace {

// The count as a whole number of units, or nothing when it does not fit in
// a float. Counts beyond ten million leave the range in any unit, and are
// cut down to that so that they fail as a step.
std::optional<std::int64_t> WholeCount(double count) {
    if (!std::isfinite(count) || std::fabs(count) > FLT_MAX) {
        return std::nullopt;
    }
    const double whole = std::trunc(static_cast<double>(static_cast<float>(count)));
    constexpr double kBeyondAnyStep = 1e7;
    return static_cast<std::int64_t>(std::fmax(-kBeyondAnyStep, std::fmin(kBeyondAnyStep, whole)));
}

}  // namespace

std::optional<CalendarDate> ShiftDate(CalendarDate start, bool subtract, const DateCounts& counts) {
    const double sign = subtract ? -1.0 : 1.0;
    std::optional<CalendarDate> date = start;
    for (const auto& [count, unit] :
         {std::pair{counts.years, DateUnit::Years}, std::pair{counts.months, DateUnit::Months},
          std::pair{counts.days, DateUnit::Days}}) {
        const std::optional<std::int64_t> whole = WholeCount(sign * count);
        if (!whole) {
            return std::nullopt;
        }
        date = AddToDate(*date, unit, *whole);
        if (!date) {
            return std::nullopt;
        }
    }
    return date;
}

}  // namespace tallimo
