#include "platform/grids/string_grid.h"

#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/grids/grid_error.h"

namespace {

using StringGrid = GridFixture;

TEST_F(StringGrid, ShrinkingKeepsCellsThatGrowingShowsAgain) {
  TObject object;
  grid->SetCells(4, 4, "corner");
  grid->SetObjects(4, 4, &object);
  grid->SetColCount(2);
  grid->SetRowCount(2);
  EXPECT_EQ(grid->Cells(4, 4), "corner");  // kept, though outside the grid now
  grid->SetColCount(5);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->Cells(4, 4), "corner");
  EXPECT_EQ(grid->Objects(4, 4), &object);
  EXPECT_EQ(grid->Cells(-1, 99), "");
  EXPECT_EQ(grid->Objects(99, -1), nullptr);
}

TEST_F(StringGrid, FixedCountsMustStayBelowTheCounts) {
  EXPECT_EQ(RaisedMessage([&] { grid->SetFixedCols(5); }),
            "Fixed column count must be less than column count");
  EXPECT_EQ(RaisedMessage([&] { grid->SetFixedRows(5); }),
            "Fixed row count must be less than row count");
  EXPECT_EQ(RaisedMessage([&] { grid->SetCol(5); }), "Grid index out of range");
  EXPECT_EQ(grid->GetFixedCols(), 1);
  grid->SetRowCount(1);  // the fixed rows give way
  EXPECT_EQ(grid->GetFixedRows(), 0);
  EXPECT_EQ(grid->GetRow(), 0);
}

TEST_F(StringGrid, MovedAndDeletedLinesTakeTheirCellsAndSizes) {
  for (int c = 0; c < 5; ++c) grid->SetCells(c, 1, AnsiString(1, 'a' + c));
  grid->SetColWidths(1, 30);
  std::vector<std::pair<int, int>> moved;
  grid->OnColumnMoved = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
  grid->MoveColumn(1, 3);
  EXPECT_EQ(grid->Rows(1).GetCommaText(), "a,c,d,b,e");
  EXPECT_EQ(grid->ColWidths(3), 30);
  EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 3}}));

  grid->SetCells(0, 2, "two");
  grid->SetCells(0, 3, "three");
  grid->DeleteRow(2);
  EXPECT_EQ(grid->GetRowCount(), 4);
  EXPECT_EQ(grid->Cells(0, 2), "three");
  grid->DeleteColumn(0);
  EXPECT_EQ(grid->Rows(1).GetCommaText(), "c,d,b,e");
  EXPECT_EQ(RaisedMessage([&] { grid->MoveRow(0, 9); }), "Grid index out of range");
}

TEST_F(StringGrid, PermutedRowsTakeTheirCellsAndHeightsAtOnce) {
  grid->SetRowCount(4);
  for (int r = 0; r < 4; ++r) grid->SetCells(0, r, AnsiString(1, 'a' + r));
  grid->SetRowHeights(1, 33);
  grid->SetRow(2);
  grid->PermuteRows({3, 1, 0, 2});
  EXPECT_EQ(grid->Cols(0).GetCommaText().substr(0, 7), "d,b,a,c");
  EXPECT_EQ(grid->RowHeights(1), 33);
  EXPECT_EQ(grid->GetRow(), 2);  // the current cell stays where it was
  grid->PermuteRows({0, 1});     // not a permutation of the rows: nothing moves
  EXPECT_EQ(grid->Cells(0, 0), "d");
}

TEST_F(StringGrid, LinesReadAndAssignTextsAndObjects) {
  TStringList list;
  TObject object;
  list.Add("x");
  list.AddObject("y", &object);
  grid->SetCols(2, list);
  EXPECT_EQ(grid->Cells(2, 0), "x");
  EXPECT_EQ(grid->Objects(2, 1), &object);
  EXPECT_EQ(grid->Cols(2).Count(), 5);
  grid->SetRows(0, grid->Cols(2));
  EXPECT_EQ(grid->Rows(0).GetCommaText(), "x,y,,,");  // the column it copied from overlaps
}

TEST_F(StringGrid, TopRowIsClampedAndReported) {
  grid->SetRowCount(100);
  int changes = 0;
  grid->OnTopLeftChanged = [&](TObject*) { ++changes; };
  grid->SetTopRow(1000);
  int last = grid->GetTopRow();
  EXPECT_EQ(last + grid->GetVisibleRowCount(), 100);
  EXPECT_EQ(changes, 1);
  grid->SetTopRow(-5);
  EXPECT_EQ(grid->GetTopRow(), 1);
  grid->SetRow(50);  // scrolled into view
  EXPECT_GE(50, grid->GetTopRow());
  EXPECT_LT(50, grid->GetTopRow() + grid->GetVisibleRowCount());
  EXPECT_EQ(changes, 3);
}

TEST_F(StringGrid, AGridNeverShownKnowsItsClientArea) {
  grid->SetRowCount(100);
  grid->SetColCount(4);
  grid->SetBounds(0, 0, 340, 29 + 4 + 25 * 6);  // the frame, the fixed row, six rows
  EXPECT_EQ(grid->GetClientHeight(), 29 + 25 * 6);
  EXPECT_EQ(grid->GetVisibleRowCount(), 6);
  grid->SetScrollBars(ssNone);
  EXPECT_EQ(grid->GetClientWidth(), 336);
}

TEST_F(StringGrid, SelectionMayBeAnyRectangle) {
  grid->SetSelection({-1, -1, -1, -1});
  EXPECT_EQ(grid->GetSelection(), (TGridRect{-1, -1, -1, -1}));
  EXPECT_EQ(grid->GetRow(), -1);
  grid->SetSelection({1, 1, 3, 2});
  EXPECT_EQ(Current(), (TGridCoord{3, 2}));
}

TEST_F(StringGrid, SelectCellMayRefuseAMove) {
  grid->OnSelectCell = [](TObject*, int col, int, bool& can) { can = col != 2; };
  int clicks = 0;
  grid->OnClick = [&](TObject*) { ++clicks; };
  grid->SetCol(2);
  EXPECT_EQ(grid->GetCol(), 1);
  grid->SetCol(3);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
