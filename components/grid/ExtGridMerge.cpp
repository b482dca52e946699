// TExtStringGrid: merging runs of equal neighbouring cells into blocks (the column merge of a
// sorted grid) and splitting blocks again.
#include "components/grid/ExtGrid.h"

void TExtStringGrid::MergeColumnCells(int ACol, bool MainMerge) {
  const int first = GetFixedRows();
  const int last = LastNormalRow();
  int start = first;
  for (int r = first + 1; r <= last; ++r) {
    if (GetCellEx(ACol, r) == GetCellEx(ACol, r - 1) && (MainMerge || RowSpanIdentical(r - 1, r)))
      continue;
    MergeCells(ACol, start, 1, r - start);
    start = r;
  }
  if (last - start > 0) MergeCells(ACol, start, 1, last - start + 1);
}

void TExtStringGrid::MergeRowCells(int ARow, bool MainMerge) {
  const int first = GetFixedCols();
  const int last = LastNormalCol();
  int start = first;
  for (int c = first + 1; c <= last; ++c) {
    if (GetCellEx(c, ARow) == GetCellEx(c - 1, ARow) && (MainMerge || ColSpanIdentical(c - 1, c)))
      continue;
    MergeCells(start, ARow, c - start, 1);
    start = c;
  }
  if (last - start > 0) MergeCells(start, ARow, last - start + 1, 1);
}

void TExtStringGrid::SplitColumnCells(int ACol) {
  for (int r = GetFixedRows(); r <= LastNormalRow(); ++r) {
    if (!IsMergedCell(ACol, r)) continue;
    const int bottom = FullCell(ACol, r).Bottom;
    SplitCells(ACol, r);
    r = bottom;
  }
}

void TExtStringGrid::SplitRowCells(int ARow) {
  for (int c = GetFixedCols(); c <= LastNormalCol(); ++c) {
    if (!IsMergedCell(c, ARow)) continue;
    const int right = FullCell(c, ARow).Right;
    SplitCells(c, ARow);
    c = right;
  }
}

void TExtStringGrid::SplitAllCells() {
  for (int r = 0; r < GetRowCount(); ++r)
    for (int c = 0; c < GetColCount(); ++c)
      if (IsMergedCell(c, r)) SplitCells(c, r);
}
