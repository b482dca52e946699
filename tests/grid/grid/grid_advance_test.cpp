// Advancing and tabbing with real key events: both directions, with and without adding rows
// and columns at the end, over merged blocks, past right fixed columns, and a grid with no
// editable cell.
#include <gtest/gtest.h>

#include <vector>

#include "key_grid.h"

namespace {

TEST_F(GridKeys, EnterLeavesBlocksThatSpanRowsInEitherDirection) {
  grid->MergeCells(1, 1, 3, 2);  // the whole of rows 1 and 2
  Put(1, 1);
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{1, 3}));

  grid->SplitCells(1, 1);
  grid->MergeCells(1, 1, 1, 2);
  grid->Navigation.AdvanceDirection = adTopBottom;
  Put(1, 1);
  EnterTwice();
  EXPECT_EQ(Current(), (TGridCoord{1, 3}));
  EnterTwice();  // the last row: the first row of the next column
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  Put(3, 3);
  EnterTwice();  // the last cell wraps without AdvanceInsert
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->GetColCount(), 4);
}

TEST_F(GridKeys, WalkingBackOutOfTheEditorLandsOnABlocksBaseCell) {
  grid->Navigation.CursorWalkEditor = true;
  grid->MergeCells(2, 1, 2, 1);
  Put(1, 2);
  Key(Qt::Key_Return);
  ASSERT_TRUE(grid->GetEditorMode());
  Key(Qt::Key_Left);  // at the start of the text: the previous row's last block
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  Key(Qt::Key_Left);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  Key(Qt::Key_Left);  // the first cell wraps to the last
  EXPECT_EQ(Current(), (TGridCoord{3, 3}));
}

// Only a check box takes Enter past the class library here; nothing else may be edited.
TEST_F(GridKeys, EnterInAGridWithoutEditableCellsGrowsItOnceAtMostAndStays) {
  grid->AddCheckBox(3, 3, false, false);
  grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  Put(3, 3);
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), (TGridCoord{3, 3}));

  grid->Navigation.AdvanceInsert = true;
  std::vector<int> added;
  grid->OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
  grid->OnAutoInsertCol = [&](TObject*, int ACol) { added.push_back(-ACol); };
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), (TGridCoord{3, 3}));
  EXPECT_EQ(grid->GetRowCount(), 5);
  grid->Navigation.AdvanceDirection = adTopBottom;
  Put(3, 4);
  grid->AddCheckBox(3, 4, false, false);
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), (TGridCoord{3, 4}));
  EXPECT_EQ(grid->GetColCount(), 5);
  EXPECT_EQ(added, (std::vector<int>{4, -4}));
}

TEST_F(GridKeys, TabAndShiftTabOverMergedCellsOnTheGridAndInTheEditor) {
  grid->SetOptions(grid->GetOptions() + goTabs);
  grid->MergeCells(1, 2, 2, 1);
  Put(1, 2);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);  // from the block back over the row's start
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));
  Key(Qt::Key_Return);
  ASSERT_TRUE(grid->GetEditorMode());
  Key(Qt::Key_Tab);  // the editor tabs onto the block
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  Key(Qt::Key_Return);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (TGridCoord{3, 2}));
  Key(Qt::Key_Return);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);  // back onto the block's last column: its base
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
}

TEST_F(GridKeys, TabNeverLandsOnARightFixedColumn) {
  grid->SetOptions(grid->GetOptions() + goTabs);
  grid->SetColCount(5);
  grid->SetFixedRightCols(1);
  Put(3, 1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), (TGridCoord{3, 1}));
  Put(3, 3);
  Key(Qt::Key_Tab);  // the last row wraps to the first
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

TEST_F(GridKeys, DeleteOnTheLastDataRowKeepsTheFooter) {
  grid->SetOptions(grid->GetOptions() - goEditing);
  grid->Navigation.AllowDeleteRow = true;
  grid->SetRowCount(5);
  grid->SetFixedFooters(1);
  grid->SetCellEx(1, 2, "b");
  grid->SetCellEx(1, 4, "sum");
  Put(1, 3);
  Key(Qt::Key_Delete);
  EXPECT_EQ(grid->GetRowCount(), 4);
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));  // the new last data row
  EXPECT_EQ(grid->GetCellEx(1, 2), "b");
  EXPECT_EQ(grid->GetCellEx(1, 3), "sum");
  Key(Qt::Key_Down);  // the footer row is fixed: it never becomes current
  EXPECT_EQ(grid->GetRow(), 2);
  grid->SetRow(3);
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_EQ(grid->GetCellEx(1, 3), "sum");
}

TEST_F(GridKeys, HomeLandsOnABlocksBaseAndEndStopsAboveTheFloatingFooter) {
  grid->SetRowCount(10);
  grid->Navigation.HomeEndKey = heFirstLastRow;
  grid->FloatingFooter.SetVisible(true);
  grid->MergeCells(1, 1, 2, 1);
  Put(2, 4);
  Key(Qt::Key_End);
  EXPECT_EQ(Current(), (TGridCoord{2, 8}));
  Key(Qt::Key_Home);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

TEST_F(GridKeys, ShiftArrowsSelectRowsFromTheAnchor) {
  grid->SetOptions(grid->GetOptions() - goEditing + goRangeSelect);
  grid->MouseActions.DisjunctRowSelect = true;
  grid->SetRowCount(7);
  Put(1, 1);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_FALSE(grid->GetRowSelect(1));
  for (int r = 2; r <= 4; ++r) EXPECT_TRUE(grid->GetRowSelect(r)) << r;
  Key(Qt::Key_Down);  // a plain arrow starts again
  EXPECT_EQ(grid->GetRowSelectCount(), 1);
  EXPECT_TRUE(grid->GetRowSelect(5));
}

}  // namespace
