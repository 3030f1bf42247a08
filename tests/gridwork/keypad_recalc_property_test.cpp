// The keypad and the grid's recalculation must agree: whatever keys a user
// presses, recomputing every chain the keypad recorded gives back exactly the
// values the keypad wrote, so that a saved, printed or edited tape never
// shows a false result.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine/functions.h"
#include "engine/operators.h"
#include "engine_harness.h"
#include "gridwork/line_edit.h"

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
constexpr std::array<Weight, 11> kWeights = {{{35, Key::Digit, 10},
                                              {3, Key::DecimalComma, 1},
                                              {1, Key::Constant, 1},
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

// Recomputes every chain of a copy of the grid; answers the first row whose
// value differs, or -1.
int FirstDisagreement(const CalcGrid& recorded) {
    CalcGrid copy;
    copy.Reset(std::vector<CalcLine>(recorded.Rows().begin(), recorded.Rows().end() - 1));
    for (int first = 0; first < copy.GridLine();) {
        const Chain chain = FindChain(copy, first);
        RecalculateChain(copy, chain.first, chain.last);
        first = chain.last + 1 > first ? chain.last + 1 : first + 1;
    }
    for (int r = 0; r < copy.GridLine(); ++r) {
        if (copy.Row(r).Value != recorded.Row(r).Value) {
            return r;
        }
    }
    return -1;
}

TEST(KeypadAndRecalculation, AgreeOnRandomSessions) {
    constexpr int kSessions = 100'000;
    std::mt19937 rng(20240611);
    std::vector<Step> steps;
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
            if (step.paste >= 0) {
                rig.engine.Paste(kPastes[static_cast<std::size_t>(step.paste)]);
            } else {
                rig.engine.Press(step.key);
            }
        }
        const int row = FirstDisagreement(rig.grid);
        if (row >= 0) {
            std::string keys;
            for (const Step& step : steps) {
                keys += Describe(step) + " ";
            }
            FAIL() << "session " << session << ": " << keys << "\nrow " << row
                   << " differs when recomputed; grid: " << GridText(rig.grid);
        }
        const std::string& display = rig.engine.Display();
        ASSERT_EQ(display.find_first_of("in"), std::string::npos) << display;
    }
}

// The calculator goes on from a grid it did not compute itself (a file
// opened): what it records next must still agree with the recalculation.
TEST(KeypadAndRecalculation, AgreeWhenGoingOnFromAnOpenedGrid) {
    for (const char* before : {"1 / 3 =", "2 = f:RCarrée", "10 / 7 = f:1/x", "Pi x 2 ="}) {
        EngineRig typed;
        typed.Type(before);
        EngineRig reopened;
        reopened.grid.Reset(
            std::vector<CalcLine>(typed.grid.Rows().begin(), typed.grid.Rows().end() - 1));
        reopened.engine.ContinueFromLastLine(ComputedLastValue(reopened.grid));
        reopened.Type("x 3 =");
        EXPECT_EQ(FirstDisagreement(reopened.grid), -1)
            << before << " x 3 =: " << GridText(reopened.grid);
    }
}

}  // namespace
}  // namespace tallimo
