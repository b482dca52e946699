#include <gtest/gtest.h>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/grid/ExtGrid.h"
#include "grid_text.h"

namespace {

// The texts one to five in column 1 of rows 0..4, "x" in column 0.
class GridRows : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override {
    SetRowTexts(grid, {{"x", "one"}, {"x", "two"}, {"x", "three"}, {"x", "four"}, {"x", "five"}});
  }
  // A properties object the test holds too, so that it can see the grid let go of it.
  TCellPropertiesRef Held(int ACol, int ARow) {
    return TCellPropertiesRef(grid.GetCellProperties(ACol, ARow));
  }
};

TEST_F(GridRows, InsertedRowsAreEmptyAndTheRowsBelowMoveDown) {
  grid.SetRowHeights(2, 33);
  TCellPropertiesRef props = Held(1, 2);
  grid.InsertRows(2, 3);
  EXPECT_EQ(grid.GetRowCount(), 8);
  EXPECT_EQ(ColumnText(grid, 1), "one|two||||three|four|five");
  EXPECT_EQ(grid.RowHeights(5), 33);
  EXPECT_EQ(grid.RowHeights(2), grid.GetDefaultRowHeight());
  EXPECT_EQ(grid.FindCellProperties(1, 5), props.Get());
  EXPECT_EQ(grid.FindCellProperties(1, 2), nullptr);
  EXPECT_EQ(props->Holders(), 2);
  props = {};

  grid.InsertRows(-1, 1);
  grid.InsertRows(9, 1);
  grid.InsertRows(0, 0);
  EXPECT_EQ(grid.GetRowCount(), 8);
  grid.AddRow();
  EXPECT_EQ(ColumnText(grid, 1), "one|two||||three|four|five|");
}

TEST_F(GridRows, RowsTakenOutFreeTheirPropertiesAndDoNotComeBack) {
  TCellPropertiesRef props = Held(0, 1);
  grid.RemoveRows(1, 1);
  EXPECT_EQ(ColumnText(grid, 1), "one|three|four|five");
  EXPECT_EQ(props->Holders(), 1);
  props = {};
  grid.SetRowCount(5);
  EXPECT_EQ(RowText(grid, 4), "|");
}

TEST_F(GridRows, RemovingPastTheEndIsClampedOrRefused) {
  grid.RemoveRows(5, 1);  // the row count itself is no row
  grid.RemoveRows(-1, 1);
  grid.RemoveRows(2, 0);
  EXPECT_EQ(grid.GetRowCount(), 5);
  grid.RemoveRows(3, 1000);
  EXPECT_EQ(ColumnText(grid, 1), "one|two|three");
  grid.RemoveRowsEx(1, 1000);
  EXPECT_EQ(ColumnText(grid, 1), "one");
}

TEST_F(GridRows, TheCurrentRowAfterRemoving) {
  grid.SetFixedFooters(1);
  grid.SetRow(3);
  grid.RemoveRows(2, 2);  // the current row is gone: the last row above the footer
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(grid.GetRow(), 1);
  EXPECT_EQ(grid.Cells(1, grid.GetRow()), "two");

  SetUp();
  grid.SetFixedFooters(0);
  grid.SetRow(2);
  grid.RemoveRows(4, 1);
  EXPECT_EQ(grid.GetRow(), 2);
  grid.SetRow(3);
  grid.RemoveRowsEx(2, 2);  // gone: the first normal row
  EXPECT_EQ(grid.GetRow(), 1);
}

TEST_F(GridRows, SelectedRowsGoAndTheirStatesMoveWithTheRows) {
  grid.SetRowCount(6);
  grid.SetCells(1, 5, "six");
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(2, true);
  grid.SetRowSelect(4, true);
  grid.RemoveRows(1, 1);  // the states below move up
  EXPECT_TRUE(grid.GetRowSelect(1));
  EXPECT_TRUE(grid.GetRowSelect(3));
  EXPECT_FALSE(grid.GetRowSelect(2));
  grid.RemoveSelectedRows();
  EXPECT_EQ(ColumnText(grid, 1), "one|four|six");
  EXPECT_EQ(grid.GetRowSelectCount(), 0);
  grid.SetRowSelect(2, true);
  grid.RemoveUnSelectedRows();
  EXPECT_EQ(ColumnText(grid, 1), "one|six");
}

TEST_F(GridRows, RemoveDuplicatesKeepsTheFirstAndMindsCaseWhenAsked) {
  SetRowTexts(grid, {{"h", "h"}, {"1", "abc"}, {"2", "ABC"}, {"3", "x"}, {"4", "abc"}, {"5", "x"}});
  grid.SetFixedCols(1);
  grid.RemoveDuplicates(1, true);
  EXPECT_EQ(ColumnText(grid, 0), "h|1|2|3");
  grid.RemoveDuplicates(1, false);
  EXPECT_EQ(ColumnText(grid, 0), "h|1|3");
}

TEST_F(GridRows, SwappedRowsExchangeCellsAndHeights) {
  grid.SetRowHeights(1, 30);
  grid.SetCells(7, 1, "beyond");
  grid.SwapRows(1, 3);
  EXPECT_EQ(ColumnText(grid, 1), "one|four|three|two|five");
  EXPECT_EQ(grid.RowHeights(3), 30);
  EXPECT_EQ(grid.RowHeights(1), grid.GetDefaultRowHeight());
  EXPECT_EQ(grid.Cells(7, 3), "beyond");
  grid.SwapRows(1, 5);
  grid.SwapRows(-1, 1);
  EXPECT_EQ(ColumnText(grid, 1), "one|four|three|two|five");
}

TEST_F(GridRows, ClearingEmptiesTheNormalCellsOnly) {
  SetRowTexts(grid, {{"", "A", "B", "R"}, {"1", "a", "b", "r"}, {"2", "c", "d", "r"}, {"S", "s", "s", "s"}});
  grid.SetFixedCols(1);
  grid.SetFixedFooters(1);
  grid.SetFixedRightCols(1);
  TCellPropertiesRef props = Held(1, 1);
  grid.ClearNormalCells();
  EXPECT_EQ(RowText(grid, 0) + " " + RowText(grid, 1) + " " + RowText(grid, 2) + " " + RowText(grid, 3),
            "|A|B|R 1|||r 2|||r S|s|s|s");
  EXPECT_FALSE(grid.HasCellProperties(1, 1));
  EXPECT_EQ(props->Holders(), 1);
  props = {};
  EXPECT_EQ(grid.GetRowCount(), 4);

  grid.Clear();
  EXPECT_EQ(RowText(grid, 0) + RowText(grid, 3), "||||||");
  EXPECT_EQ(grid.GetColCount(), 4);
}

TEST_F(GridRows, ClearingRowsColumnsAndTheSelection) {
  grid.ClearRows(3, 100);
  EXPECT_EQ(ColumnText(grid, 1), "one|two|three||");
  grid.ClearCols(0, 1);
  EXPECT_EQ(ColumnText(grid, 0), "||||");
  grid.SetSelection({1, 1, 1, 2});
  grid.ClearSelection();
  EXPECT_EQ(ColumnText(grid, 1), "one||||");
  SetUp();
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(0, true);  // a fixed row stays
  grid.SetRowSelect(3, true);
  grid.ClearSelection();
  EXPECT_EQ(ColumnText(grid, 1) + " " + ColumnText(grid, 0), "one|two|three||five x|x|x||x");
}

TEST(GridRowsEmpty, ClearingAGridWithoutRowsDoesNothing) {
  TExtStringGrid grid(nullptr);
  grid.SetFixedRows(0);
  grid.SetRowCount(0);
  bool changed = false;
  grid.OnCellsChanged = [&changed](TObject*, TRect) { changed = true; };
  grid.Clear();
  grid.ClearNormalCells();
  grid.ClearRows(0, 1);
  EXPECT_FALSE(changed);
  EXPECT_EQ(grid.GetRowCount(), 0);
}

}  // namespace
