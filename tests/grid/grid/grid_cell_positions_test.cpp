// Cell positions come from sums kept per axis: after random sizing, inserting, removing,
// moving, hiding and showing of columns and rows, and scrolling, every cell's rectangle is
// the one the plain sum of the sizes gives; and the footer of a wide grid scrolled far right
// still paints its cells where the grid shows them.
#include <gtest/gtest.h>

#include <random>

#include "components/grid/grid/ExtGrid.h"
#include "shown_grid.h"

namespace {

// Where a line starts, added up line by line from the edge or from the first line shown.
template <typename Size>
int PlainStart(int index, int fixed, int first, Size size) {
  int fixedExtent = 0;
  for (int i = 0; i < fixed; ++i) fixedExtent += size(i);
  if (index < fixed) {
    int start = 0;
    for (int i = 0; i < index; ++i) start += size(i);
    return start;
  }
  int start = fixedExtent;
  for (int i = first; i < index; ++i) start += size(i);
  for (int i = index; i < first; ++i) start -= size(i);
  return start;
}

TRect PlainCellRect(const TExtStringGrid& grid, int col, int row) {
  const int left = PlainStart(col, grid.GetFixedCols(), grid.GetLeftCol(),
                              [&](int c) { return grid.ColWidths(c); });
  const int top = PlainStart(row, grid.GetFixedRows(), grid.GetTopRow(),
                             [&](int r) { return grid.RowHeights(r); });
  return {left, top, left + grid.ColWidths(col), top + grid.RowHeights(row)};
}

class CellPositions : public ShownGrid<TExtStringGrid> {
 protected:
  std::mt19937 random{53};
  int Pick(int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(random); }

  void ChangeAtRandom() {
    const int cols = grid->GetColCount(), rows = grid->GetRowCount();
    switch (Pick(10)) {
      case 0: grid->SetColWidths(Pick(cols), Pick(120)); break;
      case 1: grid->SetRowHeights(Pick(rows), Pick(60)); break;
      case 2: grid->InsertCols(1 + Pick(cols - 1), 1 + Pick(3)); break;
      case 3: if (cols > 6) grid->RemoveCols(1 + Pick(cols - 4), 1 + Pick(2)); break;
      case 4: grid->InsertRows(1 + Pick(rows - 1), 1 + Pick(3)); break;
      case 5: if (rows > 6) grid->RemoveRows(1 + Pick(rows - 4), 1 + Pick(2)); break;
      case 6: grid->MoveColumn(1 + Pick(cols - 1), 1 + Pick(cols - 1)); break;
      case 7:
        if (grid->NumHiddenColumns() > 0 && Pick(2)) grid->UnHideColumnsAll();
        else if (cols > 4) grid->HideColumn(1 + Pick(cols - 2));
        break;
      case 8: grid->SetLeftCol(Pick(cols)); break;
      case 9: grid->SetTopRow(Pick(rows)); break;
    }
  }
};

TEST_F(CellPositions, FollowEveryChangeOfSizesAndLines) {
  grid->SetColCount(40);
  grid->SetRowCount(30);
  for (int step = 0; step < 400; ++step) {
    ChangeAtRandom();
    for (int k = 0; k < 8; ++k) {
      const int col = Pick(grid->GetColCount()), row = Pick(grid->GetRowCount());
      ASSERT_EQ(grid->GetCellRect(col, row), PlainCellRect(*grid, col, row))
          << "step " << step << " cell " << col << "," << row;
    }
    const int fixed = grid->GetFixedCols();
    ASSERT_EQ(grid->FixedColsWidth(),
              PlainStart(fixed, fixed, fixed, [&](int c) { return grid->ColWidths(c); }));
  }
}

TEST_F(CellPositions, FooterOfAWideGridPaintsTheColumnsShown) {
  grid->SetColCount(5000);
  grid->FloatingFooter.SetVisible(true);
  const int last = grid->GetRowCount() - 1;
  for (int col : {1, 4997, 4999}) grid->SetCells(col, last, "8888");
  grid->SetLeftCol(4996);
  ShowFocused();
  const QImage footer = grid->GetFooterPanel()->Widget()->grab().toImage();
  auto darkIn = [&](int col) {
    const TRect cell = grid->GetCellRect(col, last);
    for (int x = std::max(cell.Left, 0); x < std::min(cell.Right, footer.width()); ++x)
      for (int y = 2; y < footer.height() - 2; ++y)
        if (footer.pixelColor(x, y).lightness() < 80) return true;
    return false;
  };
  EXPECT_TRUE(darkIn(4997));
  EXPECT_TRUE(darkIn(4999));
  EXPECT_FALSE(darkIn(4998));  // an empty footer cell between them
}

}  // namespace
