// The grid's Qt model announces every change of the grid the way views
// expect; Qt's model tester checks each announcement against the data.
#include "grid/ui/calc_grid_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "engine_harness.h"
#include "gridwork/cancelled_calculations.h"
#include "ui_test_app.h"

namespace tallimo::testing {
namespace {

TEST(CalcGridModel, AnnouncesEveryChangeOfTheGrid) {
    App();
    CalcGrid grid;
    CalcGridModel model(grid);
    grid.SetObserver(&model);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 1) << "the open row";
    for (int i = 0; i < 5; ++i) {
        grid.SetValue(grid.GridLine(), std::to_string(i));
        grid.NewGridLine();
        grid.SetOperation(grid.GridLine(), "+");
    }
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(model.index(4, 1).data().toString(), "4");
    EXPECT_EQ(model.index(5, 0).data().toString(), "+");
    grid.RemoveLine(1);
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.index(1, 1).data().toString(), "2");
    grid.SetRow(0, {"", "9", "          note", "", LineKind::Operation});
    EXPECT_EQ(model.index(0, 2).data(Qt::ToolTipRole).toString(), "note");
    grid.Reset({{"", "1", "", "", LineKind::Operation}, {"=", "1", "", "", LineKind::Result}});
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(1, 0).data(CalcGridModel::LineKindRole).toInt(), 2);
    grid.Reset();
    EXPECT_EQ(model.rowCount(), 1);
    grid.SetObserver(nullptr);
}

TEST(CalcGridModel, AnnouncesTheRemovalOfCancelledCalculations) {
    App();
    EngineRig rig;
    CalcGridModel model(rig.grid);
    rig.grid.SetObserver(&model);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    rig.Type("3 + 4 + C 5 + 1 = 2 x 2 C 8 - 1 =");
    ASSERT_EQ(model.rowCount(), 12);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    EXPECT_EQ(RemoveCancelledCalculations(rig.grid, rig.engine.State()), 5);

    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(model.rowCount(), 7);
    EXPECT_EQ(model.index(5, 1).data().toString(), "7");
    rig.grid.SetObserver(nullptr);
}

}  // namespace
}  // namespace tallimo::testing
