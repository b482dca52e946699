// The result index kept in a column grid.
#include "engine/ResultIndexGrid.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kColumns = 3;
constexpr int kGrowth = 1024;
// Rows given capacity for their texts at once: one allocation for them, not one per hit.
constexpr int kRoomRows = 256;

TSortStyle GridStyle(IndexSortStyle style) {
  switch (style) {
    case IndexSortStyle::Numeric: return ssNumeric;
    case IndexSortStyle::Date: return ssDate;
    case IndexSortStyle::Alphabetic: return ssAlphabetic;
    case IndexSortStyle::Automatic: break;
  }
  return ssAutomatic;
}

}  // namespace

void DbaseShapeIndexGrid(TExtColumnGrid& grid) {
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetColCount(kColumns);
  TSortSettings& sort = grid.SortSettings;
  sort.SetColumn(1);
  sort.SetDirection(sdAscending);
  sort.Full = true;
  sort.SingleColumn = false;
  sort.IgnoreBlanks = true;
  sort.BlankPos = blLast;
  sort.NormalCellsOnly = true;
}

// The rows of the run before are emptied as this run's hits take them, and what the hits
// leave of them when the adapter is destroyed: a run as large as the one before writes each
// row once and allocates nothing, the rows keeping their allocated capacity.
void GridResultIndex::Clear() {
  stale_ = std::max(stale_, grid_.GetRowCount());
  secondKey_ = false;
  rows_ = 1;
  grid_.SetRowCount(rows_);
}

GridResultIndex::~GridResultIndex() {
  if (stale_ > 0 && stale_ >= rows_) {
    // The empty row and the stale rows after it, within the counts so that the clear
    // reaches them.
    grid_.SetRowCount(std::max(grid_.GetRowCount(), stale_));
    grid_.ClearRect(0, rows_ - 1, kColumns - 1, stale_ - 1, TGridCells::Capacity::Keep);
  }
  grid_.SetRowCount(rows_);
}

void GridResultIndex::AddHit(std::string_view satznummer, std::string_view key1,
                             std::string_view key2) {
  const int row = rows_++ - 1;  // the empty row becomes the hit's
  if (rows_ > grid_.GetRowCount()) Grow();
  // Without a second key no row needs capacity for it.
  secondKey_ = secondKey_ || !key2.empty();
  if (row % kRoomRows == 0)
    grid_.ReserveCellRows(row, row + kRoomRows - 1, secondKey_ ? kColumns : kColumns - 1);
  // Every text, empty ones too, so that nothing of a stale row stays.
  const std::array<std::string_view, kColumns> texts{satznummer, key1, key2};
  grid_.SetRowCells(row, texts);
}

// The grid keeps the cells of rows it once had past its row count: those it takes again
// must be empty, unless they are stale rows of the run before, which the hits overwrite.
// It grows by whole pages of reserved rows, so that its clear never releases the capacity
// just reserved.
void GridResultIndex::Grow() {
  const int first = std::max(grid_.GetRowCount(), stale_);
  const int grown = std::max(2 * rows_, kGrowth);
  grid_.SetRowCount((grown + kRoomRows - 1) / kRoomRows * kRoomRows);
  // Emptied keeping their allocated capacity, which the hits then reuse.
  if (first < grid_.GetRowCount())
    grid_.ClearRect(0, first, kColumns - 1, grid_.GetRowCount() - 1, TGridCells::Capacity::Keep);
}

void GridResultIndex::KeepHits(int hits) {
  if (hits < 0 || hits >= rows_ - 1) return;
  stale_ = std::max(stale_, rows_);
  rows_ = hits + 1;
}

void GridResultIndex::SetSortStyle(int column, IndexSortStyle style) {
  if (column >= 0 && column < grid_.GetColumns()->Count())
    grid_.GetColumns()->GetItem(column)->SortStyle = GridStyle(style);
}

void GridResultIndex::Sort(int column) {
  const int hits = rows_ - 1;
  if (column < 0 || column >= grid_.GetColCount() || hits < 2) return;
  grid_.SortSettings.SetColumn(column);
  grid_.SetRowCount(hits);
  grid_.QSort();
  grid_.SetRowCount(rows_);
}

// The empty row may still hold a hit of the run before while this run's hits come in.
std::string_view GridResultIndex::Cell(int column, int row) const {
  if (column < 0 || column >= grid_.GetColCount() || row < 0 || row >= rows_ - 1) return {};
  return grid_.Cells(column, row);
}
