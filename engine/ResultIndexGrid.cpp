// The result index kept in a column grid.
#include "engine/ResultIndexGrid.h"

namespace {

constexpr int kColumns = 3;

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

void GridResultIndex::Clear() {
  grid_.Clear();
  grid_.SetRowCount(1);
}

void GridResultIndex::AddHit(const AnsiString& satznummer, const AnsiString& key1, const AnsiString& key2) {
  const int row = grid_.GetRowCount() - 1;  // the empty row becomes the hit's
  grid_.SetRowCount(row + 2);
  grid_.SetCells(0, row, satznummer);
  grid_.SetCells(1, row, key1);
  grid_.SetCells(2, row, key2);
}

void GridResultIndex::SetSortStyle(int column, IndexSortStyle style) {
  if (column >= 0 && column < grid_.GetColumns()->Count())
    grid_.GetColumns()->GetItem(column)->SortStyle = GridStyle(style);
}

void GridResultIndex::Sort(int column) {
  const int hits = grid_.GetRowCount() - 1;
  if (column < 0 || column >= grid_.GetColCount() || hits < 2) return;
  grid_.SortSettings.SetColumn(column);
  grid_.SetRowCount(hits);
  grid_.QSort();
  grid_.SetRowCount(hits + 1);
}

AnsiString GridResultIndex::Cell(int column, int row) const {
  if (column < 0 || column >= grid_.GetColCount() || row < 0 || row >= grid_.GetRowCount()) return {};
  return grid_.Cells(column, row);
}
