#include "gridwork/cancelled_calculations.h"

#include <gtest/gtest.h>

#include <string>

#include "engine_harness.h"

namespace tallimo {
namespace {

using testing::EngineRig;
using testing::GridText;

struct RemovalCase {
    const char* name;
    const char* keys;
    const char* after;  // the grid once the command has run
};

void PrintTo(const RemovalCase& c, std::ostream* os) {
    *os << c.keys;
}

class RemovalTable : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(RemovalTable, KeepsEveryFinishedCalculation) {
    const RemovalCase& c = GetParam();
    EngineRig rig;
    rig.Type(c.keys);
    const CalcState before = rig.engine.State();
    const std::string display = rig.engine.Display();
    const int lines = rig.grid.GridLine();

    const int removed = RemoveCancelledCalculations(rig.grid, rig.engine.State());

    EXPECT_EQ(GridText(rig.grid), c.after);
    EXPECT_EQ(removed, lines - rig.grid.GridLine());
    EXPECT_EQ(rig.engine.Display(), display);
    EXPECT_EQ(rig.engine.State().X, before.X);
    EXPECT_EQ(rig.engine.State().Entry, before.Entry);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RemovalTable,
    ::testing::Values(
        RemovalCase{"cancelled_then_finished", "3 + 4 + C 5 + 1 =", "|5|0; +|1|0; =|6|2"},
        RemovalCase{"two_cancelled_in_a_row", "3 + 4 C 2 x 5 C 1 + 1 =", "|1|0; +|1|0; =|2|2"},
        RemovalCase{"finished_before_and_after",
                    "3 + 4 = 8 - 2 f:Carré C 9 x 2 =", "|3|0; +|4|0; =|7|2; |9|0; x|2|0; =|18|2"},
        RemovalCase{"cancelled_as_the_last_line", "2 + 2 = 6 x 6 C", "|2|0; +|2|0; =|4|2"},
        RemovalCase{"function_on_a_first_operand_goes_with_it",
                    "3 f:Carré + 2 C 1 + 1 =", "|1|0; +|1|0; =|2|2"},
        RemovalCase{"nothing_cancelled", "3 + 4 = 5 f:Cube",
                    "|3|0; +|4|0; =|7|2; |5|0; Cube|125|1"},
        // A calculation continued from its result and then cancelled loses
        // only what followed the result.
        RemovalCase{"continued_after_equals_keeps_the_result", "3 + 4 = + 2 x C",
                    "|3|0; +|4|0; =|7|2"},
        RemovalCase{"operator_right_after_equals_then_cancel",
                    "3 + 4 = + C 1 + 1 =", "|3|0; +|4|0; =|7|2; |1|0; +|1|0; =|2|2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RemoveCancelledCalculations, NothingDuringACalculationOrOnAnEmptyGrid) {
    EngineRig rig;
    EXPECT_FALSE(CanRemoveCancelledCalculations(rig.grid, rig.engine.State()));
    EXPECT_EQ(RemoveCancelledCalculations(rig.grid, rig.engine.State()), 0);

    rig.Type("3 + 4 C 5 +");
    const std::string before = GridText(rig.grid);
    EXPECT_FALSE(CanRemoveCancelledCalculations(rig.grid, rig.engine.State()));
    EXPECT_EQ(RemoveCancelledCalculations(rig.grid, rig.engine.State()), 0);
    EXPECT_EQ(GridText(rig.grid), before);

    rig.Type("1 =");
    EXPECT_TRUE(CanRemoveCancelledCalculations(rig.grid, rig.engine.State()));
    EXPECT_EQ(RemoveCancelledCalculations(rig.grid, rig.engine.State()), 2);
}

TEST(RemoveCancelledCalculations, ALineWithoutFirstOperandGoesUpToRowZero) {
    // A file may start in the middle of a calculation.
    CalcGrid grid;
    grid.Reset({{"+", "4", "", "", LineKind::Operation},
                {"", kCancellationText, "", "", LineKind::Cancellation},
                {"", "5", "", "", LineKind::Operation}});
    EXPECT_EQ(RemoveCancelledCalculations(grid, CalcState{}), 2);
    EXPECT_EQ(GridText(grid), "|5|0");
}

}  // namespace
}  // namespace tallimo
