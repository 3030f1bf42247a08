#include <gtest/gtest.h>

#include <limits>

#include "date_test_util.h"
#include "dates/calendar_date.h"
#include "printed_names.h"

namespace tallimo {
namespace {

using testing::Day;

TEST(CalendarDate, HoldsOnlyDaysOfTheRange) {
    EXPECT_EQ(DateText(CalendarDate::First()), "01/01/100");
    EXPECT_EQ(DateText(CalendarDate::Last()), "31/12/9999");
    EXPECT_EQ(CalendarDate(), CalendarDate::First());
    EXPECT_EQ(std::chrono::weekday(CalendarDate::First().Days()), std::chrono::Friday);
    EXPECT_EQ(DateText(Day("7/12/2026")), "07/12/2026");
    for (const auto& [y, m, d] : {std::tuple{99, 12, 31},
                                  {10000, 1, 1},
                                  {2001, 2, 29},
                                  {2000, 13, 1},
                                  {2000, 0, 1},
                                  {2000, 4, 31},
                                  {2000, 1, 0}}) {
        EXPECT_FALSE(CalendarDate::FromYmd(y, m, d)) << d << "/" << m << "/" << y;
    }
    EXPECT_TRUE(CalendarDate::FromYmd(2000, 2, 29));
    EXPECT_FALSE(CalendarDate::FromYmd(1900, 2, 29));
    EXPECT_FALSE(CalendarDate::FromYmd(100, 2, 29));  // proleptic: 100 is no leap year
}

struct StepCase {
    const char* from;
    DateUnit unit;
    std::int64_t count;
    const char* expected;  // nullptr: the step fails
};

void PrintTo(const StepCase& c, std::ostream* os) {
    const char* units[] = {"years", "months", "days"};
    *os << c.from << ' ' << c.count << ' ' << units[static_cast<int>(c.unit)];
}

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, KeepTheDayClampedToTheMonthOrFailOutsideTheRange) {
    const StepCase c = GetParam();
    const auto result = AddToDate(Day(c.from), c.unit, c.count);
    if (c.expected == nullptr) {
        EXPECT_FALSE(result) << DateText(*result);
    } else {
        ASSERT_TRUE(result);
        EXPECT_EQ(DateText(*result), c.expected);
    }
}

constexpr auto kY = DateUnit::Years;
constexpr auto kM = DateUnit::Months;
constexpr auto kD = DateUnit::Days;
constexpr auto kHuge = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, Steps,
    ::testing::Values(
        StepCase{"31/01/2001", kM, 1, "28/02/2001"}, StepCase{"31/01/2000", kM, 1, "29/02/2000"},
        StepCase{"29/02/2000", kY, 1, "28/02/2001"}, StepCase{"29/02/2000", kY, 4, "29/02/2004"},
        StepCase{"29/02/2000", kY, -100, "28/02/1900"},
        StepCase{"31/03/2000", kM, -1, "29/02/2000"}, StepCase{"15/01/2000", kM, -13, "15/12/1998"},
        StepCase{"31/10/1999", kM, 14, "31/12/2000"}, StepCase{"31/01/2000", kM, 3, "30/04/2000"},
        StepCase{"01/03/1900", kD, -1, "28/02/1900"},
        StepCase{"31/12/9999", kY, -9899, "31/12/100"},
        StepCase{"01/01/100", kD, 3615899, "31/12/9999"},
        StepCase{"01/01/100", kM, 118799, "01/12/9999"}, StepCase{"15/06/9999", kY, 1, nullptr},
        StepCase{"31/12/9999", kD, 1, nullptr}, StepCase{"01/01/100", kD, -1, nullptr},
        StepCase{"01/01/100", kM, -1, nullptr}, StepCase{"01/01/2000", kY, kHuge, nullptr},
        StepCase{"01/01/2000", kM, -kHuge, nullptr}, StepCase{"01/01/2000", kD, kHuge, nullptr}),
    testing::PrintedName());

TEST(CalendarDate, DaysBetweenIsSignedAndSpansTheRange) {
    EXPECT_EQ(DaysBetween(CalendarDate::First(), CalendarDate::Last()), 3615899);
    EXPECT_EQ(DaysBetween(Day("01/03/2000"), Day("28/02/2000")), -2);
    EXPECT_EQ(DaysBetween(Day("01/03/1900"), Day("28/02/1900")), -1);
}

}  // namespace
}  // namespace tallimo
