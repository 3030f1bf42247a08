#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/calc_grid.h"

namespace tallimo {
namespace {

// Records what a view would be told, in order.
class EventLog : public GridObserver {
  public:
    void RowAboutToBeAppended(int row) override { events.push_back("+?" + std::to_string(row)); }
    void RowAppended(int row) override { events.push_back("+" + std::to_string(row)); }
    void RowsAboutToBeRemoved(int first, int n) override {
        events.push_back("-?" + std::to_string(first) + "x" + std::to_string(n));
    }
    void RowsRemoved(int first, int n) override {
        events.push_back("-" + std::to_string(first) + "x" + std::to_string(n));
    }
    void AboutToReset() override { events.push_back("reset?"); }
    void Reset() override { events.push_back("reset"); }
    void RowChanged(int row) override { events.push_back("~" + std::to_string(row)); }
    std::vector<std::string> events;
};

TEST(CalcGrid, OpenRowFollowsTheRecordedLines) {
    CalcGrid grid;
    EventLog log;
    grid.SetObserver(&log);
    EXPECT_EQ(grid.GridLine(), 0);
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetValue(0, "3");
    grid.NewGridLine();
    grid.SetOperation(1, "+");
    EXPECT_EQ(grid.GridLine(), 1);
    EXPECT_EQ(grid.OpenRow().Operation, "+");
    grid.SetValue(1, "4");
    grid.NewGridLine();
    grid.RemoveLine(0);
    EXPECT_EQ(grid.GridLine(), 1);
    EXPECT_EQ(grid.Row(0).Value, "4");
    grid.RemoveLine(1);  // the open row cannot be removed
    EXPECT_EQ(grid.RowCount(), 2);
    grid.Reset({CalcLine{"", "9", "", "", LineKind::Operation}});
    EXPECT_EQ(grid.GridLine(), 1);
    EXPECT_TRUE(grid.OpenRow().Value.empty());
    const std::vector<std::string> expected = {"~0", "+?1",   "+1",   "~1",     "~1",   "+?2",
                                               "+2", "-?0x1", "-0x1", "reset?", "reset"};
    EXPECT_EQ(log.events, expected);
}

TEST(CalcGrid, RemovesMarkedLinesInOneGo) {
    CalcGrid grid;
    grid.Reset({{"", "1", "", ""},
                {"+", "2", "", ""},
                {"+", "3", "", ""},
                {"+", "4", "", ""},
                {"+", "5", "", ""}});
    grid.SetOperation(5, "x");
    EventLog log;
    grid.SetObserver(&log);

    EXPECT_EQ(grid.RemoveLines({false, false}), 0);  // nothing marked: nothing told
    EXPECT_TRUE(log.events.empty());

    // Marks past the recorded lines are ignored: the open row stays.
    EXPECT_EQ(grid.RemoveLines({true, false, true, true, false, true, true}), 3);
    EXPECT_EQ(log.events, (std::vector<std::string>{"reset?", "reset"}));
    ASSERT_EQ(grid.GridLine(), 2);
    EXPECT_EQ(grid.Row(0).Value, "2");
    EXPECT_EQ(grid.Row(1).Value, "5");
    EXPECT_EQ(grid.OpenRow().Operation, "x");
}

TEST(LineKind, UnknownFileCodesAreOperationLines) {
    EXPECT_EQ(LineKindFromCode(3), LineKind::Cancellation);
    EXPECT_EQ(LineKindFromCode(4), LineKind::Operation);
    EXPECT_EQ(LineKindFromCode(255), LineKind::Operation);
}

}  // namespace
}  // namespace tallimo
