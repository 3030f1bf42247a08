#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "date_test_util.h"
#include "dates/date_interval.h"
#include "dates/date_shift.h"

namespace tallimo {
namespace {

using testing::Day;

// The window's text for the interval between two days, either way round.
std::string Text(const char* a, const char* b) {
    const std::string text = IntervalText(IntervalBetween(Day(a), Day(b)));
    EXPECT_EQ(IntervalText(IntervalBetween(Day(b), Day(a))), text) << "swapped";
    return text;
}

TEST(IntervalText, ReadsInYearsMonthsAndDaysThenMonthsThenDays) {
    EXPECT_EQ(Text("31/01/2000", "30/04/2000"),
              "0 année(s) 3 mois et 0 jour(s)\r\nsoit 3 mois et 0 jour(s)\r\nsoit 90 jour(s)");
    // Counts of the whole range pass 16 bits.
    EXPECT_EQ(Text("31/12/9999", "01/01/100"),
              "9899 année(s) 11 mois et 30 jour(s)\r\nsoit 118799 mois et 30 jour(s)\r\n"
              "soit 3615899 jour(s)");
}

// Expected intervals computed once with dateutil's steps (see
// data/make_intervals.py), checked both ways round.
TEST(IntervalBetween, MatchesTheGoldenFile) {
    std::ifstream file(TALLIMO_SOURCE_DIR "/tests/dates/data/intervals.txt");
    ASSERT_TRUE(file) << "intervals.txt not found";
    std::string line;
    int pairs = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string start, end;
        DateInterval expected;
        fields >> start >> end >> expected.years >> expected.months >> expected.days >>
            expected.total_months >> expected.days_after_months >> expected.total_days;
        ASSERT_TRUE(fields) << line;
        EXPECT_EQ(IntervalBetween(Day(start), Day(end)), expected) << line;
        EXPECT_EQ(IntervalBetween(Day(end), Day(start)), expected) << line;
        ++pairs;
    }
    EXPECT_GT(pairs, 1000);
}

// Whatever the two days, adding the interval's years, months and days to the
// earlier one in the date mode gives back the later one, and so do its months
// and days alone; the counts are the largest that do, and the total is the
// plain difference.
TEST(IntervalBetween, AddsBackToTheLaterDayInTheDateMode) {
    int checked = 0;
    for (const int first_year : {100, 1899, 1999, 2003, 9995}) {
        for (int year = first_year; year < first_year + 3; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (const int day : {15, 28, DaysInMonth(year, month)}) {
                    const CalendarDate start = *CalendarDate::FromYmd(year, month, day);
                    for (int gap = 0; gap <= 3 * 366 + 40; ++gap) {
                        const auto end = AddToDate(start, DateUnit::Days, gap);
                        if (!end) {
                            break;
                        }
                        const DateInterval i = IntervalBetween(start, *end);
                        const double years = i.years, months = i.months, days = i.days;
                        ASSERT_EQ(ShiftDate(start, false, {years, months, days}), *end)
                            << DateText(start) << " -> " << DateText(*end);
                        const double total_months = i.total_months, rest = i.days_after_months;
                        ASSERT_EQ(ShiftDate(start, false, {0, total_months, rest}), *end);
                        ASSERT_EQ(i.total_days, gap);
                        ASSERT_TRUE(i.months >= 0 && i.months <= 11 && i.days >= 0);
                        const auto more_years = AddToDate(start, DateUnit::Years, i.years + 1);
                        ASSERT_TRUE(!more_years || *end < *more_years);
                        const auto middle = *AddToDate(start, DateUnit::Years, i.years);
                        const auto more_months = AddToDate(middle, DateUnit::Months, i.months + 1);
                        ASSERT_TRUE(i.months == 11 || !more_months || *end < *more_months);
                        const auto beyond = AddToDate(start, DateUnit::Months, i.total_months + 1);
                        ASSERT_TRUE(!beyond || *end < *beyond);
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 200000);
}

}  // namespace
}  // namespace tallimo
