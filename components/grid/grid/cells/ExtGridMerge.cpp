// TExtStringGrid: merging runs of equal neighbouring cells into blocks (the column merge of a
// sorted grid) and splitting blocks again, down a column or along a row alike.
#include "components/grid/grid/ExtGrid.h"

// A row walks the stored columns between the first and the last shown normal one.
std::pair<int, int> TExtStringGrid::NormalRun(bool Down) const {
  if (Down) return {GetFixedRows(), LastNormalRow()};
  return StoredSpan(GetFixedCols(), LastNormalCol());
}

void TExtStringGrid::MergeRuns(bool Down, int Line, bool MainMerge) {
  const auto [first, last] = NormalRun(Down);
  auto text = [&](int i) { return Down ? GetCellEx(Line, i) : GetCellEx(i, Line); };
  auto sameBlocks = [&](int i) {
    return MainMerge || (Down ? RowSpanIdentical(i - 1, i) : ColSpanIdentical(i - 1, i));
  };
  auto merge = [&](int start, int count) {
    Down ? MergeCells(Line, start, 1, count) : MergeCells(start, Line, count, 1);
  };
  int start = first;
  for (int i = first + 1; i <= last; ++i) {
    if (text(i) == text(i - 1) && sameBlocks(i)) continue;
    merge(start, i - start);
    start = i;
  }
  if (last - start > 0) merge(start, last - start + 1);
}

void TExtStringGrid::SplitRuns(bool Down, int Line) {
  const auto [first, last] = NormalRun(Down);
  for (int i = first; i <= last; ++i) {
    const int col = Down ? Line : i;
    const int row = Down ? i : Line;
    if (!IsMergedCell(col, row)) continue;
    const TRect block = FullCell(col, row);
    SplitCells(col, row);
    i = Down ? block.Bottom : block.Right;
  }
}

void TExtStringGrid::MergeColumnCells(int ACol, bool MainMerge) { MergeRuns(true, ACol, MainMerge); }
void TExtStringGrid::MergeRowCells(int ARow, bool MainMerge) { MergeRuns(false, ARow, MainMerge); }
void TExtStringGrid::SplitColumnCells(int ACol) { SplitRuns(true, ACol); }
void TExtStringGrid::SplitRowCells(int ARow) { SplitRuns(false, ARow); }

void TExtStringGrid::SplitAllCells() {
  for (int r = 0; r < GetRowCount(); ++r)
    for (int c = 0; c < CellColCount(); ++c)  // hidden columns' blocks too
      if (IsMergedCell(c, r)) SplitCells(c, r);
}
