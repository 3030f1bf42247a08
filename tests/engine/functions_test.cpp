#include <gtest/gtest.h>

#include "engine/functions.h"
#include "numbers/number_text.h"
#include "printed_names.h"

namespace tallimo {
namespace {

struct FunctionCase {
    const char* name;
    double v;
    int decimals;
    FunctionStatus status;
    const char* result;
};
void PrintTo(const FunctionCase& c, std::ostream* os) {
    *os << c.name << " " << c.v;
}

class ComputeFunctionTable : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(ComputeFunctionTable, ByName) {
    const auto& c = GetParam();
    const auto id = FunctionFromName(c.name);
    ASSERT_TRUE(id) << c.name;
    const FunctionResult r = ComputeFunction(*id, c.v, c.decimals);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(NumberToText(r.value), c.result);
}

constexpr auto kOk = FunctionStatus::Ok;
constexpr auto kNo = FunctionStatus::Refused;
constexpr auto kBig = FunctionStatus::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Table, ComputeFunctionTable,
    ::testing::Values(
        // The keys' own cases are typed in the key sequences.
        FunctionCase{"Francs", 1e308, 0, kBig, "1E+308"}, FunctionCase{"0,00", 1e20, 0, kOk, "0"},
        FunctionCase{"0,00", 123456.7, 0, kOk, "0,7"},
        FunctionCase{"0,00", 2.5e-20, 0, kOk, "2,5E-20"}, FunctionCase{"Log", -1, 0, kNo, "-1"},
        FunctionCase{"Décimal", 3, 2, kNo, "3"}, FunctionCase{"Décimal", 2.789, 0, kOk, "2"},
        FunctionCase{"Décimal", 2.789, 500, kOk, "2,789"}, FunctionCase{"Arrond", 3.5, 0, kOk, "4"},
        FunctionCase{"Arrond", 2.789, -1, kNo, "2,789"}, FunctionCase{"Tan", -45, 0, kOk, "-1"},
        FunctionCase{"+/-", 2, 0, kOk, "-2"}),
    ::tallimo::testing::PrintedName());

TEST(FunctionKeys, AnyButtonButTheLeftIsTheRightVariant) {
    EXPECT_EQ(FunctionForKey(2, 1), FunctionId::IntegerPart);
    EXPECT_EQ(FunctionForKey(2, 3), FunctionId::DecimalPart);
    EXPECT_EQ(FunctionForKey(8, 0), FunctionId::Round);
    EXPECT_EQ(FunctionForKey(0, 2), FunctionId::Euros);
}

TEST(DecimalsAnswer, NumbersWithEitherSeparator) {
    EXPECT_EQ(ParseDecimalsAnswer("2"), 2.0);
    EXPECT_EQ(ParseDecimalsAnswer(" 3 "), 3.0);
    EXPECT_EQ(ParseDecimalsAnswer("2.5"), 2.5);
    EXPECT_EQ(ParseDecimalsAnswer("2,5"), 2.5);
    EXPECT_EQ(ParseDecimalsAnswer("-1"), -1.0);
    EXPECT_FALSE(ParseDecimalsAnswer("deux"));
    EXPECT_FALSE(ParseDecimalsAnswer("2a"));
    EXPECT_EQ(DecimalsFromAnswer(2.5), 2);
    EXPECT_EQ(DecimalsFromAnswer(3.5), 4);
    EXPECT_EQ(DecimalsFromAnswer(1e9), 28);
}

}  // namespace
}  // namespace tallimo
