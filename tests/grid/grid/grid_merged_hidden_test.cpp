// Merged blocks of a grid with hidden columns: the blocks lie in stored columns, the screen,
// the selection and the keys in shown ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "platform/controls/keys.h"
#include "shown_grid.h"

namespace {

using MergedHidden = ShownGrid<TExtStringGrid>;

bool AnyDark(const QImage& image, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (qRed(image.pixel(x, y)) + qGreen(image.pixel(x, y)) + qBlue(image.pixel(x, y)) < 200)
        return true;
  return false;
}

// Stored column 1 hidden: shown columns 2 and 3 are stored 3 and 4, merged into one block.
TEST_F(MergedHidden, ABlockRightOfAHiddenColumnDrawsAndSelectsAsOne) {
  grid->SetColCount(6);
  grid->SetColor(clWhite);
  grid->SetCells(3, 1, "merged");
  grid->MergeCells(3, 1, 2, 1);
  grid->HideColumn(1);
  ShowFocused();
  const QImage image = Render();
  if (const char* path = std::getenv("MERGED_HIDDEN_PNG")) image.save(path);
  const TRect block = grid->CellRect(2, 1);
  EXPECT_EQ(block, grid->CellRect(3, 1));
  EXPECT_EQ(block.Left, grid->GetCellRect(2, 1).Left);
  EXPECT_EQ(block.Right, grid->GetCellRect(3, 1).Right);
  // The text once, at the block's left; nothing over its second cell.
  EXPECT_TRUE(AnyDark(image, {block.Left, block.Top, block.Left + 30, block.Bottom - 2}));
  const int second = grid->GetCellRect(3, 1).Left;
  EXPECT_FALSE(AnyDark(image, {second + 2, block.Top + 2, block.Right - 3, block.Bottom - 3}));

  Press(At(3, 1));
  Release(At(3, 1));
  const TGridRect sel = grid->GetSelection();
  EXPECT_EQ(sel.Left, 2);
  EXPECT_EQ(sel.Right, 3);
  grid->SetCol(3);
  grid->SelectBaseCell();
  EXPECT_EQ(grid->GetCol(), 2);  // the block's first shown column
  EXPECT_TRUE(grid->IsSelected(3, 1));
  EXPECT_FALSE(grid->IsSelected(4, 1));
}

// Five stored columns, stored 1 hidden: the last shown column is stored 4.
TEST_F(MergedHidden, ASpanReachingTheLastShownColumnIsNotCut) {
  grid->SetColCount(5);
  grid->MergeCells(3, 1, 2, 1);
  grid->HideColumn(1);
  EXPECT_EQ(grid->CellSpan(3, 1), TPoint(1, 0));
  EXPECT_EQ(grid->CellRect(2, 1).Right, grid->GetCellRect(3, 1).Right);
  grid->SplitCells(3, 1);
  grid->MergeCells(3, 2, 2, 1);
  EXPECT_EQ(grid->FullCell(4, 2), TRect(3, 2, 4, 2));
}

// A hidden column inside a block takes no room; the block ends at its last shown column.
TEST_F(MergedHidden, AHiddenColumnInsideABlock) {
  grid->SetColCount(6);
  grid->MergeCells(1, 1, 3, 1);  // stored 1 to 3
  grid->HideColumn(3);
  EXPECT_EQ(grid->ShownBlock(2, 1), TRect(1, 1, 2, 1));
  grid->UnHideColumn(3);
  grid->HideColumn(1);
  EXPECT_EQ(grid->ShownBlock(1, 1), TRect(1, 1, 2, 1));
  grid->SetCol(2);
  grid->SelectBaseCell();
  EXPECT_EQ(grid->GetCol(), 1);
}

TEST_F(MergedHidden, TabStepsOverABlockRightOfAHiddenColumn) {
  grid->SetColCount(7);
  grid->SetOptions(grid->GetOptions() + goTabs);
  grid->MergeCells(3, 1, 2, 1);  // shown 2 and 3
  grid->HideColumn(1);
  ShowFocused();
  grid->SetCol(2);
  grid->SetRow(1);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (TGridCoord{4, 1}));
  grid->TabEdit(true);
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));  // back onto the block's first shown column
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (TGridCoord{4, 1}));
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

// Stored column 3 lies beyond the shown count of 3.
TEST(MergedHiddenStore, CellsStoredBeyondTheShownCountAreSearchedAndSplit) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetCells(3, 2, "last");
  grid.MergeCells(3, 1, 1, 2);
  grid.HideColumn(1);
  int col = -1, row = -1;
  ASSERT_TRUE(grid.IsCell("last", col, row));
  EXPECT_EQ(col, 3);  // the stored column
  EXPECT_EQ(row, 2);
  grid.SplitAllCells();
  EXPECT_FALSE(grid.IsMergedCell(3, 2));
}

class RepaintLog : public TExtStringGrid {
 public:
  RepaintLog() : TExtStringGrid(nullptr) {}
  void RepaintCell(int ACol, int /*ARow*/) override { repainted.push_back(ACol); }
  std::vector<int> repainted;
};

// Merging repaints the block's cells at their shown columns.
TEST(MergedHiddenStore, MergingRepaintsTheShownColumns) {
  RepaintLog grid;
  grid.SetColCount(6);
  grid.HideColumn(1);
  grid.MergeCells(3, 1, 2, 1);
  ASSERT_FALSE(grid.repainted.empty());
  EXPECT_EQ(*std::max_element(grid.repainted.begin(), grid.repainted.end()), 3);
  EXPECT_EQ(*std::min_element(grid.repainted.begin(), grid.repainted.end()), 2);
}

// Stored column 1 hidden in six: the shown normal columns are stored 2 to 5.
TEST(MergedHiddenStore, RowRunsReachTheLastShownColumn) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(6);
  for (int c = 1; c < 6; ++c) grid.SetCells(c, 1, c < 4 ? IntToStr(c) : AnsiString("same"));
  grid.HideColumn(1);
  grid.MergeRowCells(1, true);
  EXPECT_EQ(grid.FullCell(4, 1), TRect(4, 1, 5, 1));
  grid.SplitRowCells(1);
  EXPECT_FALSE(grid.IsMergedCell(5, 1));
}

TEST(MergedHiddenStore, ClearingTheMergedColumnsSplitsAColumnBeyondTheShownCount) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(6);
  grid.SetCells(5, 1, "x");
  grid.SetCells(5, 2, "x");
  grid.HideColumn(1);
  grid.SetMergedColumns({5});
  ASSERT_TRUE(grid.IsMergedCell(5, 2));
  grid.SetMergedColumns({});
  EXPECT_FALSE(grid.IsMergedCell(5, 2));
}

// Shown column 2 is stored 3: its width comes from stored 3's cells, a block across it aside.
TEST(MergedHiddenStore, AutoSizeMeasuresTheShownColumnsCells) {
  auto fill = [](TExtStringGrid& grid) {
    grid.SetColCount(6);
    grid.SetCells(2, 1, "a neighbour's text far wider than the column's own");
    grid.SetCells(3, 2, "own text");
    grid.SetCells(3, 3, "a block's text far wider than the column's own");
    grid.MergeCells(3, 3, 2, 1);
  };
  TExtStringGrid plain(nullptr), hidden(nullptr);
  fill(plain);
  fill(hidden);
  hidden.HideColumn(1);
  plain.AutoSizeCol(3);
  hidden.AutoSizeCol(2);
  EXPECT_EQ(hidden.ColWidths(2), plain.ColWidths(3));
  plain.SplitCells(3, 3);
  plain.AutoSizeCol(3);
  EXPECT_GT(plain.ColWidths(3), hidden.ColWidths(2));  // the block's text would widen it
}

// Rows count the lines of the shown cells: the last shown one, not the hidden one.
TEST(MergedHiddenStore, AutoSizedRowsCountTheLinesOfTheShownCells) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetCells(1, 1, "one\r\ntwo\r\nthree");
  grid.SetCells(3, 2, "one\r\ntwo\r\nthree");
  grid.HideColumn(1);
  grid.AutoSizeRows(false, 0);
  EXPECT_LT(grid.RowHeights(1), grid.RowHeights(2));
}

TEST(MergedHiddenStore, FillAndMarkReachTheStoredColumnsOfTheShownOnes) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(6);
  grid.HideColumn(1);
  grid.TextFill(false, "x");
  EXPECT_EQ(grid.Cells(5, 1), "x");  // shown 4, the last
  EXPECT_EQ(grid.Cells(0, 1), "");
  grid.HilightInCell(false, 5, 2, "x");
  EXPECT_EQ(grid.Cells(5, 2), "<hi>x</hi>");
}

}  // namespace
