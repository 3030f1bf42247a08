#include <gtest/gtest.h>

#include "printed_names.h"

#include <cmath>
#include <limits>

#include "numbers/number_text.h"

namespace tallimo {
namespace {

struct ToTextCase {
    double value;
    const char* text;
};
void PrintTo(const ToTextCase& c, std::ostream* os) {
    *os << c.text;
}

class NumberToTextTable : public ::testing::TestWithParam<ToTextCase> {};

TEST_P(NumberToTextTable, WritesLikePercent15GWithAComma) {
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Forms, NumberToTextTable,
                         ::testing::Values(ToTextCase{15, "15"}, ToTextCase{0.5, "0,5"},
                                           ToTextCase{1.0 / 3, "0,333333333333333"},
                                           ToTextCase{1e20, "1E+20"}, ToTextCase{1e-5, "1E-05"},
                                           ToTextCase{-0.5, "-0,5"}, ToTextCase{0.0001, "0,0001"},
                                           ToTextCase{1e14, "100000000000000"},
                                           ToTextCase{1e15, "1E+15"},
                                           ToTextCase{123456789012345678.0, "1,23456789012346E+17"},
                                           ToTextCase{-0.0, "0"}, ToTextCase{0.1 + 0.2, "0,3"},
                                           ToTextCase{1.5e-7, "1,5E-07"},
                                           ToTextCase{1e300, "1E+300"},
                                           ToTextCase{-2.5e-200, "-2,5E-200"}),
                         ::tallimo::testing::PrintedName());

struct ToNumberCase {
    const char* text;
    std::optional<double> value;
};
void PrintTo(const ToNumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class TextToNumberTable : public ::testing::TestWithParam<ToNumberCase> {};

TEST_P(TextToNumberTable, ReadsNumbersAndRefusesTheRest) {
    const auto& c = GetParam();
    const std::optional<double> got = TextToNumber(c.text);
    ASSERT_EQ(got.has_value(), c.value.has_value()) << c.text;
    if (got) {
        EXPECT_EQ(*got, *c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberTable,
    ::testing::Values(ToNumberCase{"12", 12}, ToNumberCase{"12,", 12}, ToNumberCase{"12,5", 12.5},
                      ToNumberCase{"-0,5", -0.5}, ToNumberCase{",5", 0.5},
                      ToNumberCase{"1E+20", 1e20}, ToNumberCase{"1E-05", 1e-5},
                      ToNumberCase{"1,5E-07", 1.5e-7}, ToNumberCase{"2e3", 2000},
                      ToNumberCase{"3,1415926535897932384626433832795", 3.141592653589793},
                      ToNumberCase{"0,333333333333333", 0.333333333333333},
                      ToNumberCase{"", std::nullopt}, ToNumberCase{"-", std::nullopt},
                      ToNumberCase{",", std::nullopt}, ToNumberCase{"abc", std::nullopt},
                      ToNumberCase{"1,2,3", std::nullopt}, ToNumberCase{"1E99999", std::nullopt},
                      ToNumberCase{"1E", std::nullopt}, ToNumberCase{"1E+", std::nullopt},
                      ToNumberCase{"12.5", std::nullopt}, ToNumberCase{" 12", std::nullopt},
                      ToNumberCase{"12 ", std::nullopt}, ToNumberCase{"+12", std::nullopt},
                      ToNumberCase{"--1", std::nullopt}, ToNumberCase{"Annulation", std::nullopt},
                      ToNumberCase{"Erreur!", std::nullopt}, ToNumberCase{"inf", std::nullopt},
                      ToNumberCase{"nan", std::nullopt}, ToNumberCase{"0x10", std::nullopt}),
    ::tallimo::testing::PrintedName());

// Below the smallest double a number is read as its nearest double, never
// refused: only a value beyond the largest double is no number.
TEST(TextToNumber, TinyValuesReadAsTheNearestDouble) {
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(TextToNumber("0," + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(TextToNumber("1E-400"), 0.0);
    EXPECT_EQ(TextToNumber("-1E-400"), 0.0);
    EXPECT_EQ(TextToNumber("1E-99999999999999999999"), 0.0);
    EXPECT_EQ(TextToNumber("0,0001E-320"), 0.0);
    EXPECT_EQ(TextToNumber("1E-310"), 1e-310);
    EXPECT_EQ(TextToNumber("4,94065645841247E-324"), tiny);
    // Half the smallest subnormal and a hair above it: ties go to even (0),
    // anything above rounds up to the subnormal.
    EXPECT_EQ(TextToNumber("2,4703282292062327208828439643411E-324"), 0.0);
    EXPECT_EQ(TextToNumber("2,4703282292062328E-324"), tiny);
    EXPECT_EQ(TextToNumber("1000000E-330"), 0.0);
    EXPECT_EQ(TextToNumber("1E+400"), std::nullopt);
    EXPECT_EQ(TextToNumber("1" + std::string(400, '0')), std::nullopt);
    EXPECT_EQ(TextToNumber("0,00000000001E+320"), std::nullopt);
}

TEST(TextToNumber, ReadsOnlyTheGivenCharacters) {
    const std::string buffer = "12,5999";
    EXPECT_EQ(TextToNumber(std::string_view(buffer).substr(0, 4)), 12.5);
    EXPECT_EQ(TextToNumber(std::string_view(buffer).substr(0, 3)), 12.0);
}

TEST(NumberText, RoundTripsEveryShownValue) {
    for (double v : {0.1, 2.0 / 3, 1e-300, 6.55957, -123456.789, 1e308, 4.9e-324}) {
        const std::string text = NumberToText(v);
        const auto back = TextToNumber(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(NumberToText(*back), text);
    }
}

struct RoundCase {
    double value;
    int decimals;
    Rounding mode;
    double expected;
};
void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.value << " to " << c.decimals;
}

class RoundDecimalsTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimalsTable, RoundsTheShownDigits) {
    const auto& c = GetParam();
    EXPECT_EQ(RoundDecimals(c.value, c.decimals, c.mode), c.expected);
}

constexpr auto kEven = Rounding::HalfToEven;
constexpr auto kAway = Rounding::HalfAwayFromZero;
constexpr auto kCut = Rounding::TowardZero;

INSTANTIATE_TEST_SUITE_P(
    Modes, RoundDecimalsTable,
    ::testing::Values(RoundCase{0.125, 2, kEven, 0.12}, RoundCase{0.135, 2, kEven, 0.14},
                      RoundCase{0.125, 2, kAway, 0.13}, RoundCase{-0.125, 2, kAway, -0.13},
                      RoundCase{2.789, 2, kCut, 2.78}, RoundCase{-2.789, 2, kCut, -2.78},
                      RoundCase{0.5, 0, kEven, 0}, RoundCase{1.5, 0, kEven, 2},
                      RoundCase{0.5, 0, kAway, 1}, RoundCase{9.996, 2, kAway, 10},
                      RoundCase{0.0004, 2, kAway, 0}, RoundCase{0.005, 2, kAway, 0.01},
                      RoundCase{0.3 - 0.1, 1, kEven, 0.2}, RoundCase{1e20, 2, kEven, 1e20},
                      RoundCase{0.00005, 4, kEven, 0}, RoundCase{0.00015, 4, kEven, 0.0002},
                      RoundCase{1.005, 2, kAway, 1.01}),
    ::tallimo::testing::PrintedName());

}  // namespace
}  // namespace tallimo
