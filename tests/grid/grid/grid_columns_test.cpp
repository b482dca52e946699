#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "grid_text.h"
#include "locale_scope.h"

namespace {

class GridColumns : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override { SetRowTexts(grid, {{"A", "B", "C", "D"}, {"a1", "b1", "c1", "d1"}, {"a2", "b2", "c2", "d2"}}); }
  AnsiString Rows() const { return RowText(grid, 0) + " " + RowText(grid, 1) + " " + RowText(grid, 2); }
};

TEST_F(GridColumns, InsertedColumnsAreEmptyAndTheColumnsRightMove) {
  grid.SetColWidths(1, 90);
  grid.SetCells(6, 1, "beyond");  // a cell the store keeps beyond the count
  grid.InsertCols(1, 2);
  EXPECT_EQ(grid.GetColCount(), 6);
  EXPECT_EQ(Rows(), "A|||B|C|D a1|||b1|c1|d1 a2|||b2|c2|d2");
  EXPECT_EQ(grid.ColWidths(3), 90);
  EXPECT_EQ(grid.ColWidths(1), grid.GetDefaultColWidth());
  grid.AddColumn();
  EXPECT_EQ(RowText(grid, 1), "a1|||b1|c1|d1|");
  grid.InsertCols(9, 1);
  grid.InsertCols(0, 0);
  EXPECT_EQ(grid.GetColCount(), 7);
}

// The columns taken out leave empty cells beyond the count, not the moved ones' objects.
TEST_F(GridColumns, RemovedColumnsLeaveNothingBehind) {
  TCellProperties* moved = grid.GetCellProperties(3, 1);
  grid.RemoveCols(1, 2);
  EXPECT_EQ(Rows(), "A|D a1|d1 a2|d2");
  EXPECT_EQ(grid.FindCellProperties(1, 1), moved);
  grid.SetColCount(4);
  EXPECT_EQ(RowText(grid, 1), "a1|d1||");
  EXPECT_EQ(grid.FindCellProperties(3, 1), nullptr);
  grid.RemoveCols(1, 100);
  EXPECT_EQ(Rows(), "A a1 a2");
  grid.RemoveCols(5, 1);
  EXPECT_EQ(grid.GetColCount(), 1);
}

TEST_F(GridColumns, MergedColumnsJoinTheirTexts) {
  grid.SetCells(1, 1, " b1 ");
  grid.MergeCols(1, 3);
  EXPECT_EQ(Rows(), "A|B|C a1|b1 d1|c1 a2|b2 d2|c2");
  grid.MergeCols(1, 1);
  EXPECT_EQ(grid.GetColCount(), 3);
}

TEST_F(GridColumns, SwappedColumnsTakeTheSortColumnAlong) {
  grid.SetColWidths(0, 20);
  grid.SortSettings.SetColumn(1);
  grid.SwapColumns(1, 3);
  EXPECT_EQ(Rows(), "A|D|C|B a1|d1|c1|b1 a2|d2|c2|b2");
  EXPECT_EQ(grid.SortSettings.GetColumn(), 3);
  grid.SwapColumns(0, 2);
  EXPECT_EQ(grid.ColWidths(2), 20);
  grid.SwapColumns(0, 4);
  EXPECT_EQ(RowText(grid, 0), "C|D|A|B");
}

TEST_F(GridColumns, EqualNeighboursMergeIntoBlocksAndSplitAgain) {
  SetRowTexts(grid, {{"h", "h"}, {"x", "1"}, {"x", "1"}, {"y", "1"}, {"y", "2"}});
  grid.MergeColumnCells(0, true);
  EXPECT_EQ(grid.CellSpan(0, 1), TPoint(0, 1));
  EXPECT_EQ(grid.BaseCell(0, 2), TPoint(0, 1));
  EXPECT_EQ(grid.CellSpan(0, 3), TPoint(0, 1));
  // Column 1 merges only within column 0's blocks.
  grid.MergeColumnCells(1, false);
  EXPECT_EQ(grid.CellSpan(1, 1), TPoint(0, 1));
  EXPECT_FALSE(grid.IsMergedCell(1, 3));
  grid.SplitColumnCells(0);
  EXPECT_FALSE(grid.IsMergedCell(0, 2));
  EXPECT_TRUE(grid.IsMergedCell(1, 2));

  SetRowTexts(grid, {{"h", "a", "a", "b"}, {"r", "a", "a", "a"}});
  grid.MergeRowCells(1, true);
  EXPECT_EQ(grid.CellSpan(1, 1), TPoint(2, 0));
  grid.SplitRowCells(1);
  EXPECT_FALSE(grid.IsMergedCell(2, 1));
}

TEST_F(GridColumns, TheMergedColumnsListMergesAfterItsLeader) {
  SetRowTexts(grid, {{"h", "h", "h"}, {"x", "1", "p"}, {"x", "1", "p"}, {"y", "1", "p"}});
  grid.SetMergedColumns({1, 2});
  EXPECT_EQ(grid.CellSpan(1, 1), TPoint(0, 2));
  EXPECT_EQ(grid.CellSpan(2, 1), TPoint(0, 2));
  grid.SetMergedColumns({0, 1});
  EXPECT_EQ(grid.CellSpan(0, 1), TPoint(0, 1));
  EXPECT_EQ(grid.CellSpan(1, 1), TPoint(0, 1));  // within column 0's block only
  EXPECT_FALSE(grid.IsMergedCell(1, 3));
  EXPECT_FALSE(grid.IsMergedCell(2, 1));
  grid.UndoColumnMerge();
  EXPECT_FALSE(grid.IsMergedCell(0, 1));
}

TEST_F(GridColumns, NumberingSkipsFixedAndFooterCells) {
  grid.Clear();
  grid.SetRowCount(5);
  grid.SetFixedFooters(1);
  grid.SetFixedRightCols(1);
  grid.AutoNumberCol(1);
  EXPECT_EQ(ColumnText(grid, 1), "|1|2|3|");
  grid.AutoNumberRow(2);
  EXPECT_EQ(RowText(grid, 2), "|1|2|");
}

TEST_F(GridColumns, StatisticsOfFloatCells) {
  LocaleScope german(kGerman);
  SetRowTexts(grid, {{"", "2", "4"}, {"", "1", "5"}, {"", "3", "1.234,5"}});
  EXPECT_EQ(grid.RowAvg(0, 1, 2), 3);
  EXPECT_EQ(grid.RowSum(1, 1, 2), 6);
  EXPECT_EQ(grid.ColumnMin(1, 0, 2), 1);
  EXPECT_EQ(grid.ColumnMax(1, 0, 2), 3);
  EXPECT_EQ(grid.ColumnSum(2, 0, 2), 1243.5);
  EXPECT_EQ(grid.ColumnAvg(0, 0, 2), 0);  // empty cells read as 0
  EXPECT_EQ(grid.RowMin(1, 1, 2), 1);
  EXPECT_EQ(grid.RowMax(1, 1, 2), 5);
  // No cells: 0, not a division by zero or an undefined value.
  EXPECT_EQ(grid.ColumnAvg(1, 2, 1), 0);
  EXPECT_EQ(grid.RowMin(0, 2, 1), 0);
  EXPECT_EQ(grid.RowMax(0, 2, 1), 0);
  grid.SetCells(1, 1, "eins");
  try {
    grid.ColumnSum(1, 0, 2);
    FAIL();
  } catch (const EExtGridError& e) {
    EXPECT_STREQ(e.what(), "Cell does not contain a float value");
  }
}

TEST_F(GridColumns, IsCellFindsTheFirstStoredText) {
  grid.SetCells(0, 2, "b1");
  int col = -1, row = -1;
  EXPECT_TRUE(grid.IsCell("b1", col, row));
  EXPECT_EQ(TPoint(col, row), TPoint(1, 1));
  EXPECT_FALSE(grid.IsCell("B1", col, row));
  EXPECT_EQ(TPoint(col, row), TPoint(1, 1));
}

TEST_F(GridColumns, DisjunctCellsKeepFullCoordinates) {
  grid.SetSelectedCells(1, 70000, true);
  grid.SetSelectedCells(1, 70000, true);
  grid.SetSelectedCells(2, 3, true);
  EXPECT_EQ(grid.GetSelectedCellsCount(), 2);
  EXPECT_TRUE(grid.GetSelectedCells(1, 70000));
  EXPECT_FALSE(grid.GetSelectedCells(1, 70000 - 65536));
  EXPECT_EQ(grid.GetSelectedCell(1), (TGridCoord{2, 3}));
  grid.SetSelectedCells(1, 70000, false);
  EXPECT_EQ(grid.GetSelectedCell(0), (TGridCoord{2, 3}));
  grid.ClearSelectedCells();
  EXPECT_EQ(grid.GetSelectedCellsCount(), 0);
}

TEST_F(GridColumns, SelectionAndItsText) {
  grid.SetSelection({1, 1, 2, 2});
  EXPECT_TRUE(grid.IsSelected(2, 2));
  EXPECT_FALSE(grid.IsSelected(3, 2));
  EXPECT_EQ(grid.SelectedText(), "b1\tc1\r\nb2\tc2\r\n");
  grid.SetCells(2, 1, "two\r\nlines");
  grid.Multilinecells = true;
  EXPECT_EQ(grid.SelectedText(), "b1\t\"two\nlines\"\r\nb2\tc2\r\n");
  grid.SetOptions(grid.GetOptions() + goRowSelect);
  grid.DragDropSettings.OleEntireRows = true;
  grid.SetCells(2, 1, "c1");
  EXPECT_EQ(grid.SelectedText(), "a1\tb1\tc1\td1\r\na2\tb2\tc2\td2\r\n");
  grid.SetSelection({0, 0, 1, 0});
  EXPECT_FALSE(grid.IsSelected(0, 0));  // fixed cells never count

  grid.SetCells(0, 2, "{\\rtf1\\ansi {\\b bold}\\par}");
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(2, true);
  EXPECT_TRUE(grid.IsSelected(1, 2));
  EXPECT_FALSE(grid.IsSelected(1, 1));
  EXPECT_FALSE(grid.IsSelected(1, 99));
  EXPECT_EQ(grid.SelectedText(), "bold\tb2\tc2\td2\r\n");
}

TEST_F(GridColumns, SizingToTheContents) {
  TCanvas* canvas = grid.GetCanvas();
  grid.SetCells(2, 2, "a much longer text");
  grid.AutoSizeCol(2);
  canvas->SetFont(grid.GetFont());
  const int margins = 2 * grid.GetXYOffset().x + 2 * (grid.GetGridLineWidth() + 1) + grid.GetXYOffset().x;
  EXPECT_EQ(grid.ColWidths(2), canvas->TextWidth("a much longer text") + margins);
  grid.MergeCells(1, 1, 2, 1);  // a block across columns does not size them
  grid.SetCells(1, 1, "wider still than the rest");
  grid.AutoSizeColumns(false, 5);
  EXPECT_EQ(grid.ColWidths(2), canvas->TextWidth("a much longer text") + margins + 5);
  EXPECT_EQ(grid.ColWidths(0), grid.GetDefaultColWidth());
  grid.OnUpdateColumnSize = [](TObject*, int ACol, int& AWidth) {
    if (ACol == 2) AWidth = 50;
  };
  grid.AutoSizeCol(2);
  EXPECT_EQ(grid.ColWidths(2), 50);

  canvas->SetFont(grid.GetFont());
  const int h = canvas->TextHeight("gh");
  grid.SizeToLines(1, 3, 4);
  EXPECT_EQ(grid.RowHeights(1), (h + h / 4) * 3 + 4);
  grid.SetCells(3, 2, "one\r\ntwo");
  grid.AutoSizeRows(false, 0);
  EXPECT_EQ(grid.RowHeights(2), (h + h / 4) * 2);
  EXPECT_EQ(grid.RowHeights(0), grid.GetDefaultRowHeight());
  grid.AutoSizeRow(2);
  EXPECT_EQ(grid.RowHeights(2), 2 * canvas->TextHeight("gh") + 2 * grid.GetXYOffset().y +
                                    2 * (grid.GetGridLineWidth() + 1) + grid.GetXYOffset().y);
}

}  // namespace
