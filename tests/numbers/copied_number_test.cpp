#include "numbers/copied_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "printed_names.h"

namespace tallimo {
namespace {

struct CopiedCase {
    const char* text;
    std::optional<double> value;
};
void PrintTo(const CopiedCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class CopiedNumberTable : public ::testing::TestWithParam<CopiedCase> {};

TEST_P(CopiedNumberTable, ReadsTheFormsPeopleCopy) {
    const CopiedCase& c = GetParam();
    EXPECT_EQ(ReadCopiedNumber(c.text), c.value);
}

#define NBSP "\xC2\xA0"
#define NNBSP "\xE2\x80\xAF"
#define EURO "\xE2\x82\xAC"

// clang-format off
INSTANTIATE_TEST_SUITE_P(Accepted, CopiedNumberTable, ::testing::Values(
    // The program's own texts.
    CopiedCase{"12,5", 12.5}, CopiedCase{"-3", -3}, CopiedCase{"12,", 12},
    CopiedCase{"1,5E-07", 1.5e-7}, CopiedCase{"3,1415926535897932384626433832795", 3.141592653589793},
    // A point is the decimal mark when there is no comma.
    CopiedCase{"12.5", 12.5}, CopiedCase{"-0.25", -0.25}, CopiedCase{".5", 0.5},
    CopiedCase{"1.234", 1.234},
    CopiedCase{"1.5E+3", 1500},
    // Thousands separators: spaces of three kinds, or points beside a comma.
    CopiedCase{"1 234,5", 1234.5}, CopiedCase{"1" NBSP "234,5", 1234.5},
    CopiedCase{"1" NNBSP "234" NNBSP "567", 1234567}, CopiedCase{"1 234.5", 1234.5},
    CopiedCase{"12 345 678", 12345678}, CopiedCase{"1.234,5", 1234.5},
    CopiedCase{"-1.234.567,89", -1234567.89}, CopiedCase{"1" NBSP "234 567", 1234567},
    // Signs, the euro and blanks around.
    CopiedCase{"+12,5", 12.5}, CopiedCase{"12,50 " EURO, 12.5}, CopiedCase{"12" EURO, 12},
    CopiedCase{"1 234,56" NBSP EURO, 1234.56}, CopiedCase{"+1.234,5" NNBSP EURO, 1234.5},
    CopiedCase{"\t 42\r\n", 42}, CopiedCase{NBSP "7" NBSP, 7},
    CopiedCase{"1E-400", 0.0}),
    testing::PrintedName());

INSTANTIATE_TEST_SUITE_P(Refused, CopiedNumberTable, ::testing::Values(
    CopiedCase{"", std::nullopt}, CopiedCase{" ", std::nullopt}, CopiedCase{EURO, std::nullopt},
    CopiedCase{"douze", std::nullopt}, CopiedCase{"12 34", std::nullopt},
    CopiedCase{"1 2345", std::nullopt}, CopiedCase{"1234 567", std::nullopt},
    CopiedCase{"1  234", std::nullopt}, CopiedCase{"1 234 ,5", std::nullopt},
    CopiedCase{"1,234 5", std::nullopt},
    CopiedCase{"1.234.567", std::nullopt}, CopiedCase{"1,234.5", std::nullopt},
    CopiedCase{"1.23,4", std::nullopt}, CopiedCase{"1 234.567,8", std::nullopt},
    CopiedCase{".234,5", std::nullopt}, CopiedCase{"12,5.", std::nullopt},
    CopiedCase{"+-3", std::nullopt}, CopiedCase{"++3", std::nullopt}, CopiedCase{"3-", std::nullopt},
    CopiedCase{"$12", std::nullopt}, CopiedCase{EURO "12", std::nullopt},
    CopiedCase{"12 " EURO " " EURO, std::nullopt}, CopiedCase{"12 %", std::nullopt},
    CopiedCase{"1E+400", std::nullopt}, CopiedCase{"0x1F", std::nullopt},
    CopiedCase{"12\n13", std::nullopt}, CopiedCase{"1 234,5E", std::nullopt}),
    testing::PrintedName());
// clang-format on

}  // namespace
}  // namespace tallimo
