#include <gtest/gtest.h>

#include "printed_names.h"

#include "engine/operators.h"
#include "numbers/number_text.h"

namespace tallimo {
namespace {

struct EvalCase {
    double x;
    double y;
    const char* op;
    const char* result;  // the text of x afterwards
    EvalError error;
};
void PrintTo(const EvalCase& c, std::ostream* os) {
    *os << c.x << " " << c.op << " " << c.y;
}

class EvaluateTable : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvaluateTable, ResultOrErrorWithXKept) {
    const auto& c = GetParam();
    double x = c.x;
    EXPECT_EQ(Evaluate(x, c.y, c.op), c.error);
    EXPECT_EQ(NumberToText(x), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EvaluateTable,
    ::testing::Values(EvalCase{1e20, 1, "-", "1E+20", EvalError::None},
                      EvalCase{7, -3, "Mod", "1", EvalError::None},
                      EvalCase{-2147483648.0, -1, "Mod", "0", EvalError::None},
                      EvalCase{2147483648.0, 3, "Mod", "2147483648", EvalError::Overflow},
                      EvalCase{5, 0.6, "Mod", "0", EvalError::None},
                      EvalCase{0, -1, "x^y", "0", EvalError::DivisionByZero},
                      EvalCase{0, 0, "x^y", "1", EvalError::None},
                      EvalCase{-8, 1.0 / 3, "x^y", "-8", EvalError::NegativeBaseFractionalExponent},
                      EvalCase{1e200, 1e200, "x", "1E+200", EvalError::Overflow},
                      EvalCase{1e300, 1e-300, "/", "1E+300", EvalError::Overflow},
                      EvalCase{-1e308, 1e308, "-", "-1E+308", EvalError::Overflow},
                      EvalCase{5, 2, "?", "5", EvalError::UnknownOperator}),
    ::tallimo::testing::PrintedName());

TEST(SubtractionDecimals, CountsWhatTheTextReallyHolds) {
    EXPECT_EQ(SubtractionDecimals("0,25"), 2);
    EXPECT_EQ(SubtractionDecimals("15"), 2);  // a plain integer counts its length
    EXPECT_EQ(SubtractionDecimals("1,5E-07"), 8);
    EXPECT_EQ(SubtractionDecimals("1E-07"), 7);
    EXPECT_EQ(SubtractionDecimals("1E+20"), 0);
    EXPECT_EQ(SubtractionDecimals("1,23456789012346E+17"), 0);
}

}  // namespace
}  // namespace tallimo
