// The keypad and the grid's recalculation must agree: whatever keys a user
// presses, recomputing every chain the keypad recorded gives back exactly the
// values the keypad wrote, to the last bit of their doubles, so that a saved,
// printed or edited tape never shows a false result. A tape saved and opened
// again has only its 15-digit texts to go on from: recomputing it may move a
// result only below an operand whose saved text was rounded, mostly by one
// unit of the last digit, further after a step that magnifies the difference
// (a square, a power, a rounding function); the test counts both.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/functions.h"
#include "engine/operators.h"
#include "engine_harness.h"
#include "gridwork/calc_file.h"
#include "gridwork/line_edit.h"
#include "numbers/number_text.h"

namespace tallimo {
namespace {

using testing::EngineRig;
using testing::GridText;

// One step of a random session: a key, or a paste of one of the texts below.
struct Step {
    KeyPress key;
    int paste = -1;  // index into kPastes, or -1 for a key
};

// Texts a user might paste: plain, copied forms, long, tiny, huge and junk.
constexpr std::array<const char*, 9> kPastes = {
    "12.5", "1 234,5 \xE2\x82\xAC", "-0,1", "3,14159265358979323846", "1E-400", "1,5E+300", "abc",
    "7",    "0,333333333333333333"};

// Answers to the decimals prompt, including refusals, a question asked again
// and counts beyond what a double holds.
const std::array<std::optional<std::string>, 8> kAnswers = {
    std::string("2"), std::string("0"),  std::string("2.5"), std::string("abc"),
    std::string(""),  std::string("-1"), std::string("40"),  std::nullopt};

// Digits and operators come often, the rest now and then, so that sessions
// build real calculations and still reach every key in every state. Each
// row: the share in percent, the key and how many indexes it has.
struct Weight {
    int percent;
    Key key;
    int indexes;
};
constexpr std::array<Weight, 11> kWeights = {{{34, Key::Digit, 10},
                                              {3, Key::DecimalComma, 1},
                                              {2, Key::Constant, 1},
                                              {3, Key::Sign, 1},
                                              {2, Key::Backspace, 1},
                                              {2, Key::CancelEntry, 1},
                                              {1, Key::Cancel, 1},
                                              {15, Key::Operator, kOperatorCount},
                                              {8, Key::Equals, 1},
                                              {15, Key::Function, kFunctionKeyCount},
                                              {10, Key::Memory, kMemoryCount}}};  // 5 % paste

Step RandomStep(std::mt19937& rng) {
    int roll = static_cast<int>(rng() % 100);
    for (const Weight& w : kWeights) {
        if (roll < w.percent) {
            return {{w.key, static_cast<int>(rng() % static_cast<unsigned>(w.indexes)),
                     1 + static_cast<int>(rng() % 2)}};
        }
        roll -= w.percent;
    }
    return {{}, static_cast<int>(rng() % kPastes.size())};
}

// "k3.1.2" is key kind 3 (the Key order), index 1, button 2.
std::string Describe(const Step& step) {
    if (step.paste >= 0) {
        return std::string("paste(") + kPastes[static_cast<std::size_t>(step.paste)] + ")";
    }
    return "k" + std::to_string(static_cast<int>(step.key.key)) + "." +
           std::to_string(step.key.index) + "." + std::to_string(step.key.button);
}

void RecalculateEveryChain(CalcGrid& grid) {
    for (int first = 0; first < grid.GridLine();) {
        const Chain chain = FindChain(grid, first);
        RecalculateChain(grid, chain.first, chain.last);
        first = chain.last + 1 > first ? chain.last + 1 : first + 1;
    }
}

bool SameBits(std::optional<double> a, std::optional<double> b) {
    return a.has_value() == b.has_value() &&
           (!a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b));
}

// Recomputes every chain of a copy of the grid; answers the first row whose
// text, or double when `doubles`, differs, or -1.
int FirstDisagreement(const CalcGrid& recorded, bool doubles = true) {
    CalcGrid copy;
    copy.Reset(std::vector<PackedLine>(recorded.Recorded().begin(), recorded.Recorded().end()));
    RecalculateEveryChain(copy);
    for (int r = 0; r < copy.GridLine(); ++r) {
        if (copy.Line(r).Value() != recorded.Line(r).Value() ||
            (doubles && !SameBits(copy.Line(r).Computed(), recorded.Line(r).Computed()))) {
            return r;
        }
    }
    return -1;
}

// The recorded lines as a calculation file gives them back: texts only.
std::vector<CalcLine> ThroughAFile(const CalcGrid& grid) {
    return ParseCalculationFile(WriteCalculationFile(grid.RecordedLines())).lines;
}

// Whether two number texts differ by at most one unit of the fifteenth
// significant digit of the larger.
bool WithinTheLastDigit(const std::string& a, const std::string& b) {
    const std::optional<double> x = TextToNumber(a);
    const std::optional<double> y = TextToNumber(b);
    if (!x || !y) {
        return false;
    }
    const double larger = std::max(std::fabs(*x), std::fabs(*y));
    const double unit = std::pow(10.0, std::floor(std::log10(larger)) - 14);
    // The texts' own binary noise is far below a unit.
    return std::round(std::fabs(*x - *y) / unit) <= 1;
}

// What a saved and reopened tape shows once every chain is recomputed.
struct ReopenCount {
    long rows = 0;
    long rounded_texts = 0;  // saved texts that round their double, of any line
    long moved = 0;          // rows whose text moved in its last digit
    long beyond = 0;         // rows that moved further (a step that magnifies)
    int sessions_moved = 0;
};

// Compares the reopened, recomputed tape with the saved one. A text may move
// only below a rounded operand of its chain (the only texts a recalculation
// reads); `beyond` counts the moves larger than one unit of the last digit.
// Answers the first row that moved without a rounded operand above it, or -1.
int CompareReopened(const CalcGrid& saved, ReopenCount& count) {
    CalcGrid reopened;
    reopened.Reset(ThroughAFile(saved));
    if (reopened.GridLine() != saved.GridLine()) {
        return 0;  // the file did not read back
    }
    RecalculateEveryChain(reopened);
    bool moved = false;
    bool rounded_above = false;
    for (int r = 0; r < saved.GridLine(); ++r) {
        const CalcLine& line = saved.Row(r);
        if (line.Operation.empty()) {
            rounded_above = false;  // a new chain
        }
        ++count.rows;
        if (line.Computed && TextToNumber(line.Value) != line.Computed) {
            ++count.rounded_texts;
            rounded_above = rounded_above || line.Kind == LineKind::Operation;
        }
        const std::string now = reopened.Line(r).Value();
        if (now == line.Value) {
            continue;
        }
        if (!rounded_above) {
            return r;
        }
        moved = true;
        ++(WithinTheLastDigit(now, line.Value) ? count.moved : count.beyond);
    }
    count.sessions_moved += moved ? 1 : 0;
    return -1;
}

// Named cases: every digit the keypad computed is kept, and recomputing the
// tape gives the same texts and the same doubles.
struct DigitsCase {
    const char* name;
    const char* keys;
    const char* display;
};

class KeepsEveryDigit : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(KeepsEveryDigit, OnTheKeypadAndWhenRecomputed) {
    EngineRig rig;
    rig.Type(GetParam().keys);
    EXPECT_EQ(rig.engine.Display(), GetParam().display);
    EXPECT_EQ(FirstDisagreement(rig.grid), -1) << GridText(rig.grid);
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, KeepsEveryDigit,
    ::testing::Values(DigitsCase{"ThirdRecalledTimesThree", "1 / 3 = M1 C RM1 x 3 =", "1"},
                      DigitsCase{"RootRecalledSquared", "2 f:RCarrée M3 C RM3 f:Carré", "2"},
                      DigitsCase{"TwoPi", "2 x Pi =", "6,28318530717959"},
                      DigitsCase{"ReciprocalPlusPi", "7 f:1/x + Pi =", "3,28444979644694"},
                      DigitsCase{"SquareOfPiOnTheSecondOperand",
                                 "10 x Pi f:Carré =", "98,6960440108936"}),
    [](const auto& info) { return std::string(info.param.name); });

// Keys worth counting: they bring values whose texts round them.
struct Reach {
    int computed_recalls = 0;  // a memory holding more digits than it shows
    int pi = 0;
    int second_operand_functions = 0;
};

void CountReach(const CalcEngine& engine, const Step& step, Reach& reach) {
    if (step.paste >= 0) {
        return;
    }
    const CalcState& state = engine.State();
    switch (step.key.key) {
        case Key::Memory: {
            const double m = state.Memories[static_cast<std::size_t>(step.key.index)];
            reach.computed_recalls +=
                step.key.button != 1 && TextToNumber(NumberToText(m)) != m ? 1 : 0;
            break;
        }
        case Key::Constant:
            ++reach.pi;
            break;
        case Key::Function:
            reach.second_operand_functions += state.OperatorPending ? 1 : 0;
            break;
        default:
            break;
    }
}

TEST(KeypadAndRecalculation, AgreeOnRandomSessions) {
    constexpr int kSessions = 100'000;
    std::mt19937 rng(20240611);
    std::vector<Step> steps;
    Reach reach;
    ReopenCount reopen;
    for (int session = 0; session < kSessions; ++session) {
        EngineRig rig;
        rig.host.otherwise = std::string("3");
        for (int i = 0; i < 6; ++i) {
            rig.host.answers.push_back(kAnswers[rng() % kAnswers.size()]);
        }
        steps.clear();
        const int length = 1 + static_cast<int>(rng() % 40);
        for (int i = 0; i < length; ++i) {
            steps.push_back(RandomStep(rng));
            const Step& step = steps.back();
            CountReach(rig.engine, step, reach);
            if (step.paste >= 0) {
                rig.engine.Paste(kPastes[static_cast<std::size_t>(step.paste)]);
            } else {
                rig.engine.Press(step.key);
            }
        }
        auto keys = [&steps] {
            std::string text;
            for (const Step& step : steps) {
                text += Describe(step) + " ";
            }
            return text;
        };
        const int row = FirstDisagreement(rig.grid);
        ASSERT_LT(row, 0) << "session " << session << ": " << keys() << "\nrow " << row
                          << " differs when recomputed; grid: " << GridText(rig.grid);
        const int moved = CompareReopened(rig.grid, reopen);
        ASSERT_LT(moved, 0) << "session " << session << ": " << keys() << "\nrow " << moved
                            << " moved after a reopening with no rounded text above it; grid: "
                            << GridText(rig.grid);
        const std::string& display = rig.engine.Display();
        ASSERT_EQ(display.find_first_of("in"), std::string::npos) << display;
    }
    // The sessions must reach the values that have more digits than their
    // texts, or the agreement above would prove little.
    EXPECT_GT(reach.computed_recalls, 1000);
    EXPECT_GT(reach.pi, 1000);
    EXPECT_GT(reach.second_operand_functions, 1000);
    EXPECT_GT(reopen.moved, 0);
    std::printf(
        "Reopened tapes: %d of %d sessions moved; %ld of %ld rows moved in the last digit, "
        "%ld further; %ld saved texts rounded their double. Reached: %d computed recalls, "
        "%d Pi, %d functions on a second operand.\n",
        reopen.sessions_moved, kSessions, reopen.moved, reopen.rows, reopen.beyond,
        reopen.rounded_texts, reach.computed_recalls, reach.pi, reach.second_operand_functions);
}

// The calculator goes on from a grid it did not compute itself (a file
// opened): what it records next must still agree with the recalculation.
// (A chain whose texts do not give back its own last text, as 2 x Pi, goes
// on from the text shown; the reopening property above bounds that case.)
TEST(KeypadAndRecalculation, AgreeWhenGoingOnFromAnOpenedGrid) {
    for (const char* before : {"1 / 3 =", "2 = f:RCarrée", "10 / 7 = f:1/x", "1 / 7 x 7 ="}) {
        EngineRig typed;
        typed.Type(before);
        EngineRig reopened;
        reopened.grid.Reset(ThroughAFile(typed.grid));
        reopened.engine.ContinueFromLastLine(ComputedLastValue(reopened.grid));
        reopened.Type("x 3 =");
        // Lines read from the file have no doubles to compare.
        EXPECT_EQ(FirstDisagreement(reopened.grid, /*doubles=*/false), -1)
            << before << " x 3 =: " << GridText(reopened.grid);
    }
}

}  // namespace
}  // namespace tallimo
