#include <gtest/gtest.h>

#include <string>

#include "converter/base_conversion.h"
#include "printed_names.h"

namespace tallimo {
namespace {

// The column in a test name.
std::string ColumnName(Column column) {
    return column == Column::Hexa ? "hexa" : column == Column::Octal ? "octal" : "dec";
}

struct FilterCase {
    Column column;
    std::u32string accepted;  // of every ASCII character, and a few others
};

class ColumnFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ColumnFilter, AcceptsTheColumnsDigitsAndBackspaceOnly) {
    const FilterCase c = GetParam();
    std::u32string candidates;
    for (char32_t ch = 0; ch < 128; ++ch) {
        candidates += ch;
    }
    // Accented letters, other scripts' digits, the full-width digit zero and
    // letter A, the minus sign, a non-breaking space.
    candidates += U"éÉ٣३０Ａ−\u00A0";
    std::u32string accepted;
    for (const char32_t ch : candidates) {
        if (AcceptsCharacter(c.column, ch)) {
            accepted += ch;
        }
    }
    EXPECT_EQ(accepted, c.accepted);
}

INSTANTIATE_TEST_SUITE_P(EachColumn, ColumnFilter,
                         ::testing::Values(FilterCase{Column::Hexa, U"\b0123456789ABCDEFabcdef"},
                                           FilterCase{Column::Octal, U"\b01234567"},
                                           FilterCase{Column::Dec, U"\b0123456789"}),
                         [](const auto& info) { return ColumnName(info.param.column); });

constexpr std::string_view kBad = kInvalidEntry;

struct ConversionCase {
    Column column;
    const char* typed;
    // What the row shows in its hexadecimal, octal and decimal fields.
    std::string_view hexa, octal, dec;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << ColumnName(c.column) << ' ' << c.typed;
}

class RowConversionTable : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(RowConversionTable, WritesTheOtherFieldsAndKeepsTheTypedText) {
    const ConversionCase c = GetParam();
    const RowConversion result = ConvertRow(c.column, c.typed);
    EXPECT_EQ(result.texts[Column::Hexa], c.hexa);
    EXPECT_EQ(result.texts[Column::Octal], c.octal);
    EXPECT_EQ(result.texts[Column::Dec], c.dec);
    EXPECT_EQ(result.failed, c.dec == kBad);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, RowConversionTable,
    ::testing::Values(ConversionCase{Column::Dec, "2", "2", "2", "2"},
                      ConversionCase{Column::Dec, "255", "FF", "377", "255"},
                      ConversionCase{Column::Dec, "0", "0", "0", "0"},
                      ConversionCase{Column::Dec, "007", "7", "7", "007"},
                      ConversionCase{Column::Dec, "48879", "BEEF", "137357", "48879"},
                      ConversionCase{Column::Dec, "2147483647", "7FFFFFFF", "17777777777",
                                     "2147483647"},
                      ConversionCase{Column::Dec, "00000000000000002147483647", "7FFFFFFF",
                                     "17777777777", "00000000000000002147483647"},
                      ConversionCase{Column::Dec, "2147483648", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, "4294967296", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, "21474836470", kBad, kBad, kBad}),
    tallimo::testing::PrintedName());

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, RowConversionTable,
    ::testing::Values(
        ConversionCase{Column::Hexa, "ff", "ff", "377", "255"},
        ConversionCase{Column::Hexa, "A", "A", "12", "10"},
        ConversionCase{Column::Hexa, "000a", "000a", "12", "10"},
        ConversionCase{Column::Hexa, "7fFfFfFf", "7fFfFfFf", "17777777777", "2147483647"},
        ConversionCase{Column::Hexa, "0007FFFFFFF", "0007FFFFFFF", "17777777777", "2147483647"},
        ConversionCase{Column::Hexa, "80000000", kBad, kBad, kBad},
        ConversionCase{Column::Hexa, "FFFFFFFF", kBad, kBad, kBad},
        ConversionCase{Column::Hexa, "100000000", kBad, kBad, kBad}),
    tallimo::testing::PrintedName());

INSTANTIATE_TEST_SUITE_P(
    Octal, RowConversionTable,
    ::testing::Values(ConversionCase{Column::Octal, "17", "F", "17", "15"},
                      ConversionCase{Column::Octal, "0010", "8", "0010", "8"},
                      ConversionCase{Column::Octal, "17777777777", "7FFFFFFF", "17777777777",
                                     "2147483647"},
                      ConversionCase{Column::Octal, "000017777777777", "7FFFFFFF",
                                     "000017777777777", "2147483647"},
                      ConversionCase{Column::Octal, "20000000000", kBad, kBad, kBad},
                      ConversionCase{Column::Octal, "37777777777", kBad, kBad, kBad},
                      ConversionCase{Column::Octal, "177777777770", kBad, kBad, kBad}),
    tallimo::testing::PrintedName());

// What reaches a field without a key filter: a paste, a drop, a text that
// already failed with a key typed after it.
INSTANTIATE_TEST_SUITE_P(
    TextsThatAreNoNumber, RowConversionTable,
    ::testing::Values(ConversionCase{Column::Dec, "-1", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, "1,5", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, " 12", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, "12a", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, "\xEF\xBC\x91", kBad, kBad, kBad},  // "１"
                      ConversionCase{Column::Hexa, "&HFF", kBad, kBad, kBad},
                      ConversionCase{Column::Hexa, "0x1F", kBad, kBad, kBad},
                      ConversionCase{Column::Hexa, "FG", kBad, kBad, kBad},
                      ConversionCase{Column::Octal, "8", kBad, kBad, kBad},
                      ConversionCase{Column::Octal, "19", kBad, kBad, kBad},
                      ConversionCase{Column::Dec, "<Saisie non valide>5", kBad, kBad, kBad}),
    tallimo::testing::PrintedName());

TEST(RowConversion, AnEmptiedFieldEmptiesTheRow) {
    for (const Column column : kColumns) {
        const RowConversion result = ConvertRow(column, "");
        EXPECT_TRUE(result.texts.Empty());
        EXPECT_FALSE(result.failed);
    }
}

// Every value a field can show comes back to itself through each notation.
TEST(RowConversion, RoundTripsAcrossTheRange) {
    for (std::uint64_t v = 0; v <= kMaxValue; v = v * 3 + 1) {
        for (const std::uint32_t value :
             {static_cast<std::uint32_t>(v), kMaxValue - static_cast<std::uint32_t>(v)}) {
            for (const Column column : kColumns) {
                const std::string text = WriteValue(column, value);
                ASSERT_EQ(ReadValue(column, text), value) << text;
                const RowConversion row = ConvertRow(column, text);
                for (const Column other : kColumns) {
                    ASSERT_EQ(ReadValue(other, row.texts[other]), value) << text;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tallimo
