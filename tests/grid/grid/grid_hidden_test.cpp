#include <gtest/gtest.h>

#include <climits>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "grid_text.h"
#include "platform/controls/forms.h"

namespace {

// Ten rows "r0".."r9" in column 1, "x" in column 0.
class HiddenRows : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override {
    grid.SetColCount(3);
    grid.SetRowCount(10);
    grid.SetFixedRows(0);
    for (int r = 0; r < 10; ++r) {
      grid.SetCells(0, r, "x");
      grid.SetCells(1, r, "r" + IntToStr(r));
    }
  }
  AnsiString Shown() { return ColumnText(grid, 1); }
};

TEST_F(HiddenRows, HidingRowsKeepsTheirRealNumbersAndCells) {
  grid.SetColors(1, 4, clRed);
  TCellProperties* props = grid.FindCellProperties(1, 4);
  grid.HideRows(3, 5);
  EXPECT_EQ(grid.GetRowCount(), 7);
  EXPECT_EQ(grid.NumHiddenRows(), 3);
  EXPECT_EQ(Shown(), "r0|r1|r2|r6|r7|r8|r9");
  EXPECT_EQ(grid.RemapRow(6), 3);
  EXPECT_EQ(grid.RemapRowInv(3), 6);
  EXPECT_EQ(grid.RemapRowInv(2), 2);
  EXPECT_TRUE(grid.IsHiddenRow(4));
  EXPECT_FALSE(grid.IsHiddenRow(6));
  EXPECT_EQ(grid.GetCellsEx(1, 4), "r4");
  EXPECT_EQ(grid.HiddenRow(5)->Strings(1), "r5");
  EXPECT_EQ(grid.HiddenRow(6), nullptr);
  EXPECT_EQ(grid.FindCellProperties(1, 4), nullptr);  // the row's object went with it

  grid.UnHideRows(3, 5);
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9");
  EXPECT_EQ(grid.FindCellProperties(1, 4), props);
  EXPECT_EQ(grid.GetColors(1, 4), clRed);
  EXPECT_EQ(grid.NumHiddenRows(), 0);
}

TEST_F(HiddenRows, HidingAHiddenRowChangesNothing) {
  grid.HideRow(4);
  grid.HideRow(4);
  EXPECT_EQ(grid.GetRowCount(), 9);
  EXPECT_EQ(grid.NumHiddenRows(), 1);
  grid.HideRows(20, 30);
  grid.HideRows(-5, -1);
  EXPECT_EQ(grid.GetRowCount(), 9);
}

// A range that already holds hidden rows hides only its shown ones, and showing a part of
// the hidden rows puts each at its own place without touching shown rows.
TEST_F(HiddenRows, RangesWithHiddenRowsInside) {
  grid.HideRow(4);
  grid.HideRow(6);
  grid.HideRows(3, 7);
  EXPECT_EQ(Shown(), "r0|r1|r2|r8|r9");
  EXPECT_EQ(grid.NumHiddenRows(), 5);
  grid.UnHideRows(5, 6);
  EXPECT_EQ(Shown(), "r0|r1|r2|r5|r6|r8|r9");
  EXPECT_EQ(grid.RemapRowInv(3), 5);
  grid.UnHideRow(3);
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r5|r6|r8|r9");
  grid.UnHideRowsAll();
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9");
}

TEST_F(HiddenRows, HiddenRowsTravelWithHiddenColumns) {
  grid.SetCells(2, 5, "behind");
  grid.HideColumn(2);
  grid.HideRow(5);
  grid.UnHideRow(5);
  grid.UnHideColumn(2);
  EXPECT_EQ(grid.Cells(2, 5), "behind");
}

TEST_F(HiddenRows, SelectedRowsHide) {
  grid.SetFixedRows(1);
  grid.SetRowSelect(2, true);
  grid.SetRowSelect(7, true);
  grid.HideSelectedRows();
  EXPECT_EQ(Shown(), "r0|r1|r3|r4|r5|r6|r8|r9");
  EXPECT_EQ(grid.GetRowSelectCount(), 0);
  grid.SetRowSelect(1, true);
  grid.HideUnSelectedRows();
  EXPECT_EQ(Shown(), "r0|r1");
  EXPECT_EQ(grid.RemapRowInv(1), 1);
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.GetRowCount(), 10);
  EXPECT_TRUE(grid.GetRowSelect(1));
  EXPECT_FALSE(grid.GetRowSelect(2));
}

// Columns ---------------------------------------------------------------------------------

class HiddenColumns : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override {
    SetRowTexts(grid, {{"a0", "b0", "c0", "d0"}, {"a1", "b1", "c1", "d1"}});
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    for (int c = 0; c < 4; ++c) grid.SetColWidths(c, 30 + c);
  }
};

TEST_F(HiddenColumns, AHiddenColumnKeepsItsCellsAndWidth) {
  grid.HideColumn(1);
  EXPECT_EQ(grid.GetColCount(), 3);
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_TRUE(grid.IsHiddenColumn(1));
  EXPECT_FALSE(grid.GetVisibleCol(1));
  EXPECT_EQ(grid.RemapCol(1), 2);
  EXPECT_EQ(grid.RemapCol(2), 3);
  EXPECT_EQ(grid.RemapColInv(3), 2);
  EXPECT_EQ(grid.ColWidths(1), 32);  // the widths to the right moved left
  EXPECT_EQ(grid.ColWidths(2), 33);
  EXPECT_EQ(grid.GetCellsEx(1, 1), "b1");
  EXPECT_EQ(grid.GetAllColWidths(1), 31);
  grid.SetAllColWidths(1, 44);  // kept for the hidden column, no shown one sized
  EXPECT_EQ(grid.ColWidths(1), 32);

  grid.UnHideColumn(1);
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.NumHiddenColumns(), 0);
  EXPECT_EQ(grid.ColWidths(1), 44);
  EXPECT_EQ(grid.ColWidths(2), 32);
  EXPECT_EQ(grid.ColWidths(3), 33);
  EXPECT_EQ(grid.RemapCol(1), 1);
}

TEST_F(HiddenColumns, TheLastShownColumnDoesNotHide) {
  grid.HideColumns(0, 10);
  EXPECT_EQ(grid.GetColCount(), 1);
  EXPECT_EQ(grid.NumHiddenColumns(), 3);
  EXPECT_EQ(grid.RemapCol(0), 3);
  grid.UnHideColumnsAll();
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(RowText(grid, 1), "a1|b1|c1|d1");
  EXPECT_EQ(grid.ColWidths(0), 30);
}

TEST_F(HiddenColumns, ColumnsMovingPastAHiddenOneTakeItsFlagAlong) {
  grid.HideColumn(2);
  grid.InsertCols(1, 1);
  EXPECT_TRUE(grid.IsHiddenColumn(3));
  EXPECT_FALSE(grid.IsHiddenColumn(2));
  EXPECT_EQ(grid.GetColCount(), 4);
  grid.RemoveCols(3, 1);  // the hidden one: the shown columns stay
  EXPECT_EQ(grid.NumHiddenColumns(), 0);
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(RowText(grid, 0), "a0||b0|d0");
}

TEST_F(HiddenColumns, SortingMovesHiddenCellsWithTheirRows) {
  grid.SetCells(0, 0, "z");
  grid.HideColumn(2);
  grid.SortSettings.SetColumn(0);
  grid.QSort();
  grid.UnHideColumn(2);
  EXPECT_EQ(RowText(grid, 0), "a1|b1|c1|d1");
  EXPECT_EQ(RowText(grid, 1), "z|b0|c0|d0");
}

// Nodes -----------------------------------------------------------------------------------

class Nodes : public HiddenRows {};

TEST_F(Nodes, ASpanOfThreeHidesTwoRows) {
  grid.SetCol(0);
  grid.AddNode(2, 3);
  EXPECT_EQ(grid.GetNodeCount(), 1);
  EXPECT_TRUE(grid.IsNode(2));
  EXPECT_EQ(grid.GetCol(), 1);  // the current cell leaves the node column
  EXPECT_EQ(grid.GetNodeSpan(2), 3);
  EXPECT_EQ(grid.GetNodeSpan(3), -1);
  EXPECT_EQ(grid.NodeIndent(3), 16);
  EXPECT_EQ(grid.NodeIndent(5), 0);
  EXPECT_EQ(grid.GetParentRow(4), 2);
  EXPECT_EQ(grid.GetParentRow(5), -1);
  EXPECT_EQ(grid.GetNodeSpanType(2), 0);
  EXPECT_EQ(grid.GetNodeSpanType(3), 2);
  EXPECT_EQ(grid.GetNodeSpanType(4), 1);

  grid.ContractNode(2);
  EXPECT_TRUE(grid.GetNodeState(2));
  EXPECT_EQ(Shown(), "r0|r1|r2|r5|r6|r7|r8|r9");
  grid.ExpandNode(2);
  EXPECT_FALSE(grid.GetNodeState(2));
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9");
  grid.SetNodeState(2, true);
  EXPECT_EQ(grid.GetRowCount(), 8);
  grid.RemoveNode(2);
  EXPECT_EQ(grid.GetNodeCount(), 0);
  EXPECT_EQ(grid.GetRowCount(), 10);
  EXPECT_EQ(grid.GetCellType(0, 2), ctEmpty);
  EXPECT_EQ(grid.GetCellProperties(0, 3)->NodeLevel, 0);
}

TEST_F(Nodes, SpanZeroReachesTheNextNode) {
  grid.AddNode(1, 0);
  grid.AddNode(6, 0);
  grid.ContractAll();
  EXPECT_EQ(Shown(), "r0|r1|r6");
  EXPECT_EQ(grid.RemapRowInv(2), 6);
  grid.ExpandNode(6);
  EXPECT_EQ(Shown(), "r0|r1|r6|r7|r8|r9");
  grid.ExpandAll();
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9");
}

// A node contracted inside a contracted node comes back closed with its parent's rows.
TEST_F(Nodes, NestedContractionSkipsRowsAlreadyHidden) {
  grid.AddNode(1, 6);
  grid.AddNode(3, 2);
  grid.ContractNode(3);
  grid.ContractNode(1);
  EXPECT_EQ(Shown(), "r0|r1|r7|r8|r9");
  EXPECT_EQ(grid.NumHiddenRows(), 5);
  grid.ExpandNode(1);
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9");
}

TEST_F(Nodes, SpansBeyondTheGridStopAtItsEnd) {
  grid.AddNode(8, INT_MAX);
  grid.AddNode(2, -5);
  grid.ContractNode(8);
  EXPECT_EQ(Shown(), "r0|r1|r2|r3|r4|r5|r6|r7|r8");
  grid.ContractNode(2);  // a span below 1 reaches the next node
  EXPECT_EQ(Shown(), "r0|r1|r2|r8");
  grid.RemoveNode(8);
  grid.RemoveNode(2);
  EXPECT_EQ(grid.GetRowCount(), 10);
  EXPECT_EQ(grid.GetNodeCount(), 0);
}

TEST_F(Nodes, ChildRowsChangeTheSpan) {
  grid.AddNode(2, 3);
  grid.InsertChildRow(3);
  EXPECT_EQ(grid.GetNodeSpan(2), 4);
  EXPECT_EQ(grid.GetCellProperties(0, 3)->NodeLevel, 1);
  EXPECT_EQ(Shown(), "r0|r1|r2||r3|r4|r5|r6|r7|r8|r9");
  grid.RemoveChildRow(3);
  grid.RemoveChildRow(3);
  EXPECT_EQ(grid.GetNodeSpan(2), 2);
  EXPECT_EQ(Shown(), "r0|r1|r2|r4|r5|r6|r7|r8|r9");
}

// Grouping --------------------------------------------------------------------------------

TEST(Grouping, GroupAndUnGroupWithOneFixedColumn) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"", "name", "kind", "n"},
                     {"", "one", "B", "1"},
                     {"", "two", "A", "2"},
                     {"", "three", "A", "3"}});
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.SetColWidths(2, 77);
  grid.Group(2);
  EXPECT_EQ(grid.GetGroupColumn(), 2);
  EXPECT_EQ(grid.GetColCount(), 3);
  EXPECT_EQ(ColumnText(grid, 1), "name|A|two|three|B|one");
  EXPECT_TRUE(grid.IsNode(1));
  EXPECT_TRUE(grid.IsNode(4));
  EXPECT_EQ(grid.GetNodeSpan(1), 3);
  EXPECT_EQ(grid.GetNodeSpan(4), 2);
  EXPECT_EQ(grid.GetRow(), 1);

  grid.GroupCount(2);
  EXPECT_EQ(grid.Cells(2, 1), "2");
  grid.FloatFormat = "%.1f";
  grid.GroupSum(2);
  EXPECT_EQ(grid.Cells(2, 1), "5.0");
  EXPECT_EQ(grid.Cells(2, 4), "1.0");
  grid.GroupAvg(2);
  EXPECT_EQ(grid.Cells(2, 1), "2.5");

  grid.ContractNode(1);
  grid.SetGroupColumn(-1);
  EXPECT_EQ(grid.GetGroupColumn(), -1);
  EXPECT_EQ(grid.GetNodeCount(), 0);
  EXPECT_EQ(grid.GetColCount(), 4);
  EXPECT_EQ(grid.ColWidths(2), 77);
  EXPECT_EQ(ColumnText(grid, 2), "kind|A|A|B");
  EXPECT_EQ(ColumnText(grid, 1), "name|two|three|one");
}

// Without fixed columns the value goes to column 0 and comes back from there.
TEST(Grouping, GroupAndUnGroupWithoutFixedColumns) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"one", "x", "B"}, {"two", "y", "A"}, {"three", "z", "B"}});
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.Group(2);
  EXPECT_EQ(ColumnText(grid, 0), "A|two|B|one|three");
  EXPECT_THROW(grid.GroupMax(1), EExtGridError);  // "x" is no number
  grid.UnGroup();
  EXPECT_EQ(ColumnText(grid, 2), "A|B|B");
  EXPECT_EQ(ColumnText(grid, 0), "two|one|three");
  grid.Group(0);  // column 0 groups too while it is not fixed
  EXPECT_EQ(grid.GetColCount(), 2);
  grid.UnGroup();
  EXPECT_EQ(grid.GetColCount(), 3);
}

TEST(Grouping, QSortGroupSortsEachGroupAlone) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"", "b"}, {"", "z"}, {"", "d"}, {"", "a"}, {"", "y"}, {"", "c"}, {"", "x"}});
  grid.SetFixedRows(0);
  grid.AddNode(0, 3);
  grid.AddNode(3, 4);
  grid.SortSettings.SetColumn(1);
  grid.QSortGroup();
  EXPECT_EQ(ColumnText(grid, 1), "b|d|z|a|c|x|y");
  EXPECT_TRUE(grid.IsNode(0));
  EXPECT_TRUE(grid.IsNode(3));
}

TEST(Grouping, AnEmptyGroupAveragesToZero) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"", "a"}, {"", "2"}, {"", "4"}});
  grid.SetFixedRows(0);
  grid.AddNode(0, 1);
  grid.AddNode(1, 2);
  grid.GroupAvg(1);
  EXPECT_EQ(grid.Cells(1, 0), "0.00");
  EXPECT_EQ(grid.Cells(1, 1), "4.00");
  grid.GroupCount(1);
  EXPECT_EQ(grid.Cells(1, 0), "0");
  EXPECT_EQ(grid.Cells(1, 1), "1");
}

// Radio groups, view, save range ------------------------------------------------------------

TEST(GridRadio, GroupsOverCaptionLists) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(3);
  grid.SetRowCount(3);
  TStringList captions;
  captions.Add("on");
  captions.Add("off");
  grid.AddRadio(1, 1, 1, 0, &captions);
  int idx = -1;
  EXPECT_TRUE(grid.GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 0);
  EXPECT_TRUE(grid.SetRadioIdx(1, 1, 1));
  EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellAngle, 2);
  EXPECT_TRUE(grid.GetCellGraphic(1, 1)->CellBoolean);
  EXPECT_EQ(grid.GetRadioStrings(1, 1), &captions);
  EXPECT_FALSE(grid.GetRadioIdx(2, 2, idx));
  TStrings* owned = grid.CreateRadio(2, 2, 0, 1);  // freed with the cell
  owned->Add("one");
  EXPECT_TRUE(grid.IsRadio(2, 2));
  EXPECT_TRUE(grid.RemoveRadio(1, 1));
  EXPECT_FALSE(grid.IsRadio(1, 1));
}

TEST(GridView, SaveRangeAndHiddenSelection) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(6);
  grid.SetRowCount(8);
  grid.SetFixedCols(1);
  grid.SetFixedRows(2);
  grid.SetFixedFooters(1);
  grid.SetFixedRightCols(2);
  EXPECT_EQ(grid.GetSaveColCount(), 6);
  grid.SaveFixedCells = false;
  EXPECT_EQ(grid.GetSaveStartCol(), 1);
  EXPECT_EQ(grid.GetSaveEndCol(), 3);
  EXPECT_EQ(grid.GetSaveStartRow(), 2);
  EXPECT_EQ(grid.GetSaveEndRow(), 6);
  EXPECT_EQ(grid.GetSaveRowCount(), 5);

  grid.SelectRange(1, 2, 3, 4);
  grid.HideSelection();
  EXPECT_EQ(grid.GetSelection().Left, 6);
  grid.UnHideSelection();
  EXPECT_EQ(grid.GetSelection().Bottom, 4);
}

}  // namespace

namespace {

TEST(GridView, ScrollInViewCentresACellOutOfView) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 300);
  TExtStringGrid grid(&form);
  grid.SetParent(&form);
  grid.SetBounds(0, 0, 200, 200);
  grid.SetRowCount(100);
  form.Show();
  const int rows = grid.GetVisibleRowCount();
  grid.ScrollInView(2, 50);
  EXPECT_EQ(grid.GetRow(), 50);
  EXPECT_EQ(grid.GetTopRow(), 50 - rows / 2);
  grid.ScrollInView(2, 51);  // in view already: nothing moves
  EXPECT_EQ(grid.GetRow(), 50);
  grid.ScrollInView(1, 99);
  EXPECT_EQ(grid.GetTopRow(), 100 - rows);
  grid.ScrollInView(1, 100);  // outside the grid
  EXPECT_EQ(grid.GetRow(), 99);
}

TEST(GridView, AutoSizeSizesTheNormalColumnsWhenTurnedOn) {
  TExtStringGrid grid(nullptr);
  grid.SetCells(2, 1, "a rather long text for a column");
  const int before = grid.ColWidths(2);
  grid.SetAutoSize(true);
  EXPECT_TRUE(grid.GetAutoSize());
  EXPECT_GT(grid.ColWidths(2), before);
}

}  // namespace
