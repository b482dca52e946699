// Whole lines of the cell store rotated, swapped, moved and permuted, checked against a plain
// table the same changes are made to cell by cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "platform/core/strings.h"
#include "platform/grids/grid_cells.h"

namespace {

constexpr int kCols = 12;
constexpr int kRows = 700;  // three pages, the middle one never written

struct Cell {
  AnsiString text;
  TObject* object = nullptr;
  bool operator==(const Cell&) const = default;
};
using Table = std::vector<std::vector<Cell>>;  // [row][col]

class GridCellLines : public testing::Test {
 protected:
  TGridCells cells;
  Table table = Table(kRows, std::vector<Cell>(kCols));
  TObject objects[4];

  void SetUp() override {
    cells.SetRowWidthHint(3);  // rows shorter than the lines that move through them
    for (int r = 0; r < kRows; ++r) {
      if (r >= 256 && r < 512) continue;
      for (int c = 0; c < kCols; ++c) {
        const int mix = (r * 7 + c * 3) % 11;
        if (mix == 0) Put(c, r, {IntToStr(c) + ":" + IntToStr(r), nullptr});
        if (mix == 5 && r % 2) Put(c, r, {"", &objects[(r + c) % 4]});
      }
    }
  }
  void Put(int c, int r, const Cell& cell) {
    cells.SetText(c, r, cell.text);
    cells.SetObject(c, r, cell.object);
    table[r][c] = cell;
  }
  // The store's cells of the table's region, and nothing beyond it.
  void ExpectTable() const {
    for (int r = 0; r < kRows + 300; ++r)
      for (int c = 0; c < kCols + 5; ++c) {
        const Cell want = r < kRows && c < kCols ? table[r][c] : Cell{};
        ASSERT_EQ((Cell{cells.Text(c, r), cells.Object(c, r)}), want) << c << ":" << r;
      }
  }
  void RotateColumns(int first, int middle, int last, int firstRow, int lastRow) {
    cells.RotateColumns(first, middle, last, firstRow, lastRow);
    for (int r = firstRow; r <= std::min(lastRow, kRows - 1); ++r)
      std::rotate(table[r].begin() + first, table[r].begin() + middle, table[r].begin() + last);
  }
};

TEST_F(GridCellLines, ColumnRotationsMatchTheTable) {
  RotateColumns(1, 4, 9, 0, INT_MAX);  // three columns in, five out
  ExpectTable();
  RotateColumns(0, 7, 12, 0, INT_MAX);  // reaching past every short row
  ExpectTable();
  RotateColumns(2, 3, 12, 100, 600);  // a removal within some rows only
  ExpectTable();
  RotateColumns(5, 11, 12, 0, INT_MAX);  // an insertion
  ExpectTable();
  cells.RotateColumns(3, 3, 9);  // nothing to rotate
  cells.RotateColumns(-1, 3, 9);
  ExpectTable();
}

TEST_F(GridCellLines, ColumnSwapsAndMovesMatchTheTable) {
  for (const auto& [a, b] : {std::pair{0, 11}, {4, 5}, {10, 2}, {7, 7}}) {
    cells.SwapColumns(a, b, 3, 650);
    for (int r = 3; r <= 650; ++r) std::swap(table[r][a], table[r][b]);
    ExpectTable();
  }
  for (const auto& [from, to] : {std::pair{0, 11}, {11, 1}, {6, 2}, {2, 6}}) {
    cells.MoveColumn(from, to);
    for (auto& row : table) {
      const Cell moving = row[from];
      row.erase(row.begin() + from);
      row.insert(row.begin() + to, moving);
    }
    ExpectTable();
  }
}

TEST_F(GridCellLines, RowRotationsMovesAndPermutationsMatchTheTable) {
  auto rotate = [&](int first, int middle, int last) {
    cells.RotateRows(first, middle, last);
    std::rotate(table.begin() + first, table.begin() + middle, table.begin() + last);
    ExpectTable();
  };
  rotate(10, 300, 690);  // across the empty page
  rotate(0, 1, kRows);
  rotate(255, 256, 257);
  cells.MoveRow(3, 600);
  std::rotate(table.begin() + 3, table.begin() + 4, table.begin() + 601);
  ExpectTable();
  cells.MoveRow(699, 0);
  std::rotate(table.begin(), table.begin() + 699, table.begin() + 700);
  ExpectTable();

  std::vector<int> order(kRows);
  for (int p = 0; p < kRows; ++p) order[p] = (p * 13 + 5) % kRows;  // 13 is prime to 700
  cells.PermuteRows(order);
  Table permuted(kRows);
  for (int p = 0; p < kRows; ++p) permuted[p] = table[order[p]];
  table = permuted;
  ExpectTable();
}

// A sheet's worth of lines: the cells at its far corners travel, and the rows the lines pass
// through are not made to hold anything.
TEST(GridCellSheetLines, LinesMoveAcrossTheWholeSheet) {
  constexpr int kSheetCols = 16384, kSheetRows = 1048576;
  TGridCells cells;
  cells.SetRowWidthHint(kSheetCols);
  cells.SetText(1, 1, "near");
  cells.SetText(kSheetCols - 1, kSheetRows - 1, "far");
  const std::size_t stored = cells.StoredCells();

  cells.RotateColumns(1, kSheetCols - 1, kSheetCols);  // one column in at 1
  EXPECT_EQ(cells.Text(2, 1), "near");
  EXPECT_EQ(cells.Text(1, kSheetRows - 1), "far");
  cells.RotateRows(0, kSheetRows - 1, kSheetRows);  // one row in at 0
  EXPECT_EQ(cells.Text(2, 2), "near");
  EXPECT_EQ(cells.Text(1, 0), "far");
  cells.MoveRow(0, kSheetRows - 1);
  cells.MoveColumn(1, kSheetCols - 1);
  cells.SwapColumns(1, kSheetCols - 2);
  EXPECT_EQ(cells.Text(kSheetCols - 2, 1), "near");
  EXPECT_EQ(cells.Text(kSheetCols - 1, kSheetRows - 1), "far");
  EXPECT_LE(cells.StoredCells(), stored + kSheetCols);
}

}  // namespace
