// The month page of the calendar control: six weeks of seven days, Monday
// first, the shown month surrounded by the last days of the month before and
// the first days of the month after.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dates/calendar_date.h"

namespace tallimo {

inline constexpr int kCalendarRows = 6;
inline constexpr int kCalendarColumns = 7;
inline constexpr int kCalendarCells = kCalendarRows * kCalendarColumns;

// The column headings, Monday first.
inline constexpr std::array<std::string_view, kCalendarColumns> kWeekdayHeadings = {
    "lun", "mar", "mer", "jeu", "ven", "sam", "dim"};

struct LayoutCell {
    int day = 0;
    bool in_shown_month = false;  // false: a grey day of a neighbouring month
};

// Cell index = 7 × row + column.
struct MonthLayout {
    std::array<LayoutCell, kCalendarCells> cells;
    int first_cell = 0;  // day 1 of the shown month
    int last_cell = 0;   // its last day
    int selected_cell = 0;
};

// The page of the month of `selected`. Day 1 is never in the first cell: a
// month that starts on a Monday starts on the second row, so that at least
// one day of the month before is always shown. January 100 and December 9999
// are laid out like any other month, without stepping outside the range.
MonthLayout LayOutMonth(CalendarDate selected);

// "janvier" .. "décembre", for month 1..12.
std::string_view FrenchMonthName(int month);

// The calendar's title, "janvier 2011": the French month name in lower case
// and the year without leading zeros ("janvier 100").
std::string MonthTitle(CalendarDate date);

}  // namespace tallimo
