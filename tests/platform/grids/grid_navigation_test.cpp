#include "platform/grids/grid_navigation.h"

#include <gtest/gtest.h>

#include "grid_test_helpers.h"

namespace {

// 6 columns and 30 rows, one fixed of each; 8 rows fit the client below the fixed row.
class Navigation : public testing::Test {
 protected:
  TGridShape shape;
  void SetUp() override {
    shape.SetCount(GridAxis::Columns, 6);
    shape.SetCount(GridAxis::Rows, 30);
    shape.SetClientSize(1000, 25 * 9);
    shape.SetCurrent({2, 5}, true);
  }
  TGridCoord Cell(GridStep step, bool ctrl = false) {
    return GridStepTarget(shape, step, ctrl).cell;
  }
};

TEST_F(Navigation, ArrowsStopAtTheFixedCellsAndTheEnd) {
  EXPECT_EQ(Cell(GridStep::Up), (TGridCoord{2, 4}));
  EXPECT_EQ(Cell(GridStep::Right), (TGridCoord{3, 5}));
  shape.SetCurrent({1, 1}, true);
  EXPECT_EQ(Cell(GridStep::Up), (TGridCoord{1, 1}));
  EXPECT_EQ(Cell(GridStep::Left), (TGridCoord{1, 1}));
  shape.SetCurrent({5, 29}, true);
  EXPECT_EQ(Cell(GridStep::Down), (TGridCoord{5, 29}));
  EXPECT_EQ(Cell(GridStep::Right), (TGridCoord{5, 29}));
  shape.SetSelection({-1, -1, -1, -1});  // a hidden selection comes back at the first cell
  EXPECT_EQ(Cell(GridStep::Down), (TGridCoord{1, 1}));
}

TEST_F(Navigation, PagesMoveTheCellAndTheTopRowByTheVisibleRows) {
  ASSERT_EQ(shape.Rows().VisibleCount(), 8);
  TGridMoveTarget down = GridStepTarget(shape, GridStep::PageDown, false);
  EXPECT_EQ(down.cell, (TGridCoord{2, 13}));
  EXPECT_EQ(down.topLeft, (TGridCoord{1, 9}));
  shape.SetFirst(GridAxis::Rows, 20);
  shape.SetCurrent({2, 25}, true);
  down = GridStepTarget(shape, GridStep::PageDown, false);
  EXPECT_EQ(down.cell, (TGridCoord{2, 29}));
  EXPECT_EQ(down.topLeft, (TGridCoord{1, 22}));  // the last page
  TGridMoveTarget up = GridStepTarget(shape, GridStep::PageUp, false);
  EXPECT_EQ(up.cell, (TGridCoord{2, 17}));
  EXPECT_EQ(up.topLeft, (TGridCoord{1, 12}));
}

TEST_F(Navigation, HomeAndEndGoToTheCornersWithCtrlOrRowSelect) {
  EXPECT_EQ(Cell(GridStep::Home), (TGridCoord{1, 5}));
  EXPECT_EQ(Cell(GridStep::End), (TGridCoord{5, 5}));
  EXPECT_EQ(Cell(GridStep::Home, true), (TGridCoord{1, 1}));
  EXPECT_EQ(Cell(GridStep::End, true), (TGridCoord{5, 29}));
  shape.SetOptions(kDefaultGridOptions + goRowSelect);
  EXPECT_EQ(Cell(GridStep::End), (TGridCoord{5, 29}));
  EXPECT_EQ(Cell(GridStep::Home), (TGridCoord{1, 1}));
}

TEST_F(Navigation, RowSelectScrollsSidewaysInsteadOfMoving) {
  shape.SetCount(GridAxis::Columns, 40);
  shape.SetOptions(kDefaultGridOptions + goRowSelect);
  TGridMoveTarget right = GridStepTarget(shape, GridStep::Right, false);
  EXPECT_EQ(right.cell, (TGridCoord{2, 5}));
  EXPECT_EQ(right.topLeft, (TGridCoord{2, 1}));
}

TEST_F(Navigation, TabWalksAlongRowsAndWrapsAround) {
  shape.SetCurrent({5, 5}, true);
  EXPECT_EQ(Cell(GridStep::Tab), (TGridCoord{1, 6}));
  shape.SetCurrent({5, 29}, true);
  EXPECT_EQ(Cell(GridStep::Tab), (TGridCoord{1, 1}));
  EXPECT_EQ(Cell(GridStep::BackTab), (TGridCoord{4, 29}));
  shape.SetCurrent({1, 1}, true);
  EXPECT_EQ(Cell(GridStep::BackTab), (TGridCoord{5, 29}));
  shape.SetCurrent({1, 7}, true);
  EXPECT_EQ(Cell(GridStep::BackTab), (TGridCoord{5, 6}));
}

}  // namespace
