#include <gtest/gtest.h>

#include <climits>

#include "components/grid/core/MergedCells.h"
#include "fake_cell_grid.h"

namespace {

class MergedCellsTest : public testing::Test {
 protected:
  FakeCellGrid grid{6, 5};
  TMergedCells merged{grid};

  bool Has(int c, int r) const { return grid.FindCellProperties(c, r) != nullptr; }
};

TEST_F(MergedCellsTest, OrdinaryCellMakesNoPropertiesWhenRead) {
  EXPECT_EQ(merged.BaseCell(2, 3), TPoint(2, 3));
  EXPECT_EQ(merged.CellSpan(2, 3), TPoint(0, 0));
  EXPECT_EQ(merged.FullCell(2, 3), TRect(2, 3, 2, 3));
  EXPECT_TRUE(merged.IsBaseCell(2, 3));
  EXPECT_FALSE(merged.IsMergedCell(2, 3));
  EXPECT_FALSE(Has(2, 3));
}

TEST_F(MergedCellsTest, MergeMarksBaseAndDistances) {
  merged.MergeCells(1, 1, 3, 2);
  const TCellProperties* base = grid.FindCellProperties(1, 1);
  ASSERT_NE(base, nullptr);
  EXPECT_TRUE(base->IsBaseCell);
  EXPECT_EQ(base->CellSpanX, 2);
  EXPECT_EQ(base->CellSpanY, 1);
  const TCellProperties* other = grid.FindCellProperties(3, 2);
  EXPECT_FALSE(other->IsBaseCell);
  EXPECT_EQ(other->CellSpanX, 2);
  EXPECT_EQ(other->CellSpanY, 1);

  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 3; ++c) {
      EXPECT_EQ(merged.BaseCell(c, r), TPoint(1, 1));
      EXPECT_EQ(merged.CellSpan(c, r), TPoint(2, 1));
      EXPECT_EQ(merged.FullCell(c, r), TRect(1, 1, 3, 2));
      EXPECT_TRUE(merged.IsMergedCell(c, r));
      EXPECT_TRUE(merged.IsXMergedCell(c, r));
      EXPECT_TRUE(merged.IsYMergedCell(c, r));
    }
  }
  EXPECT_EQ(grid.repainted.size(), 6u);
  EXPECT_FALSE(merged.IsMergedCell(4, 1));
}

TEST_F(MergedCellsTest, SizesBelowOneDoNothing) {
  merged.MergeCells(1, 1, 0, 2);
  merged.MergeCells(1, 1, 2, -1);
  EXPECT_FALSE(Has(1, 1));
  EXPECT_TRUE(grid.repainted.empty());
}

TEST_F(MergedCellsTest, MergeIsCutAtTheGridsEdge) {
  merged.MergeCells(4, 3, INT_MAX, 10);
  EXPECT_EQ(merged.FullCell(5, 4), TRect(4, 3, 5, 4));
  EXPECT_EQ(grid.FindCellProperties(4, 3)->CellSpanX, 1);
  EXPECT_FALSE(Has(6, 3));
  merged.MergeCells(-1, 0, 2, 2);
  merged.MergeCells(6, 0, 2, 2);
  EXPECT_FALSE(Has(0, 0));
}

TEST_F(MergedCellsTest, MergingOverABlockSplitsItFirst) {
  merged.MergeCells(0, 0, 3, 3);
  merged.MergeCells(2, 2, 2, 2);
  // The old block is gone as a whole, also where the new one does not cover it.
  EXPECT_FALSE(merged.IsMergedCell(0, 0));
  EXPECT_EQ(merged.FullCell(1, 1), TRect(1, 1, 1, 1));
  EXPECT_EQ(merged.FullCell(3, 3), TRect(2, 2, 3, 3));
  EXPECT_EQ(merged.BaseCell(2, 2), TPoint(2, 2));
}

TEST_F(MergedCellsTest, SplitResetsTheWholeBlockFromAnyCell) {
  merged.MergeCells(1, 1, 2, 2);
  grid.repainted.clear();
  merged.SplitCells(2, 2);
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 2; ++c) {
      const TCellProperties* props = grid.FindCellProperties(c, r);
      EXPECT_TRUE(props->IsBaseCell);
      EXPECT_EQ(props->CellSpanX, -1);
      EXPECT_EQ(props->CellSpanY, -1);
    }
  }
  EXPECT_EQ(grid.repainted.size(), 4u);
}

TEST_F(MergedCellsTest, SplittingAnOrdinaryCellOnlyGivesItProperties) {
  merged.SplitCells(3, 0);
  ASSERT_TRUE(Has(3, 0));
  EXPECT_FALSE(Has(4, 0));
  EXPECT_EQ(merged.CellSpan(3, 0), TPoint(0, 0));
  EXPECT_TRUE(merged.IsBaseCell(3, 0));
}

TEST_F(MergedCellsTest, SpansOfDamagedObjectsStayInsideTheGrid) {
  TCellProperties* base = grid.GetCellProperties(4, 3);
  base->CellSpanX = 50;
  base->CellSpanY = -7;
  EXPECT_EQ(merged.FullCell(4, 3), TRect(4, 3, 5, 3));

  TCellProperties* pointsAway = grid.GetCellProperties(1, 1);
  pointsAway->IsBaseCell = false;
  pointsAway->CellSpanX = 5;  // back past column 0
  pointsAway->CellSpanY = 0;
  EXPECT_EQ(merged.BaseCell(1, 1), TPoint(1, 1));
  TCellProperties* pointsForward = grid.GetCellProperties(2, 2);
  pointsForward->IsBaseCell = false;
  pointsForward->CellSpanX = -3;
  pointsForward->CellSpanY = 0;
  EXPECT_EQ(merged.BaseCell(2, 2), TPoint(2, 2));
  EXPECT_EQ(merged.CellSpan(2, 2), TPoint(0, 0));

  // A stray non-base cell whose base does not reach it is still made ordinary by a split.
  TCellProperties* stray = grid.GetCellProperties(3, 4);
  stray->IsBaseCell = false;
  stray->CellSpanX = 3;
  stray->CellSpanY = 4;
  merged.SplitCells(3, 4);
  EXPECT_TRUE(stray->IsBaseCell);
  EXPECT_EQ(stray->CellSpanX, -1);
}

TEST_F(MergedCellsTest, RowSpans) {
  EXPECT_EQ(merged.MinRowSpan(1), 5);
  EXPECT_EQ(merged.MaxRowSpan(1), 0);
  merged.MergeCells(0, 1, 1, 3);
  merged.MergeCells(2, 1, 2, 2);
  EXPECT_EQ(merged.MinRowSpan(1), 1);
  EXPECT_EQ(merged.MaxRowSpan(1), 2);
  EXPECT_EQ(merged.MinRowSpan(3), 2);  // the lower cell of a block counts too
}

TEST_F(MergedCellsTest, RowSpanIdentical) {
  EXPECT_FALSE(merged.RowSpanIdentical(1, 2));  // no column merged at all
  merged.MergeCells(0, 1, 1, 2);
  EXPECT_TRUE(merged.RowSpanIdentical(1, 2));
  merged.MergeCells(3, 0, 1, 2);
  merged.MergeCells(3, 2, 1, 2);
  EXPECT_FALSE(merged.RowSpanIdentical(1, 2));  // column 3 splits them
}

TEST_F(MergedCellsTest, ColSpanIdentical) {
  EXPECT_TRUE(merged.ColSpanIdentical(1, 2));
  merged.MergeCells(1, 0, 2, 1);
  EXPECT_TRUE(merged.ColSpanIdentical(1, 2));
  merged.MergeCells(0, 2, 2, 1);  // column 1 is in a block on row 2, column 2 is not
  EXPECT_FALSE(merged.ColSpanIdentical(1, 2));
}

TEST_F(MergedCellsTest, ArrowsLeaveABlockOnlyToACellThatExists) {
  merged.MergeCells(3, 2, 3, 3);  // reaches the last column and the last row
  TPoint target;
  EXPECT_TRUE(merged.LeaveBlock({4, 3}, TBlockExit::Left, 1, 1, target));
  EXPECT_EQ(target, TPoint(2, 3));
  EXPECT_TRUE(merged.LeaveBlock({4, 3}, TBlockExit::Up, 1, 1, target));
  EXPECT_EQ(target, TPoint(4, 1));
  EXPECT_FALSE(merged.LeaveBlock({4, 3}, TBlockExit::Right, 1, 1, target));
  EXPECT_FALSE(merged.LeaveBlock({4, 3}, TBlockExit::Down, 1, 1, target));

  merged.MergeCells(1, 0, 2, 2);  // starts at the first scrollable column, in a fixed row
  EXPECT_FALSE(merged.LeaveBlock({2, 1}, TBlockExit::Left, 1, 1, target));
  EXPECT_FALSE(merged.LeaveBlock({2, 1}, TBlockExit::Up, 1, 1, target));
  EXPECT_TRUE(merged.LeaveBlock({1, 0}, TBlockExit::Right, 1, 1, target));
  EXPECT_EQ(target, TPoint(3, 0));
  EXPECT_FALSE(merged.LeaveBlock({0, 4}, TBlockExit::Right, 1, 1, target));  // no block
}

}  // namespace
