// TExtStringGrid: inserting, removing, exchanging and merging columns. Columns move whole in
// the cell store, in one pass over the rows it holds, and their widths with them: a grid a
// worksheet wide and a million rows high inserts a column as fast as a small one.
#include <algorithm>
#include <climits>
#include <utility>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/ColumnMap.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/Lines.h"

// Texts and properties objects change places; the objects are moved with their holds.
void TExtStringGrid::Lines::ExchangeCells(int ACol1, int ARow1, int ACol2, int ARow2) {
  AnsiString text = g.Cells(ACol1, ARow1);
  g.SetCells(ACol1, ARow1, g.Cells(ACol2, ARow2));
  g.SetCells(ACol2, ARow2, std::move(text));
  TCellPropertiesRef props = g.TakeCellRef(ACol1, ARow1);
  g.PutCellRef(ACol1, ARow1, g.TakeCellRef(ACol2, ARow2));
  g.PutCellRef(ACol2, ARow2, std::move(props));
}

void TExtStringGrid::Lines::ExchangeColumns(int ACol1, int ACol2) {
  g.SwapColCells(ACol1, ACol2);
  ExchangeColWidths(ACol1, ACol2);
}

void TExtStringGrid::Lines::ExchangeColWidths(int ACol1, int ACol2) {
  // Columns beyond the count (hidden ones) have no width of their own there.
  if (std::max(ACol1, ACol2) >= g.GetColCount()) return;
  const int width1 = g.ColWidths(ACol1);
  const int width2 = g.ColWidths(ACol2);
  if (width1 == width2) return;
  g.SetColWidths(ACol1, width2);
  g.SetColWidths(ACol2, width1);
}

void TExtStringGrid::SwapColumns(int ACol1, int ACol2) {
  if (!Lines::TwoLines(ACol1, ACol2, GetColCount())) return;
  Lines(*this).ExchangeColumns(ACol1, ACol2);
  if (SortSettings.GetColumn() == ACol1)
    SortSettings.SetColumn(ACol2);
  else if (SortSettings.GetColumn() == ACol2)
    SortSettings.SetColumn(ACol1);
}

void TExtStringGrid::InsertCols(int ACol, int Count) {
  const int cols = GetColCount() + NumHiddenColumns();
  if (Count < 1 || ACol < 0 || ACol > cols || Count > INT_MAX - cols) return;
  SetColCount(GetColCount() + Count);
  RotateColCells(ACol, cols, cols + Count);
  Lines lines(*this);
  for (int c = cols + Count - 1; c >= ACol + Count; --c) lines.ExchangeColWidths(c, c - Count);
  d_->columns->Shift(ACol, Count);
  // The new columns now hold what the store kept beyond the old count.
  const int last = ACol + Count - 1;
  ClearPropRect(ACol, 0, last, INT_MAX);
  ForEachStored(TGridCells::Slot::Text, {ACol, 0, last, GetRowCount() - 1},
                [this](int c, int r) { SetCells(c, r, ""); });
  for (int c = ACol; c <= last; ++c)
    if (ColWidths(c) != GetDefaultColWidth()) SetColWidths(c, GetDefaultColWidth());
  CheckReferences();
}

void TExtStringGrid::AddColumn() { InsertCols(GetColCount(), 1); }

void TExtStringGrid::RemoveCols(int ACol, int Count) {
  const int cols = GetColCount() + NumHiddenColumns();
  if (ACol < 0 || ACol >= cols || Count < 1) return;
  Count = std::min(Count, cols - ACol);
  ClearCols(ACol, Count);
  // The cleared columns travel to the end: what stays beyond the count is empty.
  RotateColCells(ACol, ACol + Count, cols);
  Lines lines(*this);
  for (int c = ACol; c + Count < cols; ++c) lines.ExchangeColWidths(c, c + Count);
  // Hidden columns removed were not in ColCount.
  SetColCount(GetColCount() - (Count - d_->columns->Shift(ACol, -Count)));
  CellsChanged(TRect(ACol, 0, ACol + Count, GetRowCount() - 1));
  CheckReferences();
}

void TExtStringGrid::MergeCols(int ACol1, int ACol2) {
  if (!Lines::TwoLines(ACol1, ACol2, GetColCount())) return;
  for (int r = GetFixedRows(); r < GetRowCount(); ++r)
    SetCellEx(ACol1, r, Trim(GetCellEx(ACol1, r)) + " " + GetCellEx(ACol2, r));
  RemoveCols(ACol2, 1);
}
