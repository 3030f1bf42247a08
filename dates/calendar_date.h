// The days of the date calculator: the proleptic Gregorian calendar from
// 01/01/100 to 31/12/9999, and the three steps that move a day by years,
// months or days.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tallimo {

class CalendarDate {
  public:
    // 01/01/100, the first day of the range (a Friday).
    constexpr CalendarDate() : CalendarDate(std::chrono::year(100) / 1 / 1) {}

    // The day, or nothing when it is no day of the calendar or lies outside
    // 01/01/100 .. 31/12/9999.
    static std::optional<CalendarDate> FromYmd(int year, int month, int day);
    // Days since 01/01/1970, or nothing outside the range.
    static std::optional<CalendarDate> FromDays(std::chrono::sys_days days);

    static CalendarDate First();  // 01/01/100
    static CalendarDate Last();   // 31/12/9999

    int Year() const { return static_cast<int>(ymd_.year()); }
    int Month() const { return static_cast<int>(static_cast<unsigned>(ymd_.month())); }
    int Day() const { return static_cast<int>(static_cast<unsigned>(ymd_.day())); }
    std::chrono::year_month_day Ymd() const { return ymd_; }
    std::chrono::sys_days Days() const { return std::chrono::sys_days(ymd_); }

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
    friend auto operator<=>(const CalendarDate& a, const CalendarDate& b) {
        return a.ymd_ <=> b.ymd_;
    }

  private:
    explicit constexpr CalendarDate(std::chrono::year_month_day ymd) : ymd_(ymd) {}

    std::chrono::year_month_day ymd_;
};

// The number of days of a month of a year (February 29 days in leap years).
int DaysInMonth(int year, int month);

enum class DateUnit { Years, Months, Days };

// The day `count` units away. Years and months keep the day number, clamped
// to the last day of the target month (31/01 + 1 month = 28/02 or 29/02,
// 29/02 + 1 year = 28/02); days are calendar days. Nothing when the result
// would leave 01/01/100 .. 31/12/9999.
std::optional<CalendarDate> AddToDate(CalendarDate date, DateUnit unit, std::int64_t count);

// Plain days from `from` to `to`, negative when `to` comes first.
std::int32_t DaysBetween(CalendarDate from, CalendarDate to);

// "07/12/2026": two-digit day and month, the year as it is written in the
// program's messages, without leading zeros ("01/01/100").
std::string DateText(CalendarDate date);

}  // namespace tallimo
