// What must hold for any text typed in the date calculator's count fields
// (years, months, days), shared by their fuzz target and the test that
// replays the inputs it kept.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "dates/count_text.h"
#include "dates/date_shift.h"

namespace tallimo::fuzz {

inline std::string CheckCountText(std::string_view text) {
    const CountText count = ReadCountText(text);
    if (count.kind != CountText::Kind::Number) {
        return count.value == 0 ? std::string() : "a text that is no count is worth something";
    }
    if (!std::isfinite(count.value) || count.value != std::trunc(count.value)) {
        return "a count is not a whole finite number";
    }
    const CountText shown = ReadCountText(count.normal);
    if (shown.kind != CountText::Kind::Number || shown.value != count.value ||
        shown.normal != count.normal) {
        return "the text a count field shows does not read as the same count";
    }
    // The count moves a day as years, months and days, both ways, from both
    // ends of the calendar: a result, when there is one, is a day of it.
    for (const CalendarDate start : {CalendarDate::First(), CalendarDate::Last()}) {
        for (const bool subtract : {false, true}) {
            for (const DateCounts counts :
                 {DateCounts{count.value, 0, 0}, DateCounts{0, count.value, 0},
                  DateCounts{0, 0, count.value}}) {
                const std::optional<CalendarDate> day = ShiftDate(start, subtract, counts);
                if (day && (*day < CalendarDate::First() || *day > CalendarDate::Last())) {
                    return "a moved day left the calendar";
                }
                if (day && count.value == 0 && *day != start) {
                    return "a count of zero moved the day";
                }
            }
        }
    }
    return {};
}

}  // namespace tallimo::fuzz
