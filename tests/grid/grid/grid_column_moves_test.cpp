// Columns and rows inserted, removed, exchanged and moved: the cells, their properties, merged
// blocks, hidden columns and widths land where moving each cell alone would put them, also in
// a grid the size of a whole worksheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>
#include <vector>

#include "components/grid/grid/ExtGrid.h"

namespace {

struct Cell {
  AnsiString text;
  TObject* object = nullptr;
  bool operator==(const Cell&) const = default;
};
using Table = std::vector<std::vector<Cell>>;  // [row][real column]

// Every cell of the grid's rows, hidden columns included, and `spare` columns beyond.
Table Cells(const TExtStringGrid& grid, int spare) {
  const int cols = grid.GetColCount() + grid.NumHiddenColumns() + spare;
  Table table(grid.GetRowCount(), std::vector<Cell>(cols));
  for (int r = 0; r < grid.GetRowCount(); ++r)
    for (int c = 0; c < cols; ++c) table[r][c] = {grid.Cells(c, r), grid.GetGridObject(c, r)};
  return table;
}

std::vector<int> Widths(const TExtStringGrid& grid) {
  std::vector<int> widths;
  for (int c = 0; c < grid.GetColCount(); ++c) widths.push_back(grid.ColWidths(c));
  return widths;
}

class GridColumnMoves : public testing::Test {
 protected:
  static constexpr int kCols = 7, kRows = 6;
  TExtStringGrid grid{nullptr};
  int changes = 0;
  void SetUp() override {
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c)
        if ((r + c) % 3) grid.SetCells(c, r, IntToStr(c) + ":" + IntToStr(r));
    grid.GetCellProperties(2, 1)->SetBrushColor(clYellow);
    grid.GetCellProperties(6, 4)->SetBrushColor(clRed);
    grid.MergeCells(4, 2, 2, 2);
    for (int c = 0; c < kCols; ++c) grid.SetColWidths(c, 40 + c);
    grid.OnCellsChanged = [this](TObject*, TRect) { ++changes; };
  }
  // The table with columns first..last-1 rotated in every row so that `middle` comes first.
  static Table Rotated(Table table, int first, int middle, int last) {
    for (auto& row : table)
      std::rotate(row.begin() + first, row.begin() + middle, row.begin() + last);
    return table;
  }
};

TEST_F(GridColumnMoves, InsertedColumnsMatchMovingEachCell) {
  const Table before = Cells(grid, 2);
  std::vector<int> widths = Widths(grid);
  grid.InsertCols(2, 2);
  EXPECT_EQ(Cells(grid, 0), Rotated(before, 2, kCols, kCols + 2));
  widths.insert(widths.begin() + 2, 2, grid.GetDefaultColWidth());
  EXPECT_EQ(Widths(grid), widths);
  EXPECT_EQ(grid.BaseCell(7, 3), TPoint(6, 2));
  EXPECT_EQ(grid.CellSpan(6, 2), TPoint(1, 1));
  EXPECT_EQ(grid.FindCellProperties(8, 4)->GetBrushColor(), clRed);

  grid.InsertCols(grid.GetColCount(), 1);  // appended
  EXPECT_EQ(grid.GetColCount(), kCols + 3);
  EXPECT_EQ(Cells(grid, 0)[1][9], Cell{});
}

TEST_F(GridColumnMoves, RemovedColumnsMatchMovingEachCell) {
  const Table before = Cells(grid, 0);
  std::vector<int> widths = Widths(grid);
  grid.RemoveCols(1, 2);
  Table expected = Rotated(before, 1, 3, kCols);
  for (auto& row : expected) row.resize(kCols - 2);
  EXPECT_EQ(Cells(grid, 0), expected);
  for (const auto& row : Cells(grid, 2))
    EXPECT_EQ(row[kCols - 2], Cell{});  // nothing left behind beyond the count
  widths.erase(widths.begin() + 1, widths.begin() + 3);
  EXPECT_EQ(Widths(grid), widths);
  EXPECT_EQ(grid.BaseCell(3, 3), TPoint(2, 2));
  EXPECT_EQ(changes, 2);  // the columns cleared, then moved
}

TEST_F(GridColumnMoves, ExchangedAndMovedColumnsMatchMovingEachCell) {
  const Table before = Cells(grid, 0);
  grid.SwapColumns(1, 6);
  Table expected = before;
  for (auto& row : expected) std::swap(row[1], row[6]);
  EXPECT_EQ(Cells(grid, 0), expected);
  EXPECT_EQ(grid.ColWidths(1), 46);
  EXPECT_EQ(grid.ColWidths(6), 41);

  grid.MoveColumn(0, 5);
  EXPECT_EQ(Cells(grid, 0), Rotated(expected, 0, 1, 6));
}

// A hidden column keeps its cells at its real column, and an insertion before it moves both.
TEST_F(GridColumnMoves, HiddenColumnsTravelWithTheirCells) {
  grid.HideColumn(5);
  const Table before = Cells(grid, 1);
  grid.InsertCols(1, 1);
  EXPECT_TRUE(grid.IsHiddenColumn(6));
  EXPECT_FALSE(grid.IsHiddenColumn(5));
  EXPECT_EQ(Cells(grid, 0), Rotated(before, 1, kCols, kCols + 1));
  grid.RemoveCols(1, 1);
  EXPECT_TRUE(grid.IsHiddenColumn(5));
  EXPECT_EQ(Cells(grid, 1), before);
}

// A grid a worksheet wide and high holding a few cells, as a workbook whose used range reaches
// its last cell loads.
class GridSheetMoves : public testing::Test {
 protected:
  static constexpr int kCols = 16384, kRows = 1048576;
  std::unique_ptr<TExtStringGrid> grid = std::make_unique<TExtStringGrid>(nullptr);
  TCellProperties* near = nullptr;
  void SetUp() override {
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    grid->SetCells(1, 1, "near");
    near = grid->GetCellProperties(1, 1);
    grid->SetCells(700, 70000, "middle");
    grid->SetCells(kCols - 1, kRows - 1, "far");
    grid->MergeCells(3, 3, 4, 2);
  }
};

TEST_F(GridSheetMoves, ColumnsMoveAcrossTheWholeSheet) {
  grid->InsertCols(1, 1);
  EXPECT_EQ(grid->GetColCount(), kCols + 1);
  EXPECT_EQ(grid->Cells(2, 1), "near");
  EXPECT_EQ(grid->FindCellProperties(2, 1), near);
  EXPECT_EQ(grid->Cells(701, 70000), "middle");
  EXPECT_EQ(grid->Cells(kCols, kRows - 1), "far");
  EXPECT_EQ(grid->BaseCell(5, 4), TPoint(4, 3));

  grid->RemoveCols(0, 2);
  EXPECT_EQ(grid->Cells(0, 1), "near");
  EXPECT_EQ(grid->Cells(kCols - 2, kRows - 1), "far");
  grid->SwapColumns(0, 699);
  EXPECT_EQ(grid->Cells(699, 1), "near");
  EXPECT_EQ(grid->Cells(0, 70000), "middle");
  EXPECT_EQ(grid->FindCellProperties(699, 1), near);
  grid->MoveColumn(699, kCols - 3);
  EXPECT_EQ(grid->Cells(kCols - 3, 1), "near");
  EXPECT_EQ(grid->Cells(kCols - 2, kRows - 1), "far");
}

TEST_F(GridSheetMoves, ColumnsCopyAndEmptyAcrossTheWholeSheet) {
  grid->SetCells(5, 9, "stale");
  grid->CopyCols(5, 1);
  EXPECT_EQ(grid->Cells(5, 1), "near");
  EXPECT_EQ(grid->FindCellProperties(5, 1), near);
  EXPECT_EQ(grid->Cells(5, 9), "");
  grid->ClearPropCell(1, 1);
  EXPECT_EQ(grid->FindCellProperties(5, 1), near);  // the copy holds it still
  grid->NilCol(700);
  EXPECT_EQ(grid->Cells(700, 70000), "");
}

TEST_F(GridSheetMoves, RowsMoveAcrossTheWholeSheet) {
  grid->InsertRows(1, 2);
  EXPECT_EQ(grid->Cells(1, 3), "near");
  EXPECT_EQ(grid->FindCellProperties(1, 3), near);
  EXPECT_EQ(grid->Cells(kCols - 1, kRows + 1), "far");
  EXPECT_EQ(grid->BaseCell(4, 6), TPoint(3, 5));
  grid->RemoveRows(0, 3);
  EXPECT_EQ(grid->Cells(1, 0), "near");
  EXPECT_EQ(grid->Cells(700, 69999), "middle");
  grid->MoveRow(0, kRows - 4);
  EXPECT_EQ(grid->Cells(1, kRows - 4), "near");
  EXPECT_EQ(grid->Cells(kCols - 1, kRows - 2), "far");
}

}  // namespace
