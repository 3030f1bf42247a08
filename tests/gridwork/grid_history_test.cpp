// Undo history: what each step keeps, how steps share unchanged lines, and
// the order in which undo and redo give states back.
#include "gridwork/grid_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallimo {
namespace {

std::vector<PackedLine> Tape(int count, const std::string& value = "1") {
    std::vector<PackedLine> lines;
    for (int i = 0; i < count; ++i) {
        lines.emplace_back(LineKind::Operation, i == 0 ? "" : "+", value + std::to_string(i), "",
                           "");
    }
    return lines;
}

TapeState State(const std::vector<PackedLine>& lines, const GridHistory& history,
                const std::string& display) {
    EngineSnapshot engine;
    engine.display = display;
    return {LineSnapshot(lines, history.Base()), engine, ""};
}

TEST(LineSnapshot, GivesBackTheLinesAndSharesEveryUnchangedRun) {
    const std::vector<PackedLine> before = Tape(100000);
    const LineSnapshot first(before, nullptr);
    EXPECT_EQ(first.Lines(), before);
    EXPECT_TRUE(first.Matches(before));

    std::vector<PackedLine> after = before;
    after[70000].SetValue("changed", std::nullopt);
    after.emplace_back(LineKind::Result, "=", "x", "", "");
    const LineSnapshot second(after, &first);
    EXPECT_EQ(second.Lines(), after);
    EXPECT_FALSE(first.Matches(after));
    std::size_t shared = 0;
    for (std::size_t run = 0; run < second.RunCount(); ++run) {
        shared += second.SharesRun(run, first) ? 1 : 0;
    }
    // Only the run of the changed line and the last, longer run are new.
    EXPECT_EQ(shared, second.RunCount() - 2);

    std::vector<PackedLine> moved = after;
    const LineSnapshot taken(std::move(moved), &second);
    EXPECT_EQ(taken.Lines(), after);
    EXPECT_TRUE(moved.empty());
}

TEST(GridHistory, UndoAndRedoWalkTheStepsInOrder) {
    GridHistory history;
    EXPECT_FALSE(history.Undo(State({}, history, "now")));
    const auto a = Tape(3, "a");
    const auto b = Tape(2, "b");
    const auto c = Tape(4, "c");
    history.Record(State(a, history, "A"));  // a -> b
    history.Record(State(b, history, "B"));  // b -> c
    auto back = history.Undo(State(c, history, "C"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->lines.Lines(), b);
    EXPECT_EQ(back->engine.display, "B");
    back = history.Undo(State(b, history, "B"));
    EXPECT_EQ(back->lines.Lines(), a);
    EXPECT_FALSE(history.CanUndo());
    auto forward = history.Redo(State(a, history, "A"));
    ASSERT_TRUE(forward);
    EXPECT_EQ(forward->lines.Lines(), b);
    forward = history.Redo(State(b, history, "B"));
    EXPECT_EQ(forward->engine.display, "C");
    EXPECT_FALSE(history.CanRedo());

    // A new change, or a keypad step, forgets what could be redone.
    history.Undo(State(c, history, "C"));
    ASSERT_TRUE(history.CanRedo());
    history.ForgetRedo();
    EXPECT_FALSE(history.CanRedo());
    history.Redo(State(b, history, "B"));
    history.Undo(State(b, history, "B"));
    history.Record(State(a, history, "A"));
    EXPECT_FALSE(history.CanRedo());
}

TEST(GridHistory, KeepsAtMostItsStepsAndSharesTheirLines) {
    GridHistory history(100);
    std::vector<PackedLine> lines = Tape(20000);
    for (int step = 0; step < 150; ++step) {
        lines[static_cast<std::size_t>(step)].SetValue("step " + std::to_string(step),
                                                       std::nullopt);
        history.Record(State(lines, history, std::to_string(step)));
    }
    EXPECT_EQ(history.UndoSteps(), 100u);
    std::vector<TapeState> kept;
    while (history.CanUndo()) {
        kept.push_back(*history.Undo(State(lines, history, "now")));
    }
    EXPECT_EQ(kept.back().engine.display, "50") << "the oldest 50 steps were let go";
    // Consecutive steps share every run but the first one.
    for (std::size_t i = 1; i < kept.size(); ++i) {
        for (std::size_t run = 1; run < kept[i].lines.RunCount(); ++run) {
            ASSERT_TRUE(kept[i].lines.SharesRun(run, kept[i - 1].lines)) << i << " " << run;
        }
    }
}

}  // namespace
}  // namespace tallimo
