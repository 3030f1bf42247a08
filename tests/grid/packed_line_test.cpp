// The grid's compact lines give back every text byte for byte, and the
// number a recalculation reads from them is the one their text stands for.
#include "grid/packed_line.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "numbers/number_text.h"

namespace tallimo {
namespace {

// Same double to the bit, or both no number.
void ExpectSameNumber(std::optional<double> got, std::optional<double> want) {
    ASSERT_EQ(got.has_value(), want.has_value());
    if (want) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(*want))
            << *got << " against " << *want;
    }
}

void ExpectRoundTrip(const CalcLine& line) {
    SCOPED_TRACE("operation \"" + line.Operation + "\", value \"" + line.Value + "\", decimals \"" +
                 line.Decimals + "\"");
    const PackedLine packed(line);
    EXPECT_EQ(packed.Unpacked(), line);
    EXPECT_EQ(packed.Value(), line.Value);
    EXPECT_TRUE(packed.ValueIs(line.Value));
    EXPECT_FALSE(packed.ValueIs(line.Value + "0"));
    ExpectSameNumber(packed.Number(), line.Number());
    const PackedLine copy = packed;
    EXPECT_EQ(copy, packed);
}

TEST(PackedLine, EveryKindOfLineComesBackByteForByte) {
    const std::vector<std::string> operations = {
        "",  "+",         "x^y", "Log n", "=", "Décimal", "RCarrée", "+/-", "Sinus hyperbolique",
        "é", "=SOMME(A1)"};
    const std::vector<std::string> values = {
        // The shapes the calculator writes...
        "", "Annulation", "Erreur!", "0", "7", "-0,5", "12,5", "0,0001", "1E-05", "1E+15",
        "123456789012345", "-1,23456789012345E+15", "3,28444979644694", "4,94065645841247E-324",
        "1,79769313486232E+308", "100000000000000", "0,333333333333333",
        // ...and every other text a file or an edit may hold.
        "12,", "1,50", "0012", "-0", "+3", "1e5", "1E5", "1E+020", "0,00001", "1000000000000000",
        "12345678901234567", "123456789012345678901", "1E+400", "1E-99999", "12a", " 3", "3 ", ",5",
        "-", "E+05", "1,2,3",
        std::string("1\0"
                    "2",
                    3),
        "Annulation ", "erreur!"};
    const std::vector<std::string> comments = {"", "          TVA", "          ligne 1\r\nligne 2"};
    const std::vector<std::string> decimals = {
        "", "2", "-1", "1234", "12345", "1,5", std::string("2\0", 2)};
    for (int kind = 0; kind < 4; ++kind) {
        for (const std::string& operation : operations) {
            for (const std::string& value : values) {
                CalcLine line{operation, value, comments[value.size() % comments.size()],
                              decimals[operation.size() % decimals.size()],
                              static_cast<LineKind>(kind)};
                ExpectRoundTrip(line);
            }
        }
    }
}

TEST(PackedLine, AComputedValueKeepsItsDoubleBesideAnyText) {
    for (const double computed : {1.0 / 3.0, 2 * M_PI, -0.0, 0.0, 1e300, -5e-324}) {
        for (const std::string& text :
             {NumberToText(computed), std::string("Erreur!"), std::string("0"), std::string("")}) {
            CalcLine line{"=", text, "", "", LineKind::Result, computed};
            ExpectRoundTrip(line);
            ExpectSameNumber(PackedLine(line).Computed(), computed);
        }
    }
}

// Number texts of every size, as the calculator writes them and as a hand
// might: each comes back as it was, and reads as the same double.
TEST(PackedLine, NumberTextsOfEverySizeKeepTheirDigitsAndTheirValue) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> length(1, 14);
    const std::string alphabet = "0123456789,-E+";
    for (int i = 0; i < 200000; ++i) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) {
            continue;
        }
        if (i % 2 == 0) {
            value = std::ldexp(value - std::trunc(value), static_cast<int>(random() % 100) - 50);
        }
        ExpectRoundTrip({"+", NumberToText(value), "", "", LineKind::Operation});
        ExpectRoundTrip({"+", NumberToText(value), "", "", LineKind::Operation, value});

        std::string typed;
        for (int k = length(random); k > 0; --k) {
            typed += alphabet[random() % alphabet.size()];
        }
        ExpectRoundTrip({"", typed, "", "", LineKind::Operation});
        if (HasFailure()) {
            return;
        }
    }
}

TEST(PackedLine, ChangesInPlaceLeaveTheLineAsIfPackedAfresh) {
    PackedLine line(LineKind::Operation, "Mon opération", "12,", "          note", "12345");
    line.SetOperation("x");
    line.SetValue("4", std::nullopt);
    EXPECT_EQ(line, PackedLine(LineKind::Operation, "x", "4", "          note", "12345"));
    PackedLine copy = line;
    copy.SetComputedValue(0.1);
    copy.SetKind(LineKind::Result);
    EXPECT_EQ(copy.Unpacked(),
              (CalcLine{"x", "0,1", "          note", "12345", LineKind::Result, 0.1}));
    EXPECT_TRUE(copy.HoldsComputed(0.1));
    EXPECT_FALSE(line.HoldsComputed(4.0)) << "a typed 4 is its text, not a computed value";
    EXPECT_EQ(line.Value(), "4") << "the copy took its own texts";
    EXPECT_EQ(line.Comment(), "          note");
}

}  // namespace
}  // namespace tallimo
