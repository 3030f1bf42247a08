#include <gtest/gtest.h>

#include <string>

#include "converter/converter_rows.h"

namespace tallimo {
namespace {

std::string Shown(const ConverterRows& rows) {
    std::string text;
    for (int row = 1; row <= rows.LastRow(); ++row) {
        const RowTexts& r = rows.Row(row);
        text += r[Column::Hexa] + "|" + r[Column::Octal] + "|" + r[Column::Dec] + "\n";
    }
    return text;
}

TEST(ConverterRows, StartWithOneEmptyRow) {
    const ConverterRows rows;
    EXPECT_EQ(rows.LastRow(), 1);
    EXPECT_TRUE(rows.Row(1).Empty());
}

// Typing 2, 5, 5 in the decimal field of the first row.
TEST(ConverterRows, TheFirstConversionInTheLastRowAddsOneRow) {
    ConverterRows rows;
    EXPECT_TRUE(rows.Edit(1, Column::Dec, "2").row_added);
    EXPECT_EQ(Shown(rows), "2|2|2\n||\n");
    EXPECT_FALSE(rows.Edit(1, Column::Dec, "25").row_added);
    EXPECT_FALSE(rows.Edit(1, Column::Dec, "255").row_added);
    EXPECT_EQ(Shown(rows), "FF|377|255\n||\n");
}

TEST(ConverterRows, AFailureAddsNoRowAndTouchesNoOtherRow) {
    ConverterRows rows;
    rows.Edit(1, Column::Hexa, "ff");
    const ConverterRows::EditOutcome outcome = rows.Edit(2, Column::Dec, "2147483648");
    EXPECT_TRUE(outcome.failed);
    EXPECT_FALSE(outcome.row_added);
    EXPECT_EQ(Shown(rows),
              "ff|377|255\n<Saisie non valide>|<Saisie non valide>|<Saisie non valide>\n");
    // A key typed after the failure reads the whole text again.
    EXPECT_TRUE(rows.Edit(2, Column::Dec, "<Saisie non valide>1").failed);
    EXPECT_EQ(rows.LastRow(), 2);
    // Cleared, the row is a free row again and one more follows.
    EXPECT_TRUE(rows.Edit(2, Column::Dec, "").row_added);
    EXPECT_EQ(Shown(rows), "ff|377|255\n||\n||\n");
}

TEST(ConverterRows, EmptyingTheLastRowAddsARowAnEarlierRowDoesNot) {
    ConverterRows rows;
    rows.Edit(1, Column::Octal, "7");
    rows.Edit(2, Column::Octal, "1");
    ASSERT_EQ(rows.LastRow(), 3);
    EXPECT_FALSE(rows.Edit(1, Column::Octal, "").row_added);
    EXPECT_TRUE(rows.Edit(3, Column::Hexa, "").row_added);
    EXPECT_EQ(Shown(rows), "||\n1|1|1\n||\n||\n");
}

// The rows' extent, which the scrolling region must let the user reach,
// sums row heights far past what 16 bits hold (32 767 twips: the 115th row).
TEST(ConverterRows, ExtentOfTheRowsGrowsPastSixteenBits) {
    EXPECT_EQ(ContentHeight(1), 285);
    EXPECT_EQ(ContentHeight(114), 32490);
    EXPECT_EQ(ContentHeight(115), 32775);
    EXPECT_EQ(ContentHeight(120), 34200);
    EXPECT_EQ(ContentHeight(1000), 285000);
    EXPECT_EQ(ContentHeight(1000000), 285000000);
    for (const int row : {114, 115, 116, 7000000}) {
        EXPECT_EQ(RowTop(row + 1) - RowTop(row), 285) << row;
        EXPECT_GT(RowTop(row + 1), RowTop(row)) << row;
    }
    EXPECT_EQ(RowTop(1), 0);
    EXPECT_EQ(FieldLeft(Column::Octal) + 15, FieldLeft(Column::Hexa) + kFieldWidth);
    EXPECT_EQ(FieldLeft(Column::Dec) + 15, FieldLeft(Column::Octal) + kFieldWidth);
}

}  // namespace
}  // namespace tallimo
