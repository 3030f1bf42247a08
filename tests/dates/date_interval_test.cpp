#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
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
            expected.total_days;
        ASSERT_TRUE(fields) << line;
        EXPECT_EQ(IntervalBetween(Day(start), Day(end)), expected) << line;
        EXPECT_EQ(IntervalBetween(Day(end), Day(start)), expected) << line;
        ++pairs;
    }
    EXPECT_GT(pairs, 1000);
}

// The counts the window shows: its three lines read back.
struct ShownInterval {
    int years = 0, months = 0, days = 0;
    int second_months = 0, second_days = 0;
    int total_days = 0;
};

std::optional<ShownInterval> ReadShown(const std::string& text) {
    ShownInterval shown;
    const int read =
        std::sscanf(text.c_str(),
                    "%d année(s) %d mois et %d jour(s)\r\nsoit %d mois et %d jour(s)\r\n"
                    "soit %d jour(s)",
                    &shown.years, &shown.months, &shown.days, &shown.second_months,
                    &shown.second_days, &shown.total_days);
    return read == 6 ? std::optional(shown) : std::nullopt;
}

// Whatever the two days, month ends and 29 February among them: the second
// line says what the first says in months, adding the first line's years,
// months and days to the earlier day in the date mode gives back the later
// one, the counts are the largest that do, and the total is the plain
// difference.
TEST(IntervalText, BothLinesAgreeAndAddBackToTheLaterDayInTheDateMode) {
    int checked = 0;
    for (const int first_year : {100, 1899, 1999, 2003, 9994}) {
        for (int year = first_year; year < first_year + 3; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (const int day : {15, 28, DaysInMonth(year, month)}) {
                    const CalendarDate start = *CalendarDate::FromYmd(year, month, day);
                    for (int gap = 0; gap <= 4 * 366 + 40; ++gap) {
                        const auto end = AddToDate(start, DateUnit::Days, gap);
                        if (!end) {
                            break;
                        }
                        const std::string text = IntervalText(IntervalBetween(start, *end));
                        const std::optional<ShownInterval> i = ReadShown(text);
                        ASSERT_TRUE(i) << text;
                        ASSERT_EQ(i->second_months, i->years * 12 + i->months) << text;
                        ASSERT_EQ(i->second_days, i->days) << text;
                        const double years = i->years, months = i->months, days = i->days;
                        ASSERT_EQ(ShiftDate(start, false, {years, months, days}), *end)
                            << DateText(start) << " -> " << DateText(*end);
                        ASSERT_EQ(i->total_days, gap);
                        ASSERT_TRUE(i->months >= 0 && i->months <= 11 && i->days >= 0);
                        const auto more_years = AddToDate(start, DateUnit::Years, i->years + 1);
                        ASSERT_TRUE(!more_years || *end < *more_years);
                        const auto middle = *AddToDate(start, DateUnit::Years, i->years);
                        const auto more_months = AddToDate(middle, DateUnit::Months, i->months + 1);
                        ASSERT_TRUE(i->months == 11 || !more_months || *end < *more_months);
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 250000);
}

}  // namespace
}  // namespace tallimo
