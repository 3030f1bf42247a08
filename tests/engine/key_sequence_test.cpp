// Key sequences in, display, state, grid and messages out.
#include <gtest/gtest.h>

#include <limits>

#include "engine_harness.h"

namespace tallimo::testing {
namespace {

struct SequenceCase {
    const char* name;
    const char* keys;
    const char* display;
    EntryState state;
    const char* grid;
    const char* messages = "";
    std::vector<std::optional<std::string>> answers = {};
};

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : " | ") + item;
    }
    return out;
}

void PrintTo(const SequenceCase& c, std::ostream* os) {
    *os << c.keys;
}

class KeySequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequence, DisplayStateGridAndMessages) {
    const SequenceCase& c = GetParam();
    EngineRig rig;
    rig.host.answers.assign(c.answers.begin(), c.answers.end());
    rig.Type(c.keys);
    EXPECT_EQ(rig.engine.Display(), c.display);
    EXPECT_EQ(rig.engine.State().Entry, c.state);
    EXPECT_EQ(GridText(rig.grid), c.grid);
    EXPECT_EQ(Joined(rig.host.messages), c.messages);
}

constexpr auto R = EntryState::Result;
constexpr auto T = EntryState::Typing;
constexpr auto O = EntryState::OperatorPressed;
constexpr auto M = EntryState::Recalled;
constexpr auto Z = EntryState::Cleared;

const SequenceCase kEntry[] = {
    {"StartThenEquals", "=", "0", Z, ""},
    {"LeadingZerosDropped", "0 0 7", "7", T, ""},
    {"ZeroCommaDigits", "0 , 0 7", "0,07", T, ""},
    {"CommaAtStart", ",", "0,", T, ""},
    {"SecondCommaIgnored", ", ,", "0,", T, ""},
    {"BackspaceOnZeroComma", ", BS", "0", T, ""},
    {"SignThenBackspace", "5 +/- BS", "0", T, ""},
    {"SignedTwoDigitsBackspace", "12 +/- BS", "-1", T, ""},
    {"SignOnTypedZero", "0 +/-", "0", T, ""},
    {"SignTwiceOnHalf", "0,5 +/- +/-", "0,5", T, ""},
    {"PiThenDigit", "Pi 5", "3,14159265358979323846264338327955", T, ""},
    {"PiThenComma", "Pi ,", "3,1415926535897932384626433832795", T, ""},
    {"BackspaceOutsideTypingDoesNothing", "12 + BS", "12", O, "|12|0 / +|"},
    {"ResetWithoutOperatorRecordsNothing", "12 C", "0", Z, ""},
    {"ResetDuringCalculation", "12 + C", "0", Z, "|12|0; |Annulation|3"},
    {"ResetWhileTypingSecondOperand", "3 + 4 C", "0", Z, "|3|0; |Annulation|3"},
    {"ClearEntryKeepsOperator", "12 + 3 CE", "0", T, "|12|0 / +|"},
    {"ClearEntryThenEquals", "12 + 3 CE =", "12", R, "|12|0; +|0|0; =|12|2"},
    {"SignAfterResult", "12 + 3 = +/-", "-15", R, "|12|0; +|3|0; =|15|2; +/-|-15|1"},
    {"SignOnRecalledRecordsOperandFirst", "4 M1 C RM1 +/-", "-4", R, "|4|0; +/-|-4|1"},
    {"SignAfterOperatorRecordsX", "6 + +/- =", "0", R, "|6|0; +|6|0; +/-|-6|1; =|0|2"},
    {"SignOnClearedZeroStartsItsOwnChain", "3 + 4 = C +/-", "0", R,
     "|3|0; +|4|0; =|7|2; |0|0; +/-|0|1"},
};
INSTANTIATE_TEST_SUITE_P(Entry, KeySequence, ::testing::ValuesIn(kEntry),
                         [](const auto& info) { return info.param.name; });

const SequenceCase kOperators[] = {
    {"PlusEquals", "12 + 3 =", "15", R, "|12|0; +|3|0; =|15|2"},
    {"NoPrecedence", "12 + 3 x 2 =", "30", R, "|12|0; +|3|0; x|2|0; =|30|2"},
    {"OperatorReplaced", "12 + x 2 =", "24", R, "|12|0; x|2|0; =|24|2"},
    {"SecondEqualsDoesNothing", "12 + 3 = =", "15", R, "|12|0; +|3|0; =|15|2"},
    {"EqualsRightAfterOperator", "12 + =", "12", R, "|12|0; =|12|2"},
    // A failed step ends the calculation: "Erreur!" is its result, as
    // recomputing it gives, and the calculator starts again from 0.
    {"DivisionByZero", "5 / 0 =", "0", Z, "|5|0; /|0|0; =|Erreur!|2", "Erreur: Division par zéro."},
    {"ModPositive", "7 Mod 3 =", "1", R, "|7|0; Mod|3|0; =|1|2"},
    {"ModNegative", "7 +/- Mod 3 =", "-1", R, "|-7|0; Mod|3|0; =|-1|2"},
    {"ModRoundsHalfUp", "7,6 Mod 2 =", "0", R, "|7,6|0; Mod|2|0; =|0|2"},
    {"ModRoundsHalfToEven", "2,5 Mod 2 =", "0", R, "|2,5|0; Mod|2|0; =|0|2"},
    {"ModByFractionRoundingToZero", "5 Mod 0,4 =", "0", Z, "|5|0; Mod|0,4|0; =|Erreur!|2",
     "Erreur: Division par zéro."},
    {"PowerOfNegative", "8 +/- x^y 3 =", "-512", R, "|-8|0; x^y|3|0; =|-512|2"},
    {"NegativeBaseFractionalExponent", "8 +/- x^y 0,5 =", "0", Z, "|-8|0; x^y|0,5|0; =|Erreur!|2",
     "Erreur: l'exposant doit être entier si le nombre à élever est négatif."},
    {"LogBase", "8 Logn 2 =", "3", R, "|8|0; Log n|2|0; =|3|2"},
    {"LogBaseOne", "8 Logn 1 =", "0", Z, "|8|0; Log n|1|0; =|Erreur!|2",
     "Erreur: Log(n) doit être différent de 0."},
    {"LogOfZero", "0 Logn 2 =", "0", Z, "|0|0; Log n|2|0; =|Erreur!|2",
     "Erreur: nombres négatifs ou nuls interdits."},
    {"SubtractionNoise", "0,3 - 0,1 =", "0,2", R, "|0,3|0; -|0,1|0; =|0,2|2"},
    {"SubtractionTwoDecimals", "1,25 - 0,1 =", "1,15", R, "|1,25|0; -|0,1|0; =|1,15|2"},
    {"SubtractionOfExponentTexts", "0,00000015 - 0,0000001 =", "5E-08", R,
     "|1,5E-07|0; -|1E-07|0; =|5E-08|2"},
    {"ContinueAfterResult", "12 + 3 = + 5 =", "20", R, "|12|0; +|3|0; =|15|2; +|5|0; =|20|2"},
    {"OperatorMeetingAFailureStartsNothing", "6 / 0 + 1 + 2 =", "3", R,
     "|6|0; /|0|0; =|Erreur!|2; |1|0; +|2|0; =|3|2", "Erreur: Division par zéro."},
    {"RecalledOperandFailing", "M1 8 / RM1 +", "0", Z, "|8|0; /|0|0; =|Erreur!|2",
     "Erreur: Division par zéro."},
    {"StartWithOperator", "+ 5 =", "5", R, "|0|0; +|5|0; =|5|2"},
    {"TrailingCommaOperand", "12 , + 1 =", "13", R, "|12|0; +|1|0; =|13|2"},
};
INSTANTIATE_TEST_SUITE_P(Operators, KeySequence, ::testing::ValuesIn(kOperators),
                         [](const auto& info) { return info.param.name; });

const SequenceCase kOverflow[] = {
    {"ProductBeyondDouble", "10 x^y 300 = M1 x RM1 =", "0", Z,
     "|10|0; x^y|300|0; =|1E+300|2; x|1E+300|0; =|Erreur!|2", "Erreur: Dépassement de capacité."},
    {"PowerBeyondDouble", "10 x^y 400 =", "0", Z, "|10|0; x^y|400|0; =|Erreur!|2",
     "Erreur: Dépassement de capacité."},
    {"ZeroToNegativePower", "0 x^y 2 +/- =", "0", Z, "|0|0; x^y|-2|0; =|Erreur!|2",
     "Erreur: Division par zéro."},
    {"ModBeyond32Bits", "5000000000 Mod 3 =", "0", Z, "|5000000000|0; Mod|3|0; =|Erreur!|2",
     "Erreur: Dépassement de capacité."},
    {"SquareBeyondDouble", "10 x^y 200 = f:Carré", "1E+200", R, "|10|0; x^y|200|0; =|1E+200|2",
     "Erreur: Dépassement de capacité."},
    {"CubeBeyondDoubleOnSecondOperand", "10 x^y 200 = M1 C 5 + RM1 f:Cube", "1E+200", R,
     "|10|0; x^y|200|0; =|1E+200|2; |5|0; +|1E+200|0", "Erreur: Dépassement de capacité."},
    {"ExpBeyondDouble", "1000 f:e^x", "1000", R, "|1000|0", "Erreur: Dépassement de capacité."},
    {"ReciprocalOfTinyNumber", "10 x^y 309 +/- = f:1/x", "1E-309", R,
     "|10|0; x^y|-309|0; =|1E-309|2", "Erreur: Dépassement de capacité."},
};
INSTANTIATE_TEST_SUITE_P(Overflow, KeySequence, ::testing::ValuesIn(kOverflow),
                         [](const auto& info) { return info.param.name; });

// clang-format off
const SequenceCase kFunctions[] = {
    {"Euros", "100 f:Euros", "15,24", R, "|100|0; Euros|15,24|1"},
    {"Francs", "10 f:Francs", "65,6", R, "|10|0; Francs|65,6|1"},
    {"IntegerPart", "3,7 f:Int", "3", R, "|3,7|0; Int|3|1"},
    {"DecimalPart", "3,25 f:0,00", "0,25", R, "|3,25|0; 0,00|0,25|1"},
    {"DecimalPartNegative", "3,25 +/- f:0,00", "0,25", R, "|-3,25|0; 0,00|0,25|1"},
    {"DecimalPartOfExponentText", "0,00000015 f:0,00", "1,5E-07", R, "|1,5E-07|0; 0,00|1,5E-07|1"},
    {"SquareRootRefused", "4 +/- f:RCarrée", "-4", R, "|-4|0"},
    {"ReciprocalOfZeroRefused", "0 f:1/x", "0", R, "|0|0"},
    {"LogOfZeroRefused", "0 f:Log", "0", R, "|0|0"},
    {"CosOf90", "90 f:Cos", "0", R, "|90|0; Cos|0|1"},
    {"SinOf30", "30 f:Sin", "0,5", R, "|30|0; Sin|0,5|1"},
    {"TanOf45", "45 f:Tan", "1", R, "|45|0; Tan|1|1"},
    {"TanOf90IsFinite", "90 f:Tan", "618986325617924", R, "|90|0; Tan|618986325617924|1"},
    {"FunctionOnSecondOperand", "12 + 9 f:RCarrée =", "15", R, "|12|0; +|9|0; RCarrée|3|1; =|15|2"},
    {"FunctionRightAfterOperator", "12 + f:RCarrée =", "15,4641016151378", R,
     "|12|0; +|12|0; RCarrée|3,46410161513775|1; =|15,4641016151378|2"},
    {"FunctionOnClearedZero", "f:e^x", "1", R, "|0|0; e^x|1|1"},
    // A value entered after a function on the second operand replaces that
    // operand: it takes the place of the operator line and its functions.
    {"TypedAfterFunctionOnSecondOperand", "9 + 4 f:RCarrée 5 =", "14", R, "|9|0; +|5|0; =|14|2"},
    {"RecalledAfterFunctionOnSecondOperand", "7 M1 C 9 + 4 f:RCarrée RM1 =", "16", R,
     "|9|0; +|7|0; =|16|2"},
    {"ClearEntryAfterFunctionOnSecondOperand", "9 + 4 f:RCarrée CE =", "9", R,
     "|9|0; +|0|0; =|9|2"},
    {"PiAfterFunctionsOnTheCopiedFirstOperand", "1 + 9 x f:RCarrée f:Carré Pi - 1 =",
     "30,4159265358979", R, "|1|0; +|9|0; x|3,14159265358979|0; -|1|0; =|30,4159265358979|2"},
    {"ReplacedOperandThenFunction", "9 + 4 f:RCarrée 16 f:RCarrée =", "13", R,
     "|9|0; +|16|0; RCarrée|4|1; =|13|2"},
    {"TruncateDecimals", "2,789 f:Décimal", "2,78", R, "|2,789|0; Décimal|2,78|1|2", "", {"2"}},
    {"TruncateNegative", "2,789 +/- f:Décimal", "-2,78", R,
     "|-2,789|0; Décimal|-2,78|1|2", "", {"2"}},
    {"RoundDecimals", "2,789 f:Arrond", "2,79", R, "|2,789|0; Arrond|2,79|1|2", "", {"2"}},
    {"RoundHalfToEven", "0,125 f:Arrond", "0,12", R, "|0,125|0; Arrond|0,12|1|2", "", {"2"}},
    {"DecimalsAskedAgainOnLetters", "2,789 f:Arrond", "2,8", R,
     "|2,789|0; Arrond|2,8|1|1", "", {"abc", "1"}},
    {"DecimalsCancelled", "2,789 f:Arrond", "2,789", R, "|2,789|0", "", {std::nullopt}},
    {"DecimalsEmptyRefused", "2,789 f:Arrond", "2,789", R, "|2,789|0", "", {""}},
    // A count of decimals is whole: a fraction, with a comma or a point, is
    // asked again as letters are.
    {"DecimalsAskedAgainOnAFraction",
     "2,789 f:Arrond",
     "2,8",
     R,
     "|2,789|0; Arrond|2,8|1|1",
     "",
     {"1,5", "2.5", "1"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Functions, KeySequence, ::testing::ValuesIn(kFunctions),
                         [](const auto& info) { return info.param.name; });

const SequenceCase kMemories[] = {
    {"RecallAtStart", "RM3 +", "0", O, "|0|0 / +|"},
    {"StoreWhileTypingKeepsTyping", "12,5 M1 3", "12,53", T, ""},
    {"RecallAsSecondOperand", "12,5 M1 C 12 + RM1 =", "24,5", R, "|12|0; +|12,5|0; =|24,5|2"},
    {"StoreFunctionResultOnSecondOperand", "5 + 9 f:RCarrée M2 C RM2 =", "3", M,
     "|5|0; +|9|0; RCarrée|3|1; |Annulation|3"},
    {"DigitReplacesRecalled", "7 M1 RM1 4", "4", T, ""},
};
INSTANTIATE_TEST_SUITE_P(Memories, KeySequence, ::testing::ValuesIn(kMemories),
                         [](const auto& info) { return info.param.name; });

TEST(Underflow, TypedTextBelowTheSmallestDoubleIsZero) {
    EngineRig rig;
    rig.Type("0," + std::string(400, '0') + "1 + 1 =");
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(GridText(rig.grid), "|0|0; +|1|0; =|1|2");
}

TEST(Overflow, TypedTextBeyondADoubleIsRefused) {
    EngineRig rig;
    rig.Type("1" + std::string(320, '0') + " +");
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Erreur: Dépassement de capacité."});
    EXPECT_EQ(rig.engine.State().Entry, EntryState::Typing);
    EXPECT_EQ(rig.grid.GridLine(), 0);
}

TEST(Memories, AnyIndexAndValueIsSafe) {
    EngineRig rig;
    for (int index : {-1, 5, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        rig.engine.StoreMemory(index, 1.0);
        EXPECT_EQ(rig.engine.MemoryStatusText(index), "") << index;
    }
    rig.engine.StoreMemory(0, std::numeric_limits<double>::max());
    rig.engine.StoreMemory(1, -std::numeric_limits<double>::denorm_min());
    rig.engine.StoreMemory(2, -0.0);
    rig.engine.StoreMemory(3, 7.0);
    rig.engine.StoreMemory(3, std::numeric_limits<double>::infinity());
    rig.engine.StoreMemory(3, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(rig.engine.MemoryStatusText(0), "M1: 1,79769313486232E+308");
    EXPECT_EQ(rig.engine.MemoryStatusText(1), "M2: -4,94065645841247E-324");
    EXPECT_EQ(rig.engine.MemoryStatusText(2), "M3: 0");
    EXPECT_EQ(rig.engine.MemoryStatusText(3), "M4: 7");
}

TEST(Paste, ReadsCopiedFormsAndTinyNumbers) {
    EngineRig rig;
    EXPECT_TRUE(
        rig.engine.Paste("+1\xC2\xA0"
                         "234.5 \xE2\x82\xAC"));
    EXPECT_EQ(rig.engine.Display(), "1234,5");
    EXPECT_TRUE(rig.engine.Paste("1E-400"));
    EXPECT_EQ(rig.engine.Display(), "0");
    EXPECT_FALSE(rig.engine.Paste("12 34"));
    EXPECT_EQ(rig.engine.Display(), "0");
}

TEST(BlankGrid, EmptiesTheGridAndEndsTheCalculation) {
    EngineRig rig;
    rig.Type("3 + 4 = x");
    rig.engine.BlankGrid();
    EXPECT_EQ(rig.grid.GridLine(), 0);
    EXPECT_EQ(rig.engine.Display(), "0");
    EXPECT_EQ(rig.engine.State().Entry, EntryState::Cleared);
    rig.Type("+ 2 =");
    EXPECT_EQ(GridText(rig.grid), "|0|0; +|2|0; =|2|2");
}

TEST(GridLimit, ManyMoreLinesThanA16BitCount) {
    EngineRig rig;
    for (int i = 0; i < 50000; ++i) {
        rig.Type("1 +");
    }
    rig.Type("1 =");
    EXPECT_EQ(rig.grid.GridLine(), 50002);
    EXPECT_EQ(rig.engine.Display(), "50001");
    EXPECT_EQ(rig.grid.Row(50001).Value, "50001");
}

}  // namespace
}  // namespace tallimo::testing
