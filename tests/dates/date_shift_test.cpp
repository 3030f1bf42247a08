#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "date_test_util.h"
#include "dates/count_text.h"
#include "dates/date_shift.h"
#include "printed_names.h"

namespace tallimo {
namespace {

using testing::Day;

struct ShiftCase {
    const char* start;
    bool subtract;
    DateCounts counts;
    const char* expected;  // nullptr: out of range
};

void PrintTo(const ShiftCase& c, std::ostream* os) {
    *os << c.start << (c.subtract ? " minus " : " plus ") << c.counts.years << " years "
        << c.counts.months << " months " << c.counts.days << " days";
}

class Shifts : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(Shifts, StepByYearsThenMonthsThenDays) {
    const ShiftCase c = GetParam();
    const auto result = ShiftDate(Day(c.start), c.subtract, c.counts);
    if (c.expected == nullptr) {
        EXPECT_FALSE(result) << DateText(*result);
    } else {
        ASSERT_TRUE(result);
        EXPECT_EQ(DateText(*result), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Shifts,
    ::testing::Values(ShiftCase{"31/01/2001", false, {0, 1, 0}, "28/02/2001"},
                      ShiftCase{"29/02/2000", false, {1, 1, 0}, "28/03/2001"},
                      ShiftCase{"31/01/2000", false, {0, 1, 1}, "01/03/2000"},
                      ShiftCase{"31/03/2000", true, {0, 1, 1}, "28/02/2000"},
                      // A negative count goes the other way.
                      ShiftCase{"10/05/2010", false, {-3, 0, -2}, "08/05/2007"},
                      ShiftCase{"10/05/2010", true, {-1, -1, -1}, "11/06/2011"},
                      // Fractions are dropped towards zero.
                      ShiftCase{"10/05/2010", false, {1.9, 0, -1.9}, "09/05/2011"},
                      // Years leave the range, months bring the date back:
                      // still a failure, as each step must stay inside.
                      ShiftCase{"15/06/9999", false, {1, -12, 0}, nullptr},
                      ShiftCase{"01/01/100", true, {0, 0, 1}, nullptr},
                      ShiftCase{"01/01/2000", false, {0, 0, 3e38}, nullptr},
                      ShiftCase{"01/01/2000", false, {0, 0, 1e39}, nullptr},
                      ShiftCase{"01/01/2000", true, {-1e300, 0, 0}, nullptr},
                      ShiftCase{"01/01/100", false, {9899, 11, 30}, "31/12/9999"}),
    testing::PrintedName());

struct FieldCase {
    const char* text;
    CountText::Kind kind;
    double value;
    const char* normal;  // what the field shows
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << (*c.text ? c.text : "empty");
}

class CountTexts : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CountTexts, ReadWithFrenchConventions) {
    const FieldCase c = GetParam();
    const CountText read = ReadCountText(c.text);
    EXPECT_EQ(read.kind, c.kind);
    if (c.kind != CountText::Kind::Refused) {
        EXPECT_EQ(read.value, c.value);
        EXPECT_EQ(read.normal, c.normal);
    }
}

constexpr FieldCase Refused(const char* text) {
    return {text, CountText::Kind::Refused, 0, ""};
}

constexpr auto kNumber = CountText::Kind::Number;
constexpr auto kSign = CountText::Kind::SignOnly;

INSTANTIATE_TEST_SUITE_P(
    Table, CountTexts,
    ::testing::Values(
        FieldCase{"", CountText::Kind::Empty, 0, "0"}, FieldCase{"007", kNumber, 7, "7"},
        FieldCase{" 12 ", kNumber, 12, "12"}, FieldCase{"-3", kNumber, -3, "-3"},
        FieldCase{"-0", kNumber, 0, "0"}, FieldCase{"1,5", kNumber, 1, "1"},
        FieldCase{",5", kNumber, 0, "0"}, FieldCase{"1E3", kNumber, 1000, "1000"},
        FieldCase{"15e-1", kNumber, 1, "1"}, FieldCase{"1,5E3", kNumber, 1, "1"},
        FieldCase{"1E+20", kNumber, 1e20, "100000000000000000000"},
        FieldCase{"340282366920938463463374607431768211456", kNumber, 0x1p128,
                  "340282366920938500000000000000000000000"},
        FieldCase{"1234567890123456", kNumber, 1234567890123456, "1234567890123456"},
        // Found by fuzzing: the field reads its text again as the same count.
        FieldCase{"11E30", kNumber, 1.1e31, "11000000000000000000000000000000"},
        FieldCase{"-123456789012345678", kNumber, -123456789012345678.0, "-123456789012345680"},
        FieldCase{"-1E400", kNumber, -HUGE_VAL, "-1E400"}, FieldCase{"1E-400", kNumber, 0, "0"},
        FieldCase{"&H1f", kNumber, 31, "31"}, FieldCase{"-&O17", kNumber, -15, "-15"},

        FieldCase{"-", kSign, 0, "-"}, FieldCase{" + ", kSign, 0, " + "}, Refused("12a"),
        Refused("1.5"), Refused("1 000"), Refused("1\u00a0000"), Refused("- 1"), Refused("1E"),
        Refused("&H"), Refused("&O8"), Refused(","), Refused("١٢")),
    testing::PrintedName());

}  // namespace
}  // namespace tallimo
