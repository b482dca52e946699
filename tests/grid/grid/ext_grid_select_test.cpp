// Row selection, the selection set by rows, columns and rectangles, zoom, the print layout's
// widths and sizing refused by the handlers.
#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "ext_grid_error.h"
#include "shown_grid.h"

namespace {

class SelectGrid : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override {
    grid.SetColCount(5);
    grid.SetRowCount(8);
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (int r = 0; r < grid.GetRowCount(); ++r)
      if (grid.GetRowSelect(r)) rows.push_back(r);
    return rows;
  }
};

TEST_F(SelectGrid, RowsOutsideTheGridAreRefused) {
  grid.SetRowSelect(7, true);
  for (int row : {-1, 8, 1000}) {
    EXPECT_EQ(ErrorOf([&] { grid.GetRowSelect(row); }), "Invalid Row accessed");
    EXPECT_EQ(ErrorOf([&] { grid.SetRowSelect(row, true); }), "Invalid Row accessed");
  }
  EXPECT_EQ(grid.GetRowSelectCount(), 1);
  EXPECT_EQ(Selected(), std::vector<int>{7});
}

TEST_F(SelectGrid, ClearingRows) {
  grid.SetRowSelect(5, true);
  grid.SetRowSelect(2, true);
  grid.SetRowSelect(5, false);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  grid.ClearRowSelect();
  EXPECT_EQ(grid.GetRowSelectCount(), 0);
}

TEST_F(SelectGrid, TheSelectionBecomesRowSelection) {
  grid.SetRowSelect(1, true);
  grid.SetRowSelect(6, true);
  grid.SelectRange(1, 2, 3, 4);
  grid.SelectToRowSelect(false);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 3, 4, 6}));
  grid.SelectRange(1, 1, 4, 5);
  grid.SelectToRowSelect(true);
  EXPECT_EQ(Selected(), (std::vector<int>{4, 5}));
  // The fixed row is never touched.
  grid.SetRowSelect(0, true);
  grid.SelectToRowSelect(true);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 4, 5}));
}

TEST_F(SelectGrid, SelectRowsOneByOneOrAsTheSelection) {
  grid.SelectRows(2, 3);
  EXPECT_EQ(grid.GetSelection(), (TGridRect{1, 2, 4, 4}));
  grid.SelectRows(6, 10);  // cut at the last row
  EXPECT_EQ(grid.GetSelection(), (TGridRect{1, 6, 4, 7}));
  grid.SelectRows(3, 0);  // nothing to select
  EXPECT_EQ(grid.GetSelection(), (TGridRect{1, 6, 4, 7}));
  EXPECT_EQ(grid.GetRowSelectCount(), 0);

  grid.MouseActions.DisjunctRowSelect = true;
  grid.SelectRows(6, 5);
  grid.SelectRows(-2, 4);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 6, 7}));
  EXPECT_EQ(grid.GetSelection(), (TGridRect{1, 6, 4, 7}));
}

TEST_F(SelectGrid, SelectColumnsAndRanges) {
  grid.SelectCols(2, 2);
  EXPECT_EQ(grid.GetSelection(), (TGridRect{2, 1, 3, 7}));
  grid.SelectCols(3, 2147483647);
  EXPECT_EQ(grid.GetSelection(), (TGridRect{3, 1, 4, 7}));
  grid.SelectRange(0, 9, 2, 3);
  EXPECT_EQ(grid.GetSelection(), (TGridRect{0, 2, 4, 3}));
  EXPECT_EQ(grid.GetCol(), 4);
  EXPECT_EQ(grid.GetRow(), 3);
  grid.SelectRange(7, 9, 2, 3);  // entirely outside
  EXPECT_EQ(grid.GetSelection(), (TGridRect{0, 2, 4, 3}));
}

TEST(ExtGridZoom, SizesChangeWhileTheLevelStaysWithinTen) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetColWidths(2, 1);
  for (int i = 0; i < 11; ++i) grid.Zoom(1);
  EXPECT_EQ(grid.GetZoomLevel(), 10);
  EXPECT_EQ(grid.ColWidths(0), 64 + 10);
  EXPECT_EQ(grid.ColWidths(2), 1 + 10);
  EXPECT_EQ(grid.RowHeights(1), 21 + 10);
  grid.Zoom(-25);
  EXPECT_EQ(grid.GetZoomLevel(), 10);
  grid.Zoom(-20);
  EXPECT_EQ(grid.GetZoomLevel(), -10);
  EXPECT_EQ(grid.ColWidths(0), 64 - 10);
  EXPECT_EQ(grid.ColWidths(2), 11);  // would not stay positive
  grid.Zoom(2147483647);
  EXPECT_EQ(grid.GetZoomLevel(), -10);
}

TEST(ExtGridPrintWidths, ColumnsOutsideTheLayoutAreRefused) {
  TExtStringGrid grid(nullptr);
  EXPECT_EQ(grid.GetPrintColWidth(0), 0);
  EXPECT_EQ(grid.GetPrintColOffset(511), 0);
  for (int col : {-1, 512}) {
    EXPECT_EQ(ErrorOf([&] { grid.GetPrintColWidth(col); }), "Columns is not in valid range");
    EXPECT_EQ(ErrorOf([&] { grid.GetPrintColOffset(col); }), "Columns is not in valid range");
  }
}

class SizingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::CalcSizingState;
  using TExtStringGrid::TExtStringGrid;
  TGridState StateAt(int X, int Y) {
    TGridState state;
    int index, pos, offset;
    CalcSizingState(X, Y, state, index, pos, offset);
    return state;
  }
};

using ExtGridSizing = ShownGrid<SizingGrid>;

TEST_F(ExtGridSizing, TheHandlersMayRefuseSizing) {
  grid->SetOptions(grid->GetOptions() + goColSizing + goRowSizing);
  const TRect cell = grid->CellRect(1, 1);  // the border right of column 1, below row 1
  int column = -1, row = -1;
  bool allow = true;
  grid->OnColumnSize = [&](TObject*, int ACol, bool& Allow) {
    column = ACol;
    Allow = allow;
  };
  grid->OnRowSize = [&](TObject*, int ARow, bool& Allow) {
    row = ARow;
    Allow = allow;
  };
  EXPECT_EQ(grid->StateAt(cell.Right - 1, 5), gsColSizing);
  EXPECT_EQ(column, 1);
  EXPECT_EQ(grid->StateAt(5, cell.Bottom - 1), gsRowSizing);
  EXPECT_EQ(row, 1);
  allow = false;
  EXPECT_EQ(grid->StateAt(cell.Right - 1, 5), gsNormal);
  EXPECT_EQ(grid->StateAt(5, cell.Bottom - 1), gsNormal);
}

}  // namespace
