#include "dates/calendar_date.h"

#include <cstdio>

namespace tallimo {

namespace {

using std::chrono::year;
using std::chrono::year_month_day;

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

// No step from inside the range reaches further than these.
constexpr std::int64_t kMaxYears = kLastYear - kFirstYear + 1;
constexpr std::int64_t kMaxMonths = kMaxYears * 12;
constexpr std::int64_t kMaxDays = kMaxYears * 366;

// The day `day` of a month, clamped to the month's last day.
std::optional<CalendarDate> ClampedDay(std::int64_t year_number, int month, int day) {
    if (year_number < kFirstYear || year_number > kLastYear) {
        return std::nullopt;
    }
    const int y = static_cast<int>(year_number);
    const int last = DaysInMonth(y, month);
    return CalendarDate::FromYmd(y, month, day < last ? day : last);
}

}  // namespace

std::optional<CalendarDate> CalendarDate::FromYmd(int year_number, int month, int day) {
    if (year_number < kFirstYear || year_number > kLastYear || month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    const year_month_day ymd(year(year_number), std::chrono::month(static_cast<unsigned>(month)),
                             std::chrono::day(static_cast<unsigned>(day)));
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return CalendarDate(ymd);
}

std::optional<CalendarDate> CalendarDate::FromDays(std::chrono::sys_days days) {
    const year_month_day ymd(days);
    const int y = static_cast<int>(ymd.year());
    if (y < kFirstYear || y > kLastYear) {
        return std::nullopt;
    }
    return CalendarDate(ymd);
}

CalendarDate CalendarDate::First() {
    return CalendarDate(year(kFirstYear) / 1 / 1);
}

CalendarDate CalendarDate::Last() {
    return CalendarDate(year(kLastYear) / 12 / 31);
}

int DaysInMonth(int year_number, int month) {
    const auto last =
        year(year_number) / std::chrono::month(static_cast<unsigned>(month)) / std::chrono::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::optional<CalendarDate> AddToDate(CalendarDate date, DateUnit unit, std::int64_t count) {
    switch (unit) {
        case DateUnit::Years:
            if (count > kMaxYears || count < -kMaxYears) {
                return std::nullopt;
            }
            return ClampedDay(date.Year() + count, date.Month(), date.Day());
        case DateUnit::Months: {
            if (count > kMaxMonths || count < -kMaxMonths) {
                return std::nullopt;
            }
            // Months counted from January of year 0; never negative here.
            const std::int64_t months = date.Year() * std::int64_t{12} + (date.Month() - 1) + count;
            if (months < 0) {
                return std::nullopt;
            }
            return ClampedDay(months / 12, static_cast<int>(months % 12) + 1, date.Day());
        }
        case DateUnit::Days:
            if (count > kMaxDays || count < -kMaxDays) {
                return std::nullopt;
            }
            return CalendarDate::FromDays(date.Days() + std::chrono::days(static_cast<int>(count)));
    }
    return std::nullopt;
}

std::int32_t DaysBetween(CalendarDate from, CalendarDate to) {
    return static_cast<std::int32_t>((to.Days() - from.Days()).count());
}

std::string DateText(CalendarDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%d", date.Day(), date.Month(), date.Year());
    return text;
}

}  // namespace tallimo
