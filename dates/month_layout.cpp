#include "dates/month_layout.h"

namespace tallimo {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "janvier", "février", "mars",      "avril",   "mai",      "juin",
    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

// The cell of day 1 for a month starting on `weekday`: Tuesday .. Sunday in
// the first row, Monday at the start of the second.
int FirstCell(std::chrono::weekday weekday) {
    const int from_sunday = static_cast<int>(weekday.c_encoding());  // 0 = Sunday
    return from_sunday == 0 ? 6 : from_sunday == 1 ? 7 : from_sunday - 1;
}

}  // namespace

MonthLayout LayOutMonth(CalendarDate selected) {
    MonthLayout layout;
    const int year = selected.Year();
    const int month = selected.Month();
    const auto first_day =
        std::chrono::year(year) / std::chrono::month(static_cast<unsigned>(month)) / 1;
    layout.first_cell = FirstCell(std::chrono::weekday(std::chrono::sys_days(first_day)));
    layout.last_cell = layout.first_cell + DaysInMonth(year, month) - 1;

    // December, before any January, has 31 days: no need to reach year 99.
    int previous_day = month == 1 ? 31 : DaysInMonth(year, month - 1);
    for (int cell = layout.first_cell - 1; cell >= 0; --cell) {
        layout.cells[cell] = {previous_day--, false};
    }
    for (int cell = layout.first_cell; cell <= layout.last_cell; ++cell) {
        layout.cells[cell] = {cell - layout.first_cell + 1, true};
    }
    for (int cell = layout.last_cell + 1; cell < kCalendarCells; ++cell) {
        layout.cells[cell] = {cell - layout.last_cell, false};
    }
    layout.selected_cell = layout.first_cell + selected.Day() - 1;
    return layout;
}

std::string_view FrenchMonthName(int month) {
    return kMonthNames.at(static_cast<std::size_t>(month - 1));
}

std::string MonthTitle(CalendarDate date) {
    std::string title(FrenchMonthName(date.Month()));
    title += ' ';
    title += std::to_string(date.Year());
    return title;
}

}  // namespace tallimo
