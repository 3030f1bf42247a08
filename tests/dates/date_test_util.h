// Days written as the program writes them, for readable tables.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "dates/calendar_date.h"

namespace tallimo {

inline void PrintTo(const CalendarDate& date, std::ostream* os) {
    *os << DateText(date);
}

namespace testing {

// "31/01/2000" as a day; fails the test for anything else.
inline CalendarDate Day(const std::string& text) {
    int day = 0, month = 0, year = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%d/%d/%d%c", &day, &month, &year, &end) == 3) {
        if (const auto date = CalendarDate::FromYmd(year, month, day)) {
            return *date;
        }
    }
    ADD_FAILURE() << "not a day in range: " << text;
    return CalendarDate::First();
}

}  // namespace testing
}  // namespace tallimo
